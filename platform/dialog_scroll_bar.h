#pragma once
#include <QScrollBar>

namespace platform {

// A dialog's scroll bar control. Focused, it shows the style's focus frame,
// as the dialog's other controls do, so a keyboard user sees which bar the
// arrow keys move; the styles draw none on a scroll bar of their own.
class DialogScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit DialogScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
