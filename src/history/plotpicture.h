// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace freqcounter {

class PlotWidget;

// A plot saved as a picture: a caption block over the plot, drawn by the
// plot's own paint function, written as PNG or SVG. It says nothing of what
// the caption means.
namespace PlotPicture {

enum class Format { Png, Svg };

// By the file's extension, whatever its case; nothing for any other.
std::optional<Format> formatOf(const QString &path);

// Whether this build writes the format: SVG needs Qt Svg.
bool writes(Format format);

// The size a picture has unless the user chooses another.
inline constexpr QSize kDefaultSize{1200, 800};

// The caption's lines, the first as a title, over the plot, size pixels in
// all, written to path in the format its extension names; false, with the
// reason in error, when it has no such extension or cannot be written.
bool save(const PlotWidget &plot, const QString &path, QSize size, const QStringList &caption,
          QString *error = nullptr);

} // namespace PlotPicture

} // namespace freqcounter
