#pragma once
#include <QDialog>

class QAbstractButton;

namespace platform {

// A modal dialog whose contents are built once, just before it first runs.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    // Runs the dialog through the dialog runner; QDialog::Accepted on OK.
    int DoModal();

    // Builds the contents unless that has been done.
    void Create();
    bool IsCreated() const { return m_created; }

    // The buttons a user ends the dialog with.
    virtual QAbstractButton* OkButton() const = 0;
    virtual QAbstractButton* CancelButton() const = 0;

protected:
    virtual void OnCreate() = 0;
    // Its frame stays on the screen's available area, as far as it fits.
    void showEvent(QShowEvent* event) override;

private:
    bool m_created = false;
};

}  // namespace platform
