#pragma once
#include "document/size_language_dialog_port.h"
#include "platform/template_dialog.h"

class QWidget;

namespace dialogs {

// How many chord diagrams stand in a row.
class SizeDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit SizeDialog(QWidget* parent = nullptr);

    int m_nChordsPerRow = -1;  // radio index: a display size's index, -1 none

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

// English or German note names.
class LanguageDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit LanguageDialog(QWidget* parent = nullptr);

    int m_bGerman = 0;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

// The two dialogs, run modally over parent.
class SizeLanguageDialogs : public ports::SizeLanguageDialogPort {
public:
    explicit SizeLanguageDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    ports::SizeDialogResult RunSizeDialog(int chordsPerRow) override;
    ports::LanguageDialogResult RunLanguageDialog(int german) override;

private:
    QWidget* m_parent;
};

}  // namespace dialogs
