#include "kvmidi/resting_audio.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace kvmidi {

namespace {

// Below this a rendered buffer counts as silence (-100 dBFS).
constexpr float kSilentLevel = 1e-5f;

std::int64_t FramesOf(fluid_synth_t* synth, std::optional<std::chrono::milliseconds> span)
{
    if (!span)
        return 0;
    double rate = 0;
    fluid_settings_getnum(fluid_synth_get_settings(synth), "synth.sample-rate", &rate);
    return std::max<std::int64_t>(1, std::llround(rate * static_cast<double>(span->count()) / 1000.0));
}

bool Silent(const float* samples, int frames)
{
    return std::all_of(samples, samples + frames, [](float s) { return std::fabs(s) < kSilentLevel; });
}

}  // namespace

RestingAudio::RestingAudio(fluid_synth_t* synth, RenderFunction render, void* data, AudioStarter start,
                           std::optional<std::chrono::milliseconds> restAfter)
    : m_synth(synth), m_render(render), m_data(data), m_start(std::move(start)),
      m_restAfterFrames(FramesOf(synth, restAfter))
{
}

RestingAudio::~RestingAudio()
{
    if (m_keeper.joinable()) {
        Request(kQuit);
        m_keeper.join();
    }
    m_out.reset();
}

bool RestingAudio::Start()
{
    m_out = m_start(&RestingAudio::Render, this);
    if (!m_out)
        return false;
    if (m_restAfterFrames > 0)
        m_keeper = std::thread(&RestingAudio::Keep, this);
    return true;
}

int RestingAudio::Render(void* data, int frames, int fxCount, float* fx[], int outCount, float* out[])
{
    auto* self = static_cast<RestingAudio*>(data);
    if (self->m_resting.load()) {
        for (int i = 0; i < outCount; ++i)
            std::fill_n(out[i], frames, 0.0f);
        return FLUID_OK;
    }
    const int result = self->m_render(self->m_data, frames, fxCount, fx, outCount, out);
    if (outCount >= 2)
        self->TrackQuiet(frames, out[0], out[1]);
    return result;
}

void RestingAudio::TrackQuiet(int frames, const float* left, const float* right)
{
    if (m_restAfterFrames == 0)
        return;
    // The voice count last: it takes the synth's lock.
    const bool quiet = m_pending.load() == 0 && Silent(left, frames) && Silent(right, frames)
                       && fluid_synth_get_active_voice_count(m_synth) == 0;
    if (!quiet) {
        m_quietFrames = 0;
        return;
    }
    m_quietFrames += frames;
    if (m_quietFrames < m_restAfterFrames)
        return;
    m_quietFrames = 0;
    m_resting.store(true);
    // A note sent just before this store saw no rest; the keeper finds it pending.
    Request(kSettle);
}

void RestingAudio::Request(std::uint32_t what)
{
    m_requests.fetch_or(what);
    m_requests.notify_one();
}

void RestingAudio::Keep()
{
    for (;;) {
        m_requests.wait(0);
        if (m_requests.exchange(0) & kQuit)
            return;
        Settle();
    }
}

void RestingAudio::Settle()
{
    if (!m_resting.load())
        return;
    if (m_pending.load() == 0) {
        // Joins the output's thread, which plays zeros meanwhile.
        m_out.reset();
        return;
    }
    if (m_out) {
        // A note came before the output was let go: it simply plays on.
        m_resting.store(false);
        return;
    }
    // Open before the start, so the new output's first buffer already plays.
    // Nothing renders meanwhile, so the count only grows with new notes.
    const int waiting = m_pending.load();
    m_resting.store(false);
    m_out = m_start(&RestingAudio::Render, this);
    if (m_out)
        return;
    // No sound server now: the notes wait, and the next one tries again,
    // also one that came during this try and found the output not resting.
    m_resting.store(true);
    if (m_pending.load() != waiting)
        Request(kSettle);
}

}  // namespace kvmidi
