#include "tests/support/recording_backend.h"

#include "kvmidi/clock.h"
#include "kvmidi/midi_sink.h"
#include "kvmidi/scheduler.h"

namespace kvmidi {

namespace {

// Milliseconds since the clock's epoch, the time stamp of a logged event.
std::int64_t MillisecondsOf(Clock::TimePoint t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

}  // namespace

class RecordingBackend::Sink : public MidiSink {
public:
    Sink(RecordingBackend& owner, const Clock& clock, std::string name)
        : m_owner(owner), m_clock(clock), m_name(std::move(name))
    {
        Log("open " + m_name);
    }
    ~Sink() override { Log("close " + m_name); }

    void NoteOn(std::uint8_t note, std::uint8_t velocity) override
    {
        Log("on " + std::to_string(note) + " " + std::to_string(velocity));
    }
    void NoteOff(std::uint8_t note) override { Log("off " + std::to_string(note)); }
    bool Program(std::uint8_t program) override
    {
        if (m_owner.m_sendsFail)
            return false;
        Log("program " + std::to_string(program));
        return true;
    }
    void AllNotesOff() override { Log("cc 123"); }

private:
    void Log(std::string event) { m_owner.Append(MillisecondsOf(m_clock.Now()), std::move(event)); }

    RecordingBackend& m_owner;
    const Clock& m_clock;
    std::string m_name;
};

RecordingBackend::RecordingBackend(std::vector<std::string> names) : m_names(std::move(names)) {}

std::vector<MidiOutCaps> RecordingBackend::ListDevices()
{
    std::lock_guard lock(m_mutex);
    m_listed = m_names;
    return MidiPortCaps(m_listed);
}

std::uint32_t RecordingBackend::Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device)
{
    std::string name;
    {
        std::unique_lock lock(m_mutex);
        m_released.wait(lock, [this] { return !m_held; });
        if (index >= m_listed.size())
            return kBadDeviceId;
        if (m_openResult != kOk)
            return m_openResult;
        name = m_listed[index];
    }
    device = std::make_unique<ScheduledDevice>(std::make_unique<Sink>(*this, clock, std::move(name)), clock);
    return kOk;
}

bool RecordingBackend::SlowToOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_slow;
}

void RecordingBackend::HoldOpens()
{
    std::lock_guard lock(m_mutex);
    m_slow = m_held = true;
}

void RecordingBackend::ReleaseOpens()
{
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
    }
    m_released.notify_all();
}

void RecordingBackend::SetNames(std::vector<std::string> names)
{
    std::lock_guard lock(m_mutex);
    m_names = std::move(names);
}

void RecordingBackend::SetOpenResult(std::uint32_t code)
{
    std::lock_guard lock(m_mutex);
    m_openResult = code;
}

void RecordingBackend::SetSendsFail(bool fail)
{
    m_sendsFail = fail;
}

std::vector<RecordingBackend::Entry> RecordingBackend::Log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void RecordingBackend::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

void RecordingBackend::Append(std::int64_t ms, std::string event)
{
    std::lock_guard lock(m_mutex);
    m_log.push_back({ms, std::move(event)});
}

}  // namespace kvmidi
