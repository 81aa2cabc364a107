#pragma once
#include <QString>

class QDialog;
class QWidget;

namespace platform {

class Dialog;

inline constexpr const char* kAppCaption = "Tonalith";

// Exclamation shows Qt's warning icon.
enum class MessageIcon { None, Exclamation };

// Runs modal dialogs and message boxes. The program executes them; tests
// install a scripted runner that drives the built dialog and presses its
// buttons through the real code.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;
    // Builds the dialog when needed, runs it, and returns its result code.
    virtual int RunModal(Dialog& dialog) = 0;
    // Qt's ready-made dialogs (file, print, page setup), which have no
    // buttons of ours to press.
    virtual int RunStandardDialog(QDialog& dialog) = 0;
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) = 0;
};

// QDialog::exec and QMessageBox.
class ExecDialogRunner : public IDialogRunner {
public:
    int RunModal(Dialog& dialog) override;
    int RunStandardDialog(QDialog& dialog) override;
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon) override;
};

// The runner in force: an ExecDialogRunner unless a ScopedDialogRunner lives.
IDialogRunner& dialogRunner();

class ScopedDialogRunner {
public:
    explicit ScopedDialogRunner(IDialogRunner& runner);
    ~ScopedDialogRunner();
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;

private:
    IDialogRunner* m_previous;
};

// A message box with an OK button over the active dialog.
void MessageBox(const QString& text, MessageIcon icon = MessageIcon::None,
                const QString& caption = QString::fromLatin1(kAppCaption));

}  // namespace platform
