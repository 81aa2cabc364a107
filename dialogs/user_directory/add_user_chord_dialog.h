#pragma once
#include <QString>

#include "dialogs/common/note_box_logic.h"
#include "engine/udir.h"
#include "platform/template_dialog.h"

namespace dialogs {

// Names a chord for the User Directory: a name and up to six notes, which a
// caller may fix or preset.
class AddUserChordDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit AddUserChordDialog(QWidget* parent = nullptr);

    // Set before running.
    bool modifyMode = false;
    int lock = notes::kNotesFree;  // or kNotesFixed, kNotesPreset
    notes::NoteChecks checks{};
    QString name;

    // On OK; name too, without any character a chord name may not hold.
    FlatSpellingFlags resultFlags = 0;
    PitchClassMask resultMask = 0;
    UdirChordValue Value() const { return MakeUdirValue(resultFlags, resultMask); }

    static constexpr int kMaxNameLength = 35;

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnNote(int index);
    void OnClear();
    void ShowEnabled();

    NoteBoxLogic m_logic{NoteBoxLogic::Rules::UserDirectory};
};

// Asks for a name for the notes ticked in checks, which stay fixed, and on OK
// appends the chord to userDir. True when a chord was added.
bool AddFixedNotesToUserDir(UserDirList& userDir, const notes::NoteChecks& checks, QWidget* parent);

}  // namespace dialogs
