#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kvmidi/device.h"

namespace kvmidi {

// ALSA names a port "client:port 14:0"; the numbers change between runs, so
// the stored device name must not contain them.
std::string StripClientPort(const std::string& portName);

// The ALSA sequencer's output ports. Without a sequencer (no /dev/snd/seq)
// there are simply no ports.
class RtMidiBackend : public Backend {
public:
    RtMidiBackend();

    std::vector<MidiOutCaps> ListDevices() override;
    std::uint32_t Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device) override;

private:
    std::vector<std::string> m_names;
};

}  // namespace kvmidi
