#pragma once

namespace kvmidi {

// Keeps the synth's output under full scale. The gain that makes the
// default strum loud enough lets six notes of a sustained patch sum far
// past it, and the sound server would clip them hard.
class Limiter {
public:
    static constexpr float kCeiling = 0.89f;  // -1 dBFS

    explicit Limiter(double sampleRate);

    // In place: a frame that would pass the ceiling lowers the gain at once
    // to meet it; the gain then returns to 1 over about a second.
    void Process(float* left, float* right, int frames);
    float Gain() const { return m_gain; }

private:
    float m_release;
    float m_gain = 1.0f;
};

}  // namespace kvmidi
