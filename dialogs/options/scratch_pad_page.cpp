#include "dialogs/options/scratch_pad_page.h"

#include <QCheckBox>
#include <QRadioButton>

#include "dialogs/options/options_templates.h"

namespace dialogs {

ScratchPadPage::ScratchPadPage(ports::ScratchPadOptions& values, QWidget* parent)
    : PropertyPage(kScratchPadOptionsTemplate, parent), m_values(values)
{
}

void ScratchPadPage::BindControls()
{
    for (int control : {id::kDefaultChordTitles, id::kShowPageTitle, id::kTitleAtBottom})
        connect(Control<QCheckBox>(control), &QCheckBox::clicked, this, [this] { SetModified(true); });
    for (int control : {id::kAllTitlesDisplay, id::kAllTitlesHide})
        connect(Control<QRadioButton>(control), &QRadioButton::clicked, this, [this] { SetModified(true); });
    connect(Control<QCheckBox>(id::kSetAllChordTitles), &QCheckBox::clicked, this, [this] { OnSetAllChordTitles(); });
}

void ScratchPadPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Check(id::kDefaultChordTitles, m_values.defaultChordTitles);
    dx.Check(id::kShowPageTitle, m_values.showPageTitle);
    dx.Check(id::kSetAllChordTitles, m_values.setAllChordTitles);
    dx.Radio(id::kAllTitlesDisplay, m_values.allTitlesChoice);
    dx.Check(id::kTitleAtBottom, m_values.titleAtBottom);
}

bool ScratchPadPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    const bool chords = m_values.padCount != 0;
    EnableControl(id::kSetAllChordTitles, chords);
    const bool choice = chords && Control<QCheckBox>(id::kSetAllChordTitles)->isChecked();
    EnableControl(id::kAllTitlesDisplay, choice);
    EnableControl(id::kAllTitlesHide, choice);
    return true;
}

void ScratchPadPage::OnSetAllChordTitles()
{
    m_values.setAllChordTitles = Control<QCheckBox>(id::kSetAllChordTitles)->isChecked() ? 1 : 0;
    EnableControl(id::kAllTitlesDisplay, m_values.setAllChordTitles != 0);
    EnableControl(id::kAllTitlesHide, m_values.setAllChordTitles != 0);
    SetModified(true);
}

}  // namespace dialogs
