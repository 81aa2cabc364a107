#include "dialogs/search/chord_directory_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "dialogs/search/chord_directory_logic.h"
#include "dialogs/search/search_templates.h"
#include "engine/chord_types.h"
#include "platform/list_boxes.h"
#include "platform/qt_text.h"

namespace dialogs {

ChordDirectoryDialog::ChordDirectoryDialog(QWidget* parent) : TemplateDialog(kChordDirectoryTemplate, parent) {}

void ChordDirectoryDialog::BindControls()
{
    m_list = Control<QListWidget>(id::kChordList);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    connect(Control<QPushButton>(id::kRootUp), &QPushButton::clicked, this, &ChordDirectoryDialog::OnUp);
    connect(Control<QPushButton>(id::kRootDown), &QPushButton::clicked, this, &ChordDirectoryDialog::OnDown);
    connect(Control<QCheckBox>(id::kShortNames), &QCheckBox::clicked, this, &ChordDirectoryDialog::OnShortNames);
    // On the dialog, so the keys work while the list has the focus too.
    auto* up = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    auto* down = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(up, &QShortcut::activated, this, &ChordDirectoryDialog::OnUp);
    connect(down, &QShortcut::activated, this, &ChordDirectoryDialog::OnDown);
}

bool ChordDirectoryDialog::OnInitDialog()
{
    FillChordList();
    TemplateDialog::OnInitDialog();
    m_list->setFocus();
    return true;
}

void ChordDirectoryDialog::DoDataExchange(platform::DataExchange& dx)
{
    dx.ListIndex(id::kChordList, chosenType);
    dx.Text(id::kRootPage, rootPage);
    dx.MinMaxInt(rootPage, 1, 2048);
    dx.Check(id::kShortNames, shortNames);
}

void ChordDirectoryDialog::OnOK()
{
    chosenType = m_list->selectedItems().isEmpty() ? -1 : m_list->currentRow();
    TemplateDialog::OnOK();
}

void ChordDirectoryDialog::OnUp()
{
    rootPage = RootUp(rootPage);
    FillChordList();
}

void ChordDirectoryDialog::OnDown()
{
    rootPage = RootDown(rootPage);
    FillChordList();
}

void ChordDirectoryDialog::OnShortNames()
{
    shortNames = shortNames ? 0 : 1;
    FillChordList();
}

void ChordDirectoryDialog::FillChordList()
{
    // The type the user picked stays highlighted on the new page.
    if (!m_list->selectedItems().isEmpty())
        chosenType = m_list->currentRow();
    const std::vector<std::string> lines = dialogs::FillChordList(rootPage, shortNames != 0);
    m_list->clear();
    for (const std::string& line : lines)
        m_list->addItem(platform::ToQString(line));
    if (chosenType >= 0 && chosenType < kChordTypeCount)
        platform::SetCurSel(*m_list, chosenType);
    platform::SetControlText(Control(id::kRootPage), QString::number(rootPage));
}

}  // namespace dialogs
