#include "kvmidi/limiter.h"

#include <algorithm>
#include <cmath>

namespace kvmidi {

namespace {

constexpr double kReleaseSeconds = 0.3;  // time constant

}  // namespace

Limiter::Limiter(double sampleRate)
    : m_release(static_cast<float>(1.0 - std::exp(-1.0 / (kReleaseSeconds * sampleRate))))
{
}

void Limiter::Process(float* left, float* right, int frames)
{
    for (int i = 0; i < frames; ++i) {
        m_gain += (1.0f - m_gain) * m_release;
        const float peak = std::max(std::fabs(left[i]), std::fabs(right[i]));
        if (peak * m_gain > kCeiling)
            m_gain = kCeiling / peak;
        left[i] *= m_gain;
        right[i] *= m_gain;
    }
}

}  // namespace kvmidi
