#pragma once
// Measures on rendered sound: the pitch of a steady tone and how alike two
// spectra are.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>
#include <vector>

namespace testsupport {

// The samples from fromMs to toMs.
inline std::vector<float> Excerpt(const std::vector<float>& samples, double rate, double fromMs, double toMs)
{
    const auto from = std::min(samples.size(), static_cast<std::size_t>(fromMs * rate / 1000));
    const auto to = std::min(samples.size(), static_cast<std::size_t>(toMs * rate / 1000));
    return {samples.begin() + static_cast<std::ptrdiff_t>(from), samples.begin() + static_cast<std::ptrdiff_t>(to)};
}

// The fundamental frequency of a steady tone, in Hz: the shortest lag whose
// autocorrelation comes within 10 % of the strongest between minHz and
// maxHz, refined between its neighbours. 0 when there is no tone.
inline double Fundamental(const std::vector<float>& x, double rate, double minHz = 40, double maxHz = 1000)
{
    const auto minLag = static_cast<std::size_t>(rate / maxHz);
    const auto maxLag = static_cast<std::size_t>(rate / minHz) + 1;
    if (x.size() < 2 * maxLag)
        return 0;
    const std::size_t n = x.size() - maxLag - 1;
    std::vector<double> r(maxLag + 2, 0.0);
    for (std::size_t lag = minLag - 1; lag <= maxLag + 1; ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i < n; ++i)
            sum += static_cast<double>(x[i]) * x[i + lag];
        r[lag] = sum;
    }
    const double best = *std::max_element(r.begin() + static_cast<std::ptrdiff_t>(minLag),
                                          r.begin() + static_cast<std::ptrdiff_t>(maxLag + 1));
    if (best <= 0)
        return 0;
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
        if (r[lag] >= 0.9 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
            const double bend = r[lag - 1] - 2 * r[lag] + r[lag + 1];
            const double shift = bend == 0 ? 0 : 0.5 * (r[lag - 1] - r[lag + 1]) / bend;
            return rate / (static_cast<double>(lag) + shift);
        }
    }
    return 0;
}

// Magnitudes of the first half of a Hann-windowed FFT of the first 2^k
// samples (k as large as the samples allow, at most 2^16).
inline std::vector<double> MagnitudeSpectrum(const std::vector<float>& x)
{
    std::size_t n = 1;
    while (n * 2 <= x.size() && n < (1u << 16))
        n *= 2;
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n));
        a[i] = w * x[i];
    }
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * std::numbers::pi / static_cast<double>(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
    std::vector<double> magnitudes(n / 2);
    for (std::size_t i = 0; i < n / 2; ++i)
        magnitudes[i] = std::abs(a[i]);
    return magnitudes;
}

// The cosine of the angle between two spectra: 1 for the same shape, lower
// the more their energy lies at different frequencies.
inline double SpectralSimilarity(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return aa == 0 || bb == 0 ? 0 : ab / std::sqrt(aa * bb);
}

}  // namespace testsupport
