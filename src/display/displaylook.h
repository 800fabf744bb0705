// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowdefinition.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace freqcounter {

// The display's look as the window definition gives it, for everything
// that draws a reading the way the display does.
inline QColor colourOf(WindowDefinition::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// Gives a widget the display's colours: its text on its background.
inline void paintAsDisplay(QWidget &widget)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colourOf(WindowDefinition::kDisplayBackground));
    palette.setColor(QPalette::WindowText, colourOf(WindowDefinition::kDisplayText));
    widget.setPalette(palette);
}

// The display's font at a size of its own.
inline QFont displayFont(qreal points = WindowDefinition::kDisplayFontPoints)
{
    QFont font{QString(WindowDefinition::kDisplayFontFamily)};
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace freqcounter
