// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <vector>

namespace freqcounter::test {

// Power-law noise with a spectrum of f^-beta (Kasdin's filter of white
// noise), seeded: white FM is 0, flicker FM 1, random walk FM 2; white and
// flicker PM are those of 0 and 1, differenced.
inline std::vector<double> powerLaw(std::size_t n, double beta, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::normal_distribution<double> white;
    std::vector<double> w(n);
    for (double &v : w)
        v = white(random);
    std::vector<double> h(n);
    h[0] = 1;
    for (std::size_t k = 1; k < n; ++k)
        h[k] = h[k - 1] * (beta / 2 + double(k) - 1) / double(k);
    std::vector<double> x(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k <= i; ++k)
            x[i] += h[k] * w[i - k];
    }
    return x;
}

inline std::vector<double> differenced(const std::vector<double> &x)
{
    std::vector<double> y;
    for (std::size_t i = 1; i < x.size(); ++i)
        y.push_back(x[i] - x[i - 1]);
    return y;
}

} // namespace freqcounter::test
