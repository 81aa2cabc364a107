#include "dialogs/options/display_page.h"

#include <QCheckBox>

#include "dialogs/options/options_templates.h"

namespace dialogs {

DisplayPage::DisplayPage(ports::DisplayOptions& values, QWidget* parent)
    : PropertyPage(kDisplayTemplate, parent), m_values(values)
{
}

void DisplayPage::BindControls()
{
    for (int control : {id::kNotesOnFrets, id::kNotesColour})
        connect(Control<QCheckBox>(control), &QCheckBox::clicked, this, [this] { SetModified(true); });
}

void DisplayPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Check(id::kNotesOnFrets, m_values.notesOnFrets);
    dx.Check(id::kNotesColour, m_values.notesColour);
}

}  // namespace dialogs
