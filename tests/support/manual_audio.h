#pragma once
// An audio output that the test plays by hand, as a driver's thread would:
// the synth's device starts and stops it from whatever thread it likes, and
// the test renders buffers through it while it runs.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "kvmidi/resting_audio.h"

namespace testsupport {

class ManualAudio {
public:
    kvmidi::AudioStarter Starter()
    {
        return [this](kvmidi::RenderFunction render, void* data) -> std::unique_ptr<kvmidi::AudioOut> {
            std::lock_guard lock(m_mutex);
            if (m_bRefuse) {
                ++m_refusals;
                m_changed.notify_all();
                return nullptr;
            }
            m_render = render;
            m_data = data;
            ++m_starts;
            m_changed.notify_all();
            return std::make_unique<Out>(*this);
        };
    }

    // Outputs start only while this is off, as without a sound server.
    void Refuse(bool refuse)
    {
        std::lock_guard lock(m_mutex);
        m_bRefuse = refuse;
    }

    // One buffer through the running output, cleared first as drivers do;
    // false when no output runs.
    bool Render(int frames, float* left, float* right)
    {
        std::lock_guard lock(m_mutex);
        if (!m_render)
            return false;
        std::fill_n(left, frames, 0.0f);
        std::fill_n(right, frames, 0.0f);
        float* out[] = {left, right};
        m_render(m_data, frames, 0, nullptr, 2, out);
        return true;
    }

    // Waits until an output runs (or none does); false if that does not
    // happen within the timeout.
    bool WaitUntilRunning(bool running, std::chrono::seconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return (m_render != nullptr) == running; });
    }

    // Waits until count starts have been refused.
    bool WaitUntilRefused(int count, std::chrono::seconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return m_refusals >= count; });
    }

    int Starts()
    {
        std::lock_guard lock(m_mutex);
        return m_starts;
    }

private:
    // Stopping waits for a buffer in progress, as joining a driver's thread does.
    struct Out : kvmidi::AudioOut {
        explicit Out(ManualAudio& audio) : audio(audio) {}
        ~Out() override
        {
            std::lock_guard lock(audio.m_mutex);
            audio.m_render = nullptr;
            audio.m_changed.notify_all();
        }
        ManualAudio& audio;
    };

    std::mutex m_mutex;
    std::condition_variable m_changed;
    kvmidi::RenderFunction m_render = nullptr;
    void* m_data = nullptr;
    bool m_bRefuse = false;
    int m_starts = 0;
    int m_refusals = 0;
};

}  // namespace testsupport
