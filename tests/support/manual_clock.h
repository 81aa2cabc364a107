#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "kvmidi/clock.h"

namespace kvmidi {

// Stands still until Set or Advance; a sleeper wakes only when notified,
// so whoever moves the clock must then wake the scheduler (WaitIdle does).
class ManualClock : public Clock {
public:
    TimePoint Now() const override;
    void WaitUntil(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
                   TimePoint deadline) const override;

    void Set(std::chrono::milliseconds sinceStart);
    void Advance(std::chrono::milliseconds by);
    std::chrono::milliseconds Elapsed() const;

private:
    std::atomic<std::int64_t> m_ms{0};
};

}  // namespace kvmidi
