#include "kvmidi/output.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace kvmidi {

Output::Output(std::vector<std::unique_ptr<Backend>> backends, const Clock& clock)
    : m_backends(std::move(backends)), m_clock(clock)
{
}

Output::~Output()
{
    Close();
}

std::uint32_t Output::Open(std::uint32_t deviceId)
{
    // A failed open leaves nothing open, so later calls report 5 rather
    // than play on the device the caller meant to leave.
    Close();
    if (!m_bSnapshotTaken)
        TakeSnapshot();
    if (m_devices.empty())
        return kNoDevice;
    if (deviceId >= m_devices.size())
        return kBadDeviceId;

    const Entry& entry = m_devices[deviceId];
    if (entry.backend->SlowToOpen()) {
        {
            std::lock_guard lock(m_mutex);
            m_bOpening = true;
            m_bCancelled = false;
        }
        try {
            m_opener = std::thread(&Output::OpenAside, this, entry.backend, entry.index, m_program);
            return kOpening;
        } catch (const std::system_error&) {
            // No thread to spare: the open waits here instead.
            std::lock_guard lock(m_mutex);
            m_bOpening = false;
        }
    }
    std::unique_ptr<Device> device;
    const std::uint32_t result = entry.backend->Open(entry.index, m_clock, device);
    if (result != kOk)
        return result;
    m_device = std::move(device);
    // A new device starts on program 0; the callers do not repeat their program.
    if (m_program)
        m_device->ProgramChange(*m_program);
    return kOk;
}

void Output::OpenAside(Backend* backend, std::size_t index, std::optional<std::uint8_t> program)
{
    std::unique_ptr<Device> device;
    Opened opened;
    opened.open = backend->Open(index, m_clock, device);
    if (opened.open != kOk)
        device.reset();
    else if (program)
        device->ProgramChange(*program);

    std::unique_lock lock(m_mutex);
    const bool cancelled = m_bCancelled;
    if (device && !cancelled) {
        // The instrument last chosen is the one the held notes are heard on.
        for (const Held& call : m_held)
            if (call.program)
                opened.program = device->ProgramChange(*call.program) ? kOk : kNotReady;
        // The first note held sounds now, the others as long after it as
        // they were asked for after it.
        std::vector<NoteCall> notes;
        std::optional<Clock::TimePoint> first;
        for (const Held& call : m_held) {
            if (call.program)
                continue;
            if (!first)
                first = call.at;
            const auto later = std::chrono::duration_cast<std::chrono::milliseconds>(call.at - *first);
            notes.push_back({call.note, call.velocity, std::chrono::milliseconds(call.delayMs) + later,
                             std::chrono::milliseconds(call.durationMs)});
        }
        if (!notes.empty())
            device->PlayNotes(notes);
        m_device = std::move(device);
    }
    m_held.clear();
    m_bOpening = false;
    lock.unlock();
    // A closed open: its device goes, and nobody waits for its result.
    device.reset();
    if (cancelled)
        return;
    std::lock_guard handlerLock(m_handlerMutex);
    if (m_onOpened)
        m_onOpened(opened);
}

std::uint32_t Output::Close()
{
    if (m_opener.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_bCancelled = true;
        }
        m_opener.join();
    }
    m_device.reset();
    return kOk;
}

std::uint32_t Output::ProgramChange(std::uint32_t program)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_bOpening) {
            if (program > 127)
                return kInvalidParam;
            m_program = static_cast<std::uint8_t>(program);
            m_held.push_back({m_clock.Now(), m_program});
            return kOk;
        }
    }
    // From here on the opening thread, if any, is done with the device.
    if (!m_device) {
        // Kept for the next open, so a device chosen after a failed start-up
        // still gets the instrument.
        if (program <= 127)
            m_program = static_cast<std::uint8_t>(program);
        return kInvalidHandle;
    }
    if (program > 127)
        return kInvalidParam;
    m_program = static_cast<std::uint8_t>(program);
    return m_device->ProgramChange(*m_program) ? kOk : kNotReady;
}

std::uint32_t Output::PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                               std::int32_t durationMs)
{
    delayMs = std::max(delayMs, 0);
    durationMs = std::max(durationMs, 1);
    {
        std::lock_guard lock(m_mutex);
        if (m_bOpening) {
            if (note > 127 || velocity > 127)
                return kInvalidParam;
            m_held.push_back({m_clock.Now(), std::nullopt, static_cast<std::uint8_t>(note),
                              static_cast<std::uint8_t>(velocity), delayMs, durationMs});
            return kOk;
        }
    }
    if (!m_device)
        return kInvalidHandle;
    if (note > 127 || velocity > 127)
        return kInvalidParam;
    m_device->PlayNote(static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity),
                       std::chrono::milliseconds(delayMs), std::chrono::milliseconds(durationMs));
    return kOk;
}

std::uint32_t Output::GetNumDevs()
{
    TakeSnapshot();
    return static_cast<std::uint32_t>(m_devices.size());
}

std::uint32_t Output::GetDevCaps(std::uint32_t deviceId, MidiOutCaps& caps)
{
    if (!m_bSnapshotTaken)
        TakeSnapshot();
    if (deviceId >= m_devices.size()) {
        caps = {};
        return kBadDeviceId;
    }
    caps = m_devices[deviceId].caps;
    return kOk;
}

void Output::SetOpenedHandler(OpenedHandler handler)
{
    std::lock_guard lock(m_handlerMutex);
    m_onOpened = std::move(handler);
}

void Output::WaitIdle()
{
    if (m_opener.joinable())
        m_opener.join();
    if (m_device)
        m_device->WaitIdle();
}

void Output::TakeSnapshot()
{
    m_devices.clear();
    for (const auto& backend : m_backends) {
        std::vector<MidiOutCaps> list = backend->ListDevices();
        for (std::size_t i = 0; i < list.size(); ++i)
            m_devices.push_back({backend.get(), i, std::move(list[i])});
    }
    m_bSnapshotTaken = true;
}

}  // namespace kvmidi
