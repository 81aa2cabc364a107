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

Clock::TimePoint ManualClock::Now() const
{
    return TimePoint(std::chrono::milliseconds(m_ms.load()));
}

void ManualClock::WaitUntil(std::condition_variable& cv, std::unique_lock<std::mutex>& lock,
                            TimePoint) const
{
    cv.wait(lock);
}

void ManualClock::Set(std::chrono::milliseconds sinceStart)
{
    m_ms.store(sinceStart.count());
}

void ManualClock::Advance(std::chrono::milliseconds by)
{
    m_ms.fetch_add(by.count());
}

std::chrono::milliseconds ManualClock::Elapsed() const
{
    return std::chrono::milliseconds(m_ms.load());
}

std::int64_t MillisecondsOf(Clock::TimePoint t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

}  // namespace kvmidi
