#pragma once
#include <functional>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include "platform/dialog_template.h"

class QButtonGroup;
class QWidget;

namespace platform {

// A template font's average character width and height in pixels: four
// horizontal and eight vertical dialog units.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

class TemplateBuilder {
public:
    // Makes a Custom control of the template; null gives an empty widget.
    using CustomFactory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

    // The template's font as the system substitutes it.
    static QFont TemplateFont(const DialogTemplate& dialog);
    static BaseUnits BaseUnitsOf(const QFont& font);
    // Maps the edges, so neighbouring controls share their pixel edges.
    static QRect ToPixels(const BaseUnits& units, int x, int y, int w, int h);
    // The template's client size in pixels, in its own font.
    static QSize DialogSize(const DialogTemplate& dialog);

    // Creates every control of the template as a direct child of host, in
    // template order, with the id as objectName; host takes the template font.
    static void Build(QWidget& host, const DialogTemplate& dialog, const CustomFactory& custom = {});
};

// The control with this id among host's direct children, or among those of
// the contents widget host keeps its controls in, or null.
QWidget* FindControl(const QWidget& host, int id);
// Host's controls have moved into contents (a dialog too big for its screen
// scrolls them); FindControl finds them there.
void SetTemplateContents(QWidget& host, QWidget& contents);

template <class T>
T* Control(const QWidget& host, int id)
{
    return dynamic_cast<T*>(FindControl(host, id));
}

// The radio group that starts with the radio button firstId.
QButtonGroup* RadioGroup(const QWidget& host, int firstId);

// Window text of any control kind that has one (labels, edits, buttons,
// group boxes); what SetWindowText and GetWindowText do.
QString ControlText(const QWidget* control);
void SetControlText(QWidget* control, const QString& text);

}  // namespace platform
