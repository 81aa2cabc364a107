#include "kvmidi/scheduler.h"

namespace kvmidi {

Scheduler::Scheduler(MidiSink& sink, const Clock& clock)
    : m_sink(sink), m_clock(clock), m_worker([this] { Run(); })
{
}

Scheduler::~Scheduler()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_worker.join();
}

void Scheduler::PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                         std::chrono::milliseconds duration)
{
    {
        std::lock_guard lock(m_mutex);
        const std::uint32_t generation = m_keys.NextGeneration(note);
        const Clock::TimePoint start = m_clock.Now() + delay;
        m_queue.push({start, m_nextOrder++, generation, note, velocity, true});
        m_queue.push({start + duration, m_nextOrder++, generation, note, 0, false});
    }
    m_wake.notify_one();
}

bool Scheduler::Program(std::uint8_t program)
{
    std::lock_guard lock(m_mutex);
    return m_sink.Program(program);
}

void Scheduler::Close()
{
    std::lock_guard lock(m_mutex);
    m_queue = {};
    m_keys.ReleaseAll([this](std::uint8_t key) { m_sink.NoteOff(key); });
    m_sink.AllNotesOff();
}

void Scheduler::WaitIdle()
{
    std::unique_lock lock(m_mutex);
    m_kicked = true;
    m_wake.notify_one();
    m_idle.wait(lock, [this] { return !m_kicked || m_stop; });
}

void Scheduler::Run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (!m_queue.empty() && m_queue.top().due <= m_clock.Now()) {
            const Event event = m_queue.top();
            m_queue.pop();
            Deliver(event);
            continue;
        }
        // Everything due has gone out: report idle to a waiting WaitIdle.
        m_kicked = false;
        m_idle.notify_all();
        if (m_queue.empty())
            m_wake.wait(lock);
        else
            m_clock.WaitUntil(m_wake, lock, m_queue.top().due);
    }
    m_idle.notify_all();
}

void Scheduler::Deliver(const Event& event)
{
    if (event.on) {
        m_keys.Strike(event.note, event.generation);
        m_sink.NoteOn(event.note, event.velocity);
    } else if (m_keys.Release(event.note, event.generation)) {
        m_sink.NoteOff(event.note);
    }
}

ScheduledDevice::ScheduledDevice(std::unique_ptr<MidiSink> sink, const Clock& clock)
    : m_sink(std::move(sink)), m_scheduler(*m_sink, clock)
{
}

ScheduledDevice::~ScheduledDevice()
{
    m_scheduler.Close();
}

bool ScheduledDevice::ProgramChange(std::uint8_t program)
{
    return m_scheduler.Program(program);
}

void ScheduledDevice::PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                               std::chrono::milliseconds duration)
{
    m_scheduler.PlayNote(note, velocity, delay, duration);
}

void ScheduledDevice::WaitIdle()
{
    m_scheduler.WaitIdle();
}

}  // namespace kvmidi
