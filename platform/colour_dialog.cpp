#include "platform/colour_dialog.h"

#include <QColorDialog>

#include "platform/dialog_runner.h"
#include "platform/qt_colour.h"

namespace platform {

std::optional<Colour> ChooseColour(Colour initial, QWidget* parent)
{
    QColorDialog dialog(toQColor(initial), parent);
    if (dialogRunner().RunStandardDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.currentColor());
}

}  // namespace platform
