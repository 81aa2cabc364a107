#pragma once
#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/template_builder.h"

class QPainter;

namespace platform {

// What dialogs and property pages share: controls built from a template,
// looked up by id, and data exchange with the members.
class TemplateHost {
public:
    TemplateHost(QWidget& self, const DialogTemplate& dialog) : m_self(self), m_template(dialog) {}
    virtual ~TemplateHost() = default;

    // Saving validates; false when a value was refused.
    bool UpdateData(bool saveAndValidate);

    QWidget* Control(int id) const { return FindControl(m_self, id); }
    template <class T>
    T* Control(int id) const
    {
        return platform::Control<T>(m_self, id);
    }
    void EnableControl(int id, bool enable) const;
    void ShowControl(int id, bool show) const;

    const DialogTemplate& Template() const { return m_template; }

protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Makes the template's Custom controls.
    virtual QWidget* CreateCustomControl(const ControlTemplate&, QWidget*) { return nullptr; }
    // Connects the controls' signals; runs before OnInitDialog.
    virtual void BindControls() {}

    void BuildControls();

private:
    QWidget& m_self;
    const DialogTemplate& m_template;
};

// A modal dialog from a template. OK (id 1) and Cancel (id 2) run OnOK and
// OnCancel; Esc and the close box cancel.
class TemplateDialog : public Dialog, public TemplateHost {
    Q_OBJECT
public:
    explicit TemplateDialog(const DialogTemplate& dialog, QWidget* parent = nullptr);

    QAbstractButton* OkButton() const override;
    QAbstractButton* CancelButton() const override;

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

protected:
    void OnCreate() override;
    void paintEvent(QPaintEvent* event) override;
    // Draws beneath the controls, on the template's area of the given size.
    virtual void PaintTemplate(QPainter&, const QSize&) {}
    // Data to the controls; runs once, after BindControls.
    virtual bool OnInitDialog();
    // Data back and validated; the dialog ends only when that succeeds.
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result) { done(result); }

private:
    // A dialog bigger than its screen scrolls its controls, OK and Cancel
    // in a row below them.
    void FitToScreen();

    QWidget* m_contents = nullptr;
};

}  // namespace platform
