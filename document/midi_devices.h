#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/ports.h"

namespace document {

// The MIDI output devices as the library lists them; a device whose query
// fails is left out.
struct MidiDevice {
    std::uint32_t id;
    kvmidi::MidiOutCaps caps;
};
std::vector<MidiDevice> ListMidiDevices(ports::MidiPort& midi);
// The id of the last device with exactly this name.
std::optional<std::uint32_t> LastDeviceNamed(const std::vector<MidiDevice>& devices, const std::string& name);

}  // namespace document
