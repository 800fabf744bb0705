#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// How far to trust a stability figure, from the noise itself: the type of
// noise by the lag-1 autocorrelation of the data (Riley and Greenhall,
// 2004), the equivalent degrees of freedom of an estimator for that noise
// (Greenhall and Riley, PTTI 2003), and the 68.3 % chi-squared bounds of a
// deviation with those degrees of freedom.
namespace freqcounter::StabilityConfidence {

// The five power-law noises, by the exponent alpha of their frequency
// spectrum S_y(f) ~ f^alpha.
enum Noise : int {
    WhitePM = 2,
    FlickerPM = 1,
    WhiteFM = 0,
    FlickerFM = -1,
    RandomWalkFM = -2,
};

// "white PM", "flicker PM", "white FM", "flicker FM", "random walk FM".
QString noiseName(int alpha);

// The fewest averages the noise is identified from.
constexpr std::size_t kFewestForNoise = 30;

// The dominant noise of frequency averages, each piece a run of adjacent
// averages that no gap cuts: each is detrended, then differenced until its
// lag-1 autocorrelation says the result is stationary. Nothing when the
// pieces hold fewer than kFewestForNoise averages in all.
std::optional<int> identifyNoise(std::vector<std::vector<double>> pieces);

// An estimator: d = 2 for the Allan, 3 for the Hadamard family; whether
// its terms overlap (a stride of τ0 rather than τ), and whether it is the
// modified kind (the phase averaged over τ first).
struct Estimator
{
    int d = 2;
    bool overlapping = true;
    bool modified = false;
};

// The equivalent degrees of freedom of the estimator at averaging factor m
// from N phase points, for noise alpha.
double edf(const Estimator &estimator, int alpha, double m, double phasePoints);

// The phase points that give an estimator at m the terms it has: where gaps
// cut the series, the figures are as of one series with as many terms.
double phasePointsFor(const Estimator &estimator, double m, double terms);

// The 68.3 % (one sigma) interval of a deviation with these degrees of
// freedom: lowest and highest.
std::pair<double, double> bounds(double deviation, double degreesOfFreedom);

} // namespace freqcounter::StabilityConfidence
