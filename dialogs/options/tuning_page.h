#pragma once
#include "dialogs/options/tuning_logic.h"
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace ports {
class MidiPort;
}

namespace dialogs {

// The Options sheet's Tuning page: each open string stepped by its arrows,
// the regular and the open tunings set by a button, every string heard
// through the MIDI output.
class TuningPage : public platform::PropertyPage {
    Q_OBJECT
public:
    // values is the sheet's copy, read after OK or Apply Now; midi may be null.
    TuningPage(ports::TuningOptions& values, ports::MidiPort* midi, QWidget* parent = nullptr);

    const tuning::TuningState& State() const { return m_state; }

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnVScroll(int stringIndex, bool up);
    void OnSetRegular();
    void OnSetOpen();
    void OnPlayString(int stringIndex);
    void OnSoundOnAdjust(bool checked);
    // Names, label, Open caption and Regular button as the state says.
    void ShowState();
    void SetChanged();
    void Play(std::uint8_t note) const;

    ports::TuningOptions& m_values;
    ports::MidiPort* m_midi;
    tuning::TuningState m_state;
};

}  // namespace dialogs
