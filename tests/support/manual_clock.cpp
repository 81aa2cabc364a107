#include "tests/support/manual_clock.h"

namespace kvmidi {

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

}  // namespace kvmidi
