#pragma once
#include <deque>
#include <functional>
#include <vector>

#include <QDialog>
#include <QString>

#include "platform/dialog_runner.h"

class QWidget;

namespace platform {

// Runs each dialog with the next queued script: the dialog is built and
// shown (offscreen in tests), the script sets its controls and presses its
// buttons, and whatever the real handlers did decides the result. A dialog
// the script leaves open is cancelled, as the user would close it.
class ScriptedDialogRunner : public IDialogRunner {
public:
    using Script = std::function<void(Dialog&)>;

    struct Message {
        QString caption;
        QString text;
        MessageIcon icon = MessageIcon::None;
        Dialog* over = nullptr;  // the innermost dialog running, or null
    };

    void Expect(Script script) { m_scripts.push_back(std::move(script)); }

    int RunModal(Dialog& dialog) override;
    // Records the dialog's class name and answers at once: through
    // onStandardDialog when set, else with standardAnswer.
    int RunStandardDialog(QDialog& dialog) override;
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) override;

    std::size_t PendingScripts() const { return m_scripts.size(); }
    Dialog* Current() const { return m_running.empty() ? nullptr : m_running.back(); }

    std::vector<Message> messages;
    std::vector<QString> standardDialogs;  // class names, in the order they ran
    int standardAnswer = QDialog::Rejected;
    // Sets a standard dialog's choice (a colour, a file) and returns the answer.
    std::function<int(QDialog&)> onStandardDialog;
    int dialogsRun = 0;
    int unexpectedDialogs = 0;  // run with no script left; cancelled
    int dialogsLeftOpen = 0;    // their script did not end them; cancelled
    // Called for each message box as it opens.
    std::function<void(const Message&)> onMessage;

private:
    std::deque<Script> m_scripts;
    std::vector<Dialog*> m_running;
};

// Clicks, as the user would.
void PressOk(Dialog& dialog);
void PressCancel(Dialog& dialog);
void ClickControl(QWidget& host, int id);

}  // namespace platform
