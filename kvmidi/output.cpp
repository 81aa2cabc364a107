#include "kvmidi/output.h"

#include <algorithm>
#include <chrono>

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

std::uint32_t Output::Close()
{
    m_device.reset();
    return kOk;
}

std::uint32_t Output::ProgramChange(std::uint32_t program)
{
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
    if (!m_device)
        return kInvalidHandle;
    if (note > 127 || velocity > 127)
        return kInvalidParam;
    m_device->PlayNote(static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity),
                       std::chrono::milliseconds(std::max(delayMs, 0)),
                       std::chrono::milliseconds(std::max(durationMs, 1)));
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

void Output::WaitIdle()
{
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
