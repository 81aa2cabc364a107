#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kvmidi/device.h"

namespace kvmidi {

// ALSA names a port "client:port 14:0"; the numbers change between runs, so
// the stored device name must not contain them.
std::string StripClientPort(const std::string& portName);

// Where the port listed as `name` at place `listed` is among the ports
// present now (names stripped): the listed place if it still has that name,
// else the first that has it; nothing when the port is gone.
std::optional<std::size_t> FindListedPort(const std::vector<std::string>& present, const std::string& name,
                                          std::size_t listed);

// The ALSA sequencer's output ports. Without a sequencer (no device file)
// there are simply no ports.
class RtMidiBackend : public Backend {
public:
    explicit RtMidiBackend(std::string sequencerDevice = "/dev/snd/seq");

    std::vector<MidiOutCaps> ListDevices() override;
    std::uint32_t Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device) override;

private:
    std::string m_sequencerDevice;
    std::vector<std::string> m_names;
};

}  // namespace kvmidi
