#pragma once
#include <vector>

#include <QWidget>

#include "platform/dialog.h"
#include "platform/template_dialog.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace platform {

class PropertySheet;

// One tab of a PropertySheet, built from its template on first activation.
class PropertyPage : public QWidget, public TemplateHost {
    Q_OBJECT
public:
    explicit PropertyPage(const DialogTemplate& dialog, QWidget* parent = nullptr);

    // Builds the controls, binds them and runs OnInitDialog, once.
    void Create();
    bool IsCreated() const { return m_created; }

    PropertySheet* Sheet() const { return m_sheet; }

    // Marks the page changed, which enables the sheet's Apply button.
    void SetModified(bool modified = true);
    bool IsModified() const { return m_modified; }

    // Data to the controls on every activation but the first.
    virtual bool OnSetActive();
    // Validates the page when it is left or the sheet closes with OK.
    virtual bool OnKillActive();
    virtual void OnOK() {}
    virtual void OnCancel() {}
    // OK and Apply: OnOK.
    virtual bool OnApply();

protected:
    virtual bool OnInitDialog();

private:
    friend class PropertySheet;
    PropertySheet* m_sheet = nullptr;
    bool m_created = false;
    bool m_firstSetActive = true;
    bool m_modified = false;
};

// A modal tabbed dialog with OK, Cancel and (unless noApplyNow) Apply.
// OK, Apply and Cancel reach only the pages that have been built.
class PropertySheet : public Dialog {
    Q_OBJECT
public:
    PropertySheet(const QString& caption, int startPage = 0, bool noApplyNow = false, QWidget* parent = nullptr);

    // The sheet owns the pages.
    void AddPage(PropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* GetPage(int index) const;
    int GetActiveIndex() const;
    PropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
    // Switches as a click on the tab does: the page left must validate.
    bool SetActivePage(int index);

    // The page that was showing when the sheet closed; -1 before that.
    int LastActiveIndex() const { return m_lastActive; }

    QAbstractButton* OkButton() const override;
    QAbstractButton* CancelButton() const override;
    QPushButton* ApplyButton() const { return m_apply; }
    QTabWidget* Tabs() const { return m_tabs; }

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void done(int result) override;

    void PageModified();

protected:
    void OnCreate() override;
    virtual void OnOK();
    virtual void OnCancel();
    // Validates the active page, then applies every built page.
    virtual bool OnApplyNow();

private:
    // A sheet bigger than its screen scrolls each page within the tabs.
    void FitToScreen();
    void Activate(int index);
    void OnTabChanged(int index);

    std::vector<PropertyPage*> m_pages;
    QTabWidget* m_tabs = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QPushButton* m_apply = nullptr;
    int m_startPage;
    bool m_noApplyNow;
    int m_current = -1;
    int m_lastActive = -1;
    bool m_switching = false;
};

}  // namespace platform
