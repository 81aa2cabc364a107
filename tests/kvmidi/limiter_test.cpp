#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "kvmidi/limiter.h"

namespace {

using kvmidi::Limiter;

constexpr double kRate = 48000.0;

// A 220 Hz sine of the given amplitude, ms long, through the limiter; the
// largest magnitude that comes out.
float PeakOut(Limiter& limiter, float amplitude, int ms)
{
    const int frames = static_cast<int>(kRate) * ms / 1000;
    std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
    for (int i = 0; i < frames; ++i)
        left[static_cast<std::size_t>(i)] = right[static_cast<std::size_t>(i)] =
            amplitude * static_cast<float>(std::sin(2.0 * std::numbers::pi * 220.0 * i / kRate));
    float peak = 0;
    for (int at = 0; at < frames; at += 64) {
        const int n = std::min(64, frames - at);
        limiter.Process(left.data() + at, right.data() + at, n);
        for (int i = at; i < at + n; ++i)
            peak = std::max({peak, std::fabs(left[static_cast<std::size_t>(i)]),
                             std::fabs(right[static_cast<std::size_t>(i)])});
    }
    return peak;
}

TEST(KvMidiLimiter, QuietSoundPassesUntouched)
{
    Limiter limiter(kRate);
    std::vector<float> left = {0.5f, -0.88f, 0.0f, 0.25f}, right = {-0.5f, 0.1f, 0.88f, -0.25f};
    const std::vector<float> inLeft = left, inRight = right;
    limiter.Process(left.data(), right.data(), static_cast<int>(left.size()));
    EXPECT_EQ(left, inLeft);
    EXPECT_EQ(right, inRight);
    EXPECT_EQ(limiter.Gain(), 1.0f);
}

TEST(KvMidiLimiter, LoudSoundStaysUnderTheCeilingAndTheGainComesBack)
{
    for (const float amplitude : {1.0f, 4.0f, 30.0f}) {
        Limiter limiter(kRate);
        EXPECT_LE(PeakOut(limiter, amplitude, 500), Limiter::kCeiling * (1.0f + 1e-6f)) << amplitude;  // rounding
        EXPECT_NEAR(limiter.Gain(), Limiter::kCeiling / amplitude, 0.01) << amplitude;
        // Quiet again: two seconds later it plays at its own level.
        PeakOut(limiter, 0.1f, 2000);
        EXPECT_GT(limiter.Gain(), 0.99f) << amplitude;
    }
}

}  // namespace
