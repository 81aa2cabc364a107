#include "kvmidi/rtmidi_backend.h"

#include <RtMidi.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <optional>

#include "kvmidi/quiet.h"
#include "kvmidi/scheduler.h"

namespace kvmidi {

namespace {

constexpr const char* kClientName = "Tonalith";

void NoteFailure(RtMidiError::Type, const std::string&, void* failed)
{
    static_cast<std::atomic<bool>*>(failed)->store(true);
}

// A client on the ALSA sequencer whose errors set `failed` instead of throwing.
std::unique_ptr<RtMidiOut> NewClient(const std::string& sequencerDevice, std::atomic<bool>& failed)
{
    std::error_code error;
    if (!std::filesystem::exists(sequencerDevice, error))
        return nullptr;
    detail::SilencedCerr silenced;
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
        out->setErrorCallback(&NoteFailure, &failed);
        return out;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

class RtMidiSink : public MidiSink {
public:
    explicit RtMidiSink(std::unique_ptr<RtMidiOut> out) : m_out(std::move(out))
    {
        m_out->setErrorCallback(&NoteFailure, &m_failed);
    }

    void NoteOn(std::uint8_t note, std::uint8_t velocity) override { Send({0x90, note, velocity}, 3); }
    void NoteOff(std::uint8_t note) override { Send({0x80, note, 0}, 3); }
    bool Program(std::uint8_t program) override { return Send({0xC0, program, 0}, 2); }
    void AllNotesOff() override { Send({0xB0, 123, 0}, 3); }

private:
    bool Send(std::array<unsigned char, 3> message, std::size_t size)
    {
        m_failed = false;
        try {
            m_out->sendMessage(message.data(), size);
        } catch (const RtMidiError&) {
            return false;
        }
        return !m_failed;
    }

    std::atomic<bool> m_failed{false};
    std::unique_ptr<RtMidiOut> m_out;
};

}  // namespace

std::string StripClientPort(const std::string& portName)
{
    const std::size_t space = portName.find_last_of(' ');
    if (space == std::string::npos)
        return portName;
    const std::string tail = portName.substr(space + 1);
    const std::size_t colon = tail.find(':');
    auto digits = [](const std::string& s) {
        if (s.empty())
            return false;
        for (unsigned char c : s)
            if (!std::isdigit(c))
                return false;
        return true;
    };
    if (colon == std::string::npos || !digits(tail.substr(0, colon)) || !digits(tail.substr(colon + 1)))
        return portName;
    return portName.substr(0, space);
}

std::optional<std::size_t> FindListedPort(const std::vector<std::string>& present, const std::string& name,
                                          std::size_t listed)
{
    if (listed < present.size() && present[listed] == name)
        return listed;
    const auto found = std::find(present.begin(), present.end(), name);
    if (found == present.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - present.begin());
}

RtMidiBackend::RtMidiBackend(std::string sequencerDevice) : m_sequencerDevice(std::move(sequencerDevice))
{
    detail::QuietLibraryLogs();
}

std::vector<MidiOutCaps> RtMidiBackend::ListDevices()
{
    m_names.clear();
    std::atomic<bool> failed{false};
    if (std::unique_ptr<RtMidiOut> out = NewClient(m_sequencerDevice, failed)) {
        detail::SilencedCerr silenced;
        try {
            const unsigned int count = out->getPortCount();
            for (unsigned int i = 0; i < count; ++i)
                m_names.push_back(StripClientPort(out->getPortName(i)));
        } catch (const RtMidiError&) {
            m_names.clear();
        }
    }
    return MidiPortCaps(m_names);
}

std::uint32_t RtMidiBackend::Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device)
{
    // Checked first: a sequencer gone since the list was taken takes the list with it.
    std::atomic<bool> failed{false};
    std::unique_ptr<RtMidiOut> out = NewClient(m_sequencerDevice, failed);
    if (!out)
        return kPortNotOpened;
    if (index >= m_names.size())
        return kBadDeviceId;

    detail::SilencedCerr silenced;
    try {
        // The ports may have changed since the list was taken.
        std::vector<std::string> present;
        const unsigned int count = out->getPortCount();
        for (unsigned int i = 0; i < count; ++i)
            present.push_back(StripClientPort(out->getPortName(i)));
        const std::optional<std::size_t> port = FindListedPort(present, m_names[index], index);
        if (!port)
            return kPortNotOpened;
        out->openPort(static_cast<unsigned int>(*port), kClientName);
        if (failed || !out->isPortOpen())
            return kPortNotOpened;
    } catch (const RtMidiError&) {
        return kPortNotOpened;
    }
    device = std::make_unique<ScheduledDevice>(std::make_unique<RtMidiSink>(std::move(out)), clock);
    return kOk;
}

}  // namespace kvmidi
