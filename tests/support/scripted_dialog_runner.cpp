#include "tests/support/scripted_dialog_runner.h"

#include <QAbstractButton>

#include "platform/dialog.h"
#include "platform/template_builder.h"

namespace platform {

int ScriptedDialogRunner::RunModal(Dialog& dialog)
{
    ++dialogsRun;
    dialog.setResult(QDialog::Rejected);
    dialog.Create();
    m_running.push_back(&dialog);
    dialog.show();
    const bool scripted = !m_scripts.empty();
    if (scripted) {
        Script script = std::move(m_scripts.front());
        m_scripts.pop_front();
        script(dialog);
    } else {
        ++unexpectedDialogs;
    }
    if (dialog.isVisible()) {
        if (scripted)
            ++dialogsLeftOpen;
        dialog.reject();
        dialog.hide();
    }
    m_running.pop_back();
    return dialog.result();
}

int ScriptedDialogRunner::RunStandardDialog(QDialog& dialog)
{
    standardDialogs.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    return onStandardDialog ? onStandardDialog(dialog) : standardAnswer;
}

void ScriptedDialogRunner::ShowMessage(QWidget*, const QString& caption, const QString& text, MessageIcon icon)
{
    messages.push_back({caption, text, icon, Current()});
    if (onMessage)
        onMessage(messages.back());
}

void PressOk(Dialog& dialog)
{
    if (QAbstractButton* ok = dialog.OkButton())
        ok->click();
}

void PressCancel(Dialog& dialog)
{
    if (QAbstractButton* cancel = dialog.CancelButton())
        cancel->click();
}

void ClickControl(QWidget& host, int id)
{
    if (auto* button = Control<QAbstractButton>(host, id))
        button->click();
}

}  // namespace platform
