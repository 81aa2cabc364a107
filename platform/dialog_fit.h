#pragma once
#include <QMargins>
#include <QScrollArea>
#include <QSize>

class QWidget;

// Dialogs are laid out in dialog units from their fonts, so at a large
// display scale they can outgrow a small screen; these keep them on it.
namespace platform {

// The room a top-level window has on its screen (its parent's before it is
// shown): the screen's available area less the window frame.
QSize ClientRoom(const QWidget& window);

// Moves a shown window so that its frame lies within its screen's available
// area, as far as it fits.
void KeepOnScreen(QWidget& window);

// The contents of a dialog too big for its screen, scrolled. Frameless, it
// asks for the size it is given and keeps the focused control in view.
class FitScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit FitScrollArea(QWidget* parent = nullptr);

    void SetHint(const QSize& hint);
    QSize sizeHint() const override { return m_hint; }
    QSize minimumSizeHint() const override { return m_hint; }

private:
    void OnFocusChanged(QWidget* now);

    QSize m_hint;
};

// The area to give contents of natural size in room when they must scroll:
// as much of them as fits, with a scroll bar's width added for each
// direction that scrolls.
QSize ScrolledArea(const QSize& natural, const QSize& room, int scrollBarExtent);

}  // namespace platform
