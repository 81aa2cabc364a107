#include "platform/dialog_runner.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/dialog.h"
#include "platform/dialog_fit.h"

namespace platform {

namespace {

IDialogRunner* g_runner = nullptr;

ExecDialogRunner& DefaultRunner()
{
    static ExecDialogRunner runner;
    return runner;
}

}  // namespace

int ExecDialogRunner::RunModal(Dialog& dialog)
{
    dialog.Create();
    return dialog.exec();
}

int ExecDialogRunner::RunStandardDialog(QDialog& dialog)
{
    return dialog.exec();
}

void ExecDialogRunner::ShowMessage(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

IDialogRunner& dialogRunner()
{
    return g_runner ? *g_runner : DefaultRunner();
}

ScopedDialogRunner::ScopedDialogRunner(IDialogRunner& runner) : m_previous(g_runner)
{
    g_runner = &runner;
}

ScopedDialogRunner::~ScopedDialogRunner()
{
    g_runner = m_previous;
}

void MessageBox(const QString& text, MessageIcon icon, const QString& caption)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    dialogRunner().ShowMessage(parent, caption, text, icon);
}

Dialog::Dialog(QWidget* parent) : QDialog(parent) {}

int Dialog::DoModal()
{
    return dialogRunner().RunModal(*this);
}

void Dialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    KeepOnScreen(*this);
}

void Dialog::Create()
{
    if (m_created)
        return;
    m_created = true;
    OnCreate();
}

}  // namespace platform
