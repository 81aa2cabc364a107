#pragma once
#include "dialogs/user_directory/user_directory_logic.h"
#include "platform/template_dialog.h"

class QListWidget;

namespace dialogs {

// The user's chords in a sorted list, with Add, Modify and Delete working on
// the document's list at once; OK hands back the chosen chord.
class UserDirectoryDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit UserDirectoryDialog(UserDirList& userDir, QWidget* parent = nullptr);

    const UserDirectoryModel& Model() const { return m_model; }

    void OnAdd();
    void OnModify();
    void OnDelete();

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSelchangeList();
    void ShowNotes();
    void EnableEditing();
    // The selected line's text; false when no line is selected.
    bool SelectedLine(std::string& line) const;
    // The same, but says "No selection" when there is none.
    bool RequireSelectedLine(std::string& line) const;
    void SelectNewLine(const std::string& name);

    UserDirectoryModel m_model;
    QListWidget* m_list = nullptr;
};

}  // namespace dialogs
