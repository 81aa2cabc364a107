#pragma once
#include <cstdint>
#include <vector>

#include "document/midi_devices.h"
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace ports {
class MidiPort;
}

namespace dialogs {

// The Options sheet's MIDI Out page: the output device by name, and what the
// device reports about itself.
class MidiOutPage : public platform::PropertyPage {
    Q_OBJECT
public:
    // values is the sheet's copy, read after OK or Apply Now; midi may be null.
    MidiOutPage(ports::MidiOutOptions& values, ports::MidiPort* midi, QWidget* parent = nullptr);

    // The device whose capabilities are shown.
    std::uint32_t ShownDevice() const { return m_nDevice; }

protected:
    void BindControls() override;
    bool OnInitDialog() override;

private:
    void ShowDeviceCaps();
    void OnSelchangeOutputDevice(int index);

    ports::MidiOutOptions& m_values;
    ports::MidiPort* m_midi;
    std::vector<document::MidiDevice> m_devices;  // as the box lists them
    std::uint32_t m_nDevice = 0;
};

}  // namespace dialogs
