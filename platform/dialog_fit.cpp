#include "platform/dialog_fit.h"

#include <algorithm>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

namespace {

// Before a window first shows, its frame is not known; until a shown window
// tells, this is taken as a window manager's usual title bar and borders.
constexpr QMargins kGuessedFrame{8, 32, 8, 8};

QMargins FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

bool HasFrame(const QWidget& w)
{
    return w.isWindow() && w.isVisible() && !(w.windowFlags() & Qt::FramelessWindowHint)
           && (w.windowType() == Qt::Window || w.windowType() == Qt::Dialog);
}

QMargins FrameGuess(const QWidget& window)
{
    if (HasFrame(window))
        return FrameOf(window);
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (parent && HasFrame(*parent))
        return FrameOf(*parent);
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &window && HasFrame(*w))
            return FrameOf(*w);
    }
    return kGuessedFrame;
}

QScreen* ScreenOf(const QWidget& window)
{
    if (!window.isVisible() && window.parentWidget())
        return window.parentWidget()->window()->screen();
    return window.screen();
}

}  // namespace

QSize ClientRoom(const QWidget& window)
{
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QMargins frame = FrameGuess(window);
    const QRect area = screen->availableGeometry();
    return {std::max(0, area.width() - frame.left() - frame.right()),
            std::max(0, area.height() - frame.top() - frame.bottom())};
}

void KeepOnScreen(QWidget& window)
{
    QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.left() + area.width() - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.top() + area.height() - frame.height())));
    if (at != frame.topLeft())
        window.move(at);
}

FitScrollArea::FitScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

void FitScrollArea::SetHint(const QSize& hint)
{
    m_hint = hint;
    setFixedSize(hint);
    updateGeometry();
}

void FitScrollArea::OnFocusChanged(QWidget* now)
{
    if (now && widget() && widget()->isAncestorOf(now))
        ensureWidgetVisible(now);
}

QSize ScrolledArea(const QSize& natural, const QSize& room, int scrollBarExtent)
{
    bool vertical = natural.height() > room.height();
    const bool horizontal = natural.width() + (vertical ? scrollBarExtent : 0) > room.width();
    vertical = vertical || natural.height() + (horizontal ? scrollBarExtent : 0) > room.height();
    return {std::min(natural.width() + (vertical ? scrollBarExtent : 0), room.width()),
            std::min(natural.height() + (horizontal ? scrollBarExtent : 0), room.height())};
}

}  // namespace platform
