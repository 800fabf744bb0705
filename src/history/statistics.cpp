#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace freqcounter {

namespace {

constexpr double kHzPerMHz = 1e6;

struct Point
{
    double seconds;
    double mhz;
};

// Non-overlapping Allan deviation of the fractional frequency, averaging m
// readings at a time; none with fewer than two averages.
std::optional<double> allanDeviation(const std::vector<Point> &points, double mean, qsizetype m)
{
    const qsizetype averages = qsizetype(points.size()) / m;
    if (averages < 2)
        return std::nullopt;
    double sum = 0;
    double previous = 0;
    for (qsizetype k = 0; k < averages; ++k) {
        double block = 0;
        for (qsizetype i = k * m; i < (k + 1) * m; ++i)
            block += points[std::size_t(i)].mhz - mean;
        block /= double(m);
        if (k > 0)
            sum += (block - previous) * (block - previous);
        previous = block;
    }
    return std::sqrt(sum / (2.0 * double(averages - 1))) / mean;
}

} // namespace

Statistics Statistics::of(const ReadingHistory &history, qsizetype from, qsizetype to)
{
    Statistics s;
    from = std::clamp<qsizetype>(from, 0, history.size());
    to = std::clamp<qsizetype>(to, from, history.size());
    s.count = to - from;

    std::vector<Point> points;
    points.reserve(std::size_t(s.count));
    const qint64 origin = s.count > 0 ? history.at(from).msecs : 0;
    for (qsizetype i = from; i < to; ++i) {
        const Sample &sample = history.at(i);
        if (!std::isnan(sample.mhz))
            points.push_back({double(sample.msecs - origin) / 1000.0, sample.mhz});
    }
    s.numbers = qsizetype(points.size());
    if (points.empty())
        return s;

    double sum = 0;
    double low = points.front().mhz;
    double high = low;
    for (const Point &p : points) {
        sum += p.mhz;
        low = std::min(low, p.mhz);
        high = std::max(high, p.mhz);
    }
    const double mean = sum / double(points.size());
    s.meanMHz = mean;
    s.minMHz = low;
    s.maxMHz = high;
    s.peakToPeakHz = (high - low) * kHzPerMHz;
    if (points.size() < 2)
        return s;

    double squares = 0;
    double meanSeconds = 0;
    for (const Point &p : points) {
        squares += (p.mhz - mean) * (p.mhz - mean);
        meanSeconds += p.seconds;
    }
    meanSeconds /= double(points.size());
    s.stdDevHz = std::sqrt(squares / double(points.size() - 1)) * kHzPerMHz;

    double covariance = 0;
    double spread = 0;
    for (const Point &p : points) {
        covariance += (p.seconds - meanSeconds) * (p.mhz - mean);
        spread += (p.seconds - meanSeconds) * (p.seconds - meanSeconds);
    }
    if (spread > 0) {
        const double mhzPerSecond = covariance / spread;
        s.driftHzPerMinute = mhzPerSecond * 60.0 * kHzPerMHz;
        if (mean != 0)
            s.driftPpmPerHour = mhzPerSecond * 3600.0 / mean * 1e6;
    }

    std::vector<double> gaps;
    gaps.reserve(points.size() - 1);
    for (std::size_t i = 1; i < points.size(); ++i)
        gaps.push_back(points[i].seconds - points[i - 1].seconds);
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    const double tau0 = gaps[gaps.size() / 2];
    if (tau0 > 0 && mean != 0) {
        for (const qsizetype m : {1, 10, 100}) {
            if (const std::optional<double> deviation = allanDeviation(points, mean, m))
                s.allan.append({tau0 * double(m), *deviation});
        }
    }
    return s;
}

} // namespace freqcounter
