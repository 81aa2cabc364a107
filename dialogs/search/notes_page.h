#pragma once
#include <QString>

#include "dialogs/common/note_box_logic.h"
#include "engine/udir.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The search sheet's Notes page: up to six notes ticked by name.
class NotesPage : public platform::PropertyPage {
    Q_OBJECT
public:
    explicit NotesPage(UserDirList& userDir, QWidget* parent = nullptr);

    // Preset before the sheet runs; read after OK.
    bool deutsch = false;
    PitchClassMask initialMask = 0;
    notes::NoteChecks checks{};
    int clearPrevious = 1;

    PitchClassMask CurrentMask() const { return m_logic.Mask(); }

    bool OnSetActive() override;
    void OnOK() override { UpdateData(true); }

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnNote(int index);
    void OnClear();
    void OnAdd();
    void ShowEnabled();
    void UpdateButtons();
    void UpdateCaption(bool lookUp);

    UserDirList& m_userDir;
    NoteBoxLogic m_logic{NoteBoxLogic::Rules::SearchSheet};
    QString m_hidden;  // bound to the hidden edit, used by nothing
};

}  // namespace dialogs
