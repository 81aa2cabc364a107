#pragma once
#include "platform/template_dialog.h"

class QListWidget;

namespace dialogs {

// The Chord Directory: the 37 chord types spelled for one root at a time.
class ChordDirectoryDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit ChordDirectoryDialog(QWidget* parent = nullptr);

    int chosenType = -1;  // 0..36, -1 none
    int rootPage = 0;     // the root as one pitch-class bit
    int shortNames = 0;

    void OnUp();
    void OnDown();

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnShortNames();
    void FillChordList();

    QListWidget* m_list = nullptr;
};

}  // namespace dialogs
