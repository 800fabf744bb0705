// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <chrono>

// The window definition: every value the window is built from, as the
// definition states it, positions and sizes in twips (1/1440 inch).
namespace freqcounter::WindowDefinition {

using namespace Qt::StringLiterals;

// 15 twips make one pixel at 96 dots per inch, which is one logical pixel;
// Qt scales logical pixels for other densities.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr QRect toPixels() const
    {
        return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                pixelsFromTwips(height)};
    }
};

struct ItemDefinition
{
    QLatin1StringView name;
    QLatin1StringView text;
    TwipRect rect;
    int tabIndex = 0;
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr QLatin1StringView kFormName = "Form1"_L1;
inline constexpr QLatin1StringView kTitle = "2GHz Frequency counter"_L1;
inline constexpr int kClientWidthTwips = 3735;
inline constexpr int kClientHeightTwips = 1245;

constexpr QSize clientSize()
{
    return {pixelsFromTwips(kClientWidthTwips), pixelsFromTwips(kClientHeightTwips)};
}

inline constexpr ItemDefinition kOption1{"Option1"_L1, "Com1"_L1, {600, 960, 855, 255}, 0};
inline constexpr ItemDefinition kOption2{"Option2"_L1, "Com2"_L1, {2160, 960, 855, 255}, 1};
inline constexpr ItemDefinition kLabel1{"Label1"_L1, "Waiting"_L1, {120, 120, 3495, 735}, 2};
inline constexpr QLatin1StringView kTimer1Name = "Timer1"_L1;
inline constexpr QLatin1StringView kMSComm1Name = "MSComm1"_L1;

// The display field's look.
inline constexpr Rgb kDisplayBackground{64, 0, 64};
inline constexpr Rgb kDisplayText{192, 255, 192};
// A reading outside its tolerance, on the large display: amber, 8.6:1 on the
// display's background (4.5:1 at least is readable).
inline constexpr Rgb kWarningText{255, 176, 0};
inline constexpr QLatin1StringView kDisplayFontFamily = "Arial"_L1;
inline constexpr double kDisplayFontPoints = 27.75;

// What follows every reading on the display.
inline constexpr QLatin1StringView kUnit = " MHz"_L1;

// A reading's text as the display shows it: a frequency's with kUnit after
// it, a time interval's with its own unit ("µs" for "us").
inline QString displayed(const QString &text, const QString &intervalUnit)
{
    if (intervalUnit.isEmpty())
        return text + QString(kUnit);
    return text + u' ' + (intervalUnit == u"us" ? QStringLiteral("\u00b5s") : intervalUnit);
}

inline constexpr std::chrono::milliseconds kPollInterval{100};

// The name a port goes by: its button's text.
inline QString portName(qint16 port)
{
    if (port == 1)
        return {kOption1.text};
    if (port == 2)
        return {kOption2.text};
    return QStringLiteral("Com%1").arg(port);
}

// An instrument as users read it: its port's name, and the device behind it
// when one is known: "Com2 (/dev/ttyUSB1)", "Com1".
inline QString instrumentName(qint16 port, const QString &device)
{
    if (device.isEmpty())
        return portName(port);
    return QStringLiteral("%1 (%2)").arg(portName(port), device);
}

} // namespace freqcounter::WindowDefinition
