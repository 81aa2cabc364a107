#pragma once
#include <chrono>
#include <condition_variable>
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

}  // namespace kvmidi
