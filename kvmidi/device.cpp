#include "kvmidi/device.h"

namespace kvmidi {

std::vector<MidiOutCaps> MidiPortCaps(const std::vector<std::string>& names)
{
    std::vector<MidiOutCaps> list;
    for (const std::string& name : names) {
        MidiOutCaps caps;
        caps.name = name;
        caps.technology = kMidiPort;
        list.push_back(caps);
    }
    return list;
}

}  // namespace kvmidi
