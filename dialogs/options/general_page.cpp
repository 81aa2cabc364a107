#include "dialogs/options/general_page.h"

#include <QCheckBox>

#include "dialogs/options/options_templates.h"
#include "platform/up_down.h"

namespace dialogs {

GeneralPage::GeneralPage(ports::GeneralOptions& values, QWidget* parent)
    : PropertyPage(kGeneralTemplate, parent), m_values(values)
{
}

void GeneralPage::BindControls()
{
    connect(Control<QCheckBox>(id::kReducedSpan), &QCheckBox::clicked, this, [this](bool checked) {
        m_values.reducedSpan = checked ? 1 : 0;
        SetModified(true);
    });
    connect(Control<QCheckBox>(id::kIncludeHistory), &QCheckBox::clicked, this, [this] { OnIncludeHistory(); });
    // Each arrow step marks the page; typing a size does not.
    connect(Control<platform::UpDown>(id::kHistorySizeSpin), &platform::UpDown::stepped, this,
            [this] { SetModified(true); });
}

void GeneralPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Check(id::kReducedSpan, m_values.reducedSpan);
    // Checked even while the history is off.
    dx.Text(id::kHistorySize, m_values.historySize);
    dx.MinMaxInt(m_values.historySize, kMinHistorySize, kMaxHistorySize);
    dx.Check(id::kIncludeHistory, m_values.includeHistory);
}

bool GeneralPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    EnableHistorySize(m_values.includeHistory != 0);
    Control<platform::UpDown>(id::kHistorySizeSpin)->setRange(kMinHistorySize, kMaxHistorySize);
    return true;
}

void GeneralPage::OnIncludeHistory()
{
    m_values.includeHistory = Control<QCheckBox>(id::kIncludeHistory)->isChecked() ? 1 : 0;
    EnableHistorySize(m_values.includeHistory != 0);
    SetModified(true);
}

void GeneralPage::EnableHistorySize(bool enable)
{
    EnableControl(id::kHistorySize, enable);
    EnableControl(id::kHistorySizeSpin, enable);
}

}  // namespace dialogs
