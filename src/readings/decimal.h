// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace freqcounter {

// A decimal number held as its digits, so that a reading's text can be
// moved to another unit, scaled and offset exactly: every digit it has is
// kept and none is added that binary rounding would make.
struct Decimal
{
    bool negative = false;
    QByteArray digits; // most significant first, no leading zero; empty for 0
    int scale = 0; // how many of the digits lie after the point

    // Digits, a point and an exponent ("1.78E+01", without a sign), times
    // ten to the power: ("17800000", -6) is 17.800000.
    static Decimal of(QStringView magnitude, bool negative, int power = 0);
    // A plain decimal text with its sign: "-10.7".
    static Decimal of(QStringView plain);

    bool isZero() const { return digits.isEmpty(); }
    // As plain decimal text with all its digits: "-0.0025", "17.800000".
    QString text() const;
    // How many zeros its digits end in.
    int trailingZeros() const;
    // Zeros at the end dropped while more than minScale digits follow the
    // point; its value stays.
    void dropTrailingZeros(int minScale = 0);

    friend Decimal operator*(const Decimal &a, const Decimal &b);
    friend Decimal operator+(const Decimal &a, const Decimal &b);
};

} // namespace freqcounter
