// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace freqcounter {

namespace {

void dropLeadingZeros(Decimal &number)
{
    qsizetype zeros = 0;
    while (zeros < number.digits.size() && number.digits.at(zeros) == '0')
        ++zeros;
    number.digits.remove(0, zeros);
}

// Both numbers' digits at the same scale.
QByteArray atScale(const Decimal &number, int scale)
{
    if (number.isZero())
        return {};
    return number.digits + QByteArray(scale - number.scale, '0');
}

// Which of two digit strings without leading zeros is larger: <0, 0, >0.
int compareMagnitudes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

Decimal Decimal::of(QStringView magnitude, bool negative, int power)
{
    Decimal number;
    number.negative = negative;
    int exponent = 0;
    const qsizetype e = magnitude.indexOf(u'e', 0, Qt::CaseInsensitive);
    if (e >= 0) {
        exponent = magnitude.sliced(e + 1).toInt();
        magnitude = magnitude.first(e);
    }
    const qsizetype point = magnitude.indexOf(u'.');
    const QStringView fraction = point < 0 ? QStringView() : magnitude.sliced(point + 1);
    number.digits
            = (point < 0 ? magnitude : magnitude.first(point)).toLatin1() + fraction.toLatin1();
    number.scale = int(fraction.size()) - exponent - power;
    if (number.scale < 0) {
        number.digits.append(-number.scale, '0');
        number.scale = 0;
    }
    dropLeadingZeros(number);
    return number;
}

Decimal operator*(const Decimal &a, const Decimal &b)
{
    Decimal result;
    result.negative = a.negative != b.negative;
    result.scale = a.scale + b.scale;
    if (a.isZero() || b.isZero())
        return result;
    std::vector<int> sums(std::size_t(a.digits.size() + b.digits.size()), 0);
    for (qsizetype i = a.digits.size() - 1; i >= 0; --i) {
        for (qsizetype j = b.digits.size() - 1; j >= 0; --j)
            sums[std::size_t(i + j + 1)] += (a.digits.at(i) - '0') * (b.digits.at(j) - '0');
    }
    for (std::size_t k = sums.size() - 1; k > 0; --k) {
        sums[k - 1] += sums[k] / 10;
        sums[k] %= 10;
    }
    for (const int digit : sums)
        result.digits.append(char('0' + digit));
    dropLeadingZeros(result);
    return result;
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    Decimal result;
    result.scale = std::max(a.scale, b.scale);
    QByteArray x = atScale(a, result.scale);
    QByteArray y = atScale(b, result.scale);
    result.negative = a.negative;
    const bool subtract = a.negative != b.negative;
    if (subtract && compareMagnitudes(x, y) < 0) {
        std::swap(x, y);
        result.negative = b.negative;
    }
    // x is now the larger in size where one is subtracted.
    y.prepend(QByteArray(std::max<qsizetype>(0, x.size() - y.size()), '0'));
    x.prepend(QByteArray(std::max<qsizetype>(0, y.size() - x.size()), '0'));
    QByteArray digits(x.size(), '0');
    int carry = 0;
    for (qsizetype i = x.size() - 1; i >= 0; --i) {
        int digit = (x.at(i) - '0') + (subtract ? -(y.at(i) - '0') : (y.at(i) - '0')) + carry;
        carry = 0;
        if (digit < 0) {
            digit += 10;
            carry = -1;
        } else if (digit > 9) {
            digit -= 10;
            carry = 1;
        }
        digits[i] = char('0' + digit);
    }
    if (carry > 0)
        digits.prepend('1');
    result.digits = digits;
    dropLeadingZeros(result);
    return result;
}

Decimal Decimal::of(QStringView plain)
{
    const bool negative = plain.startsWith(u'-');
    return of(plain.sliced(negative || plain.startsWith(u'+') ? 1 : 0), negative, 0);
}

QString Decimal::text() const
{
    QByteArray shown = digits;
    shown.prepend(QByteArray(std::max<qsizetype>(0, scale + 1 - shown.size()), '0'));
    if (scale > 0)
        shown.insert(shown.size() - scale, '.');
    if (negative && !isZero())
        shown.prepend('-');
    return QString::fromLatin1(shown);
}

int Decimal::trailingZeros() const
{
    int zeros = 0;
    for (qsizetype i = digits.size() - 1; i >= 0 && digits.at(i) == '0'; --i)
        ++zeros;
    return zeros;
}

void Decimal::dropTrailingZeros(int minScale)
{
    while (scale > minScale && digits.endsWith('0')) {
        digits.chop(1);
        --scale;
    }
    if (isZero())
        scale = std::max(minScale, 0);
}

} // namespace freqcounter
