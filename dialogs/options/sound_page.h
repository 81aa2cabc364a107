#pragma once
#include "dialogs/options/sound_logic.h"
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

class QScrollBar;

namespace ports {
class MidiPort;
}

namespace dialogs {

// The Options sheet's Sound page: instrument, velocity, duration and the
// delay between strings, and a test chord played at once.
class SoundPage : public platform::PropertyPage {
    Q_OBJECT
public:
    // values is the sheet's copy, read after OK or Apply Now; midi may be null.
    SoundPage(ports::SoundOptions& values, ports::MidiPort* midi, QWidget* parent = nullptr);

    // OK and Apply Now: the output is left playing the instrument applied.
    void OnOK() override;
    // The output goes back to the instrument the page started with.
    void OnCancel() override;

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnHScroll(sound::Bar bar, int action);
    void OnDefault();
    void OnSelchangeInstrument(int index);
    void OnTest();
    void ShowBar(sound::Bar bar);
    int& ValueOf(sound::Bar bar);
    QScrollBar* BarOf(sound::Bar bar) const;
    void SendProgram(std::optional<std::uint8_t> program) const;

    ports::SoundOptions& m_values;
    ports::MidiPort* m_midi;
    sound::ProgramMemory m_program;
};

}  // namespace dialogs
