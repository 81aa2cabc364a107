#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace kvmidi {

// The time base of the scheduler, replaceable so tests can move time by hand.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint Now() const = 0;
    // Sleeps on cv until deadline or a notification; spurious returns are allowed.
    virtual void WaitUntil(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
                           TimePoint deadline) const = 0;
};

class SteadyClock : public Clock {
public:
    static const SteadyClock& Instance();

    TimePoint Now() const override;
    void WaitUntil(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
                   TimePoint deadline) const override;
};

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

// Milliseconds since the clock's epoch, the time stamp of recorded events.
std::int64_t MillisecondsOf(Clock::TimePoint t);

}  // namespace kvmidi
