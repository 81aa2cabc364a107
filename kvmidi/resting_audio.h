#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include <fluidsynth/types.h>

namespace kvmidi {

// A running audio output: it calls its render function from a thread of its
// own until it is destroyed.
class AudioOut {
public:
    virtual ~AudioOut() = default;
};

// Fills the output buffers out[0..outCount) with frames of sound: FluidSynth's
// fluid_audio_func_t.
using RenderFunction = int (*)(void* data, int frames, int fxCount, float* fx[], int outCount, float* out[]);

// Starts an output that calls render(data, ...) for every buffer it plays;
// nullptr when none starts.
using AudioStarter = std::function<std::unique_ptr<AudioOut>(RenderFunction render, void* data)>;

// The synth's audio output, let go while the synth has nothing to play: a
// sound server stream costs several percent of a core even for silence.
// The synth's sequencer moves on only as the synth renders, so its time
// stands still while the output rests, and a note asked for then starts
// with its delay intact once the output is back.
//
// The rendering thread decides to rest, after restAfter of silence with no
// voice and no pending event; from then on it plays zeros and leaves the
// synth alone. A thread of this object's own stops and restarts outputs, so
// the caller never waits for the sound server.
class RestingAudio {
public:
    // render(data, ...) fills the buffers with the synth's sound; restAfter
    // nullopt keeps the output running all the time.
    RestingAudio(fluid_synth_t* synth, RenderFunction render, void* data, AudioStarter start,
                 std::optional<std::chrono::milliseconds> restAfter);
    ~RestingAudio();
    RestingAudio(const RestingAudio&) = delete;
    RestingAudio& operator=(const RestingAudio&) = delete;

    // The first output, started on the caller's thread: false when none starts.
    bool Start();

    // Has send() put count events into the synth's sequencer; a resting
    // output comes back for them. From the caller's thread.
    template <typename SendEvents>
    void Send(int count, SendEvents send)
    {
        // Counted first, so that the rendering thread cannot rest in between.
        m_pending.fetch_add(count);
        send();
        if (m_resting.load())
            Request(kSettle);
    }

    // For each event as the sequencer delivers it, on the rendering thread.
    void Delivered() { m_pending.fetch_sub(1); }

private:
    static constexpr std::uint32_t kSettle = 1;
    static constexpr std::uint32_t kQuit = 2;

    static int Render(void* data, int frames, int fxCount, float* fx[], int outCount, float* out[]);
    void TrackQuiet(int frames, const float* left, const float* right);
    void Request(std::uint32_t what);
    void Keep();
    void Settle();

    fluid_synth_t* m_synth;
    RenderFunction m_render;
    void* m_data;
    AudioStarter m_start;
    std::int64_t m_restAfterFrames;  // 0: never rests

    std::atomic<int> m_pending{0};  // events in the sequencer
    std::atomic<bool> m_resting{false};
    std::atomic<std::uint32_t> m_requests{0};
    std::int64_t m_quietFrames = 0;  // the rendering thread's
    std::unique_ptr<AudioOut> m_out;  // the keeper thread's once it runs
    std::thread m_keeper;
};

}  // namespace kvmidi
