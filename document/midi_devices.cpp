#include "document/midi_devices.h"

namespace document {

std::vector<MidiDevice> ListMidiDevices(ports::MidiPort& midi)
{
    std::vector<MidiDevice> devices;
    const std::uint32_t count = midi.NumDevs();
    for (std::uint32_t id = 0; id < count; ++id) {
        kvmidi::MidiOutCaps caps;
        if (midi.DevCaps(id, caps) == kvmidi::kOk)
            devices.push_back({id, caps});
    }
    return devices;
}

std::optional<std::uint32_t> LastDeviceNamed(const std::vector<MidiDevice>& devices, const std::string& name)
{
    std::optional<std::uint32_t> id;
    for (const MidiDevice& device : devices) {
        if (device.caps.name == name)
            id = device.id;
    }
    return id;
}

}  // namespace document
