#pragma once
#include <array>
#include <string>

#include "dialogs/pad_attributes/pad_attributes_logic.h"
#include "document/pad_attributes_port.h"
#include "platform/template_dialog.h"

namespace dialogs {

// Edits one Scratch Pad chord: its frets on a small diagram, the base fret,
// the spelling of its black-key notes, its two title lines, the pad's page
// title, and a finger number and an X mark for each string.
class PadAttributesDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit PadAttributesDialog(const ports::PadAttributesPreset& preset, QWidget* parent = nullptr);

    // The values as OK leaves them.
    ports::PadChordAttributes Values() const;

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;
    void OnOK() override;
    void PaintTemplate(QPainter& painter, const QSize& area) override;

private:
    void OnChangeBaseFret();
    void OnRadio(int s, int position);
    void ToggleStringAccidental(int s);
    void EnableOpenRow(bool enable);
    void ExchangeRadios(platform::DataExchange& dx);
    // A string's note label and accidental button, as its fret and the spelling say.
    void ShowString(int s);

    PadChordEdit m_chord;
    int m_nBaseFret = 0;  // as typed; the chord's own follows every valid change
    std::string m_strUpperLine;
    std::string m_strLowerLine;
    int m_nShowChordTitle = 0;
    int m_nShowPageTitle = 0;
    std::string m_strPageTitle;
    std::array<int, 6> m_anFinger{};  // string 1 first
    std::array<int, 6> m_anXMark{};
    bool m_bInitialised = false;
};

// The view's way to the dialog.
class PadAttributesDialogs : public ports::PadAttributesDialogPort {
public:
    explicit PadAttributesDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    ports::PadAttributesResult RunPadChordAttributes(const ports::PadAttributesPreset& preset) override;

private:
    QWidget* m_parent;
};

}  // namespace dialogs
