#include "kvmidi/clock.h"

namespace kvmidi {

const SteadyClock& SteadyClock::Instance()
{
    static const SteadyClock clock;
    return clock;
}

Clock::TimePoint SteadyClock::Now() const
{
    return std::chrono::steady_clock::now();
}

void SteadyClock::WaitUntil(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
                            TimePoint deadline) const
{
    cv.wait_until(lock, deadline);
}

}  // namespace kvmidi
