#include "platform/template_dialog.h"

#include <QAbstractButton>

namespace platform {

bool TemplateHost::UpdateData(bool saveAndValidate)
{
    DataExchange dx(m_self, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void TemplateHost::EnableControl(int id, bool enable) const
{
    if (QWidget* w = Control(id))
        w->setEnabled(enable);
}

void TemplateHost::ShowControl(int id, bool show) const
{
    if (QWidget* w = Control(id))
        w->setVisible(show);
}

void TemplateHost::BuildControls()
{
    TemplateBuilder::Build(m_self, m_template, [this](const ControlTemplate& c, QWidget* parent) {
        return CreateCustomControl(c, parent);
    });
}

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, QWidget* parent)
    : Dialog(parent), TemplateHost(*this, dialog)
{
    setWindowTitle(QString::fromUtf8(dialog.caption));
}

QAbstractButton* TemplateDialog::OkButton() const
{
    return TemplateHost::Control<QAbstractButton>(kIdOk);
}

QAbstractButton* TemplateDialog::CancelButton() const
{
    return TemplateHost::Control<QAbstractButton>(kIdCancel);
}

void TemplateDialog::OnCreate()
{
    BuildControls();
    setFixedSize(TemplateBuilder::DialogSize(Template()));
    if (QAbstractButton* ok = OkButton())
        connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    if (QAbstractButton* cancel = CancelButton())
        connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    BindControls();
    OnInitDialog();
}

bool TemplateDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void TemplateDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(QDialog::Accepted);
}

void TemplateDialog::OnCancel()
{
    EndDialog(QDialog::Rejected);
}

}  // namespace platform
