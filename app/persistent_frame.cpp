#include "app/persistent_frame.h"

#include <limits>
#include <vector>

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "document/settings_store.h"
#include "platform/qt_rect.h"

namespace {

// A stored rectangle off every screen or larger than the desktop would
// open the window where nobody can reach it, or at a size that swamps the
// window system.
WindowRect PlaceOnScreens(const WindowRect& stored)
{
    std::vector<Rect> available;
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens()) {
        available.push_back(platform::fromQRect(screen->availableGeometry()));
        desktop |= screen->geometry();
    }
    return document::PlaceWindowRect(stored, available, platform::fromQRect(desktop));
}

}  // namespace

CPersistentFrame::CPersistentFrame(SettingsStore& store, QWidget* parent) : QMainWindow(parent), m_store(store) {}

CPersistentFrame::~CPersistentFrame() = default;

void CPersistentFrame::ActivateFrame()
{
    if (!m_bFirstActivate) {
        show();
        raise();
        return;
    }
    m_bFirstActivate = false;
    document::LoadSettings(m_store, m_settings);
    ApplyPlacement(m_settings.m_placement);
}

void CPersistentFrame::ApplyPlacement(const WindowPlacement& placement)
{
    const WindowRect r = PlaceOnScreens(placement.m_rcNormal);
    setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (QToolBar* bar = PersistentToolBar())
        bar->setVisible(placement.m_bToolbar);
    if (QStatusBar* bar = PersistentStatusBar())
        bar->setVisible(placement.m_bStatusBar);

    switch (document::ChooseShowCommand(placement)) {
    case ShowCommand::Normal: show(); break;
    case ShowCommand::Maximized: showMaximized(); break;
    case ShowCommand::MinimizedNoActivate: {
        setAttribute(Qt::WA_ShowWithoutActivating);
        Qt::WindowStates state = Qt::WindowMinimized;
        if (placement.m_bMax)
            state |= Qt::WindowMaximized;
        setWindowState(state);
        show();
        break;
    }
    }
}

WindowPlacement CPersistentFrame::CurrentPlacement() const
{
    WindowPlacement placement;
    const QRect normal = normalGeometry();
    const qint64 right = qint64{normal.x()} + normal.width();
    const qint64 bottom = qint64{normal.y()} + normal.height();
    placement.m_bRectKnown = normal.isValid() && right <= std::numeric_limits<int>::max()
                             && bottom <= std::numeric_limits<int>::max();
    if (placement.m_bRectKnown)
        placement.m_rcNormal = {normal.x(), normal.y(), static_cast<int>(right), static_cast<int>(bottom)};
    const Qt::WindowStates state = windowState();
    placement.m_bIcon = state.testFlag(Qt::WindowMinimized);
    placement.m_bMax = state.testFlag(Qt::WindowMaximized);
    // During close the bars are no longer visible, only not hidden.
    if (QToolBar* bar = PersistentToolBar())
        placement.m_bToolbar = !bar->isHidden();
    if (QStatusBar* bar = PersistentStatusBar())
        placement.m_bStatusBar = !bar->isHidden();
    return placement;
}

void CPersistentFrame::SaveFrameSettings()
{
    // Never loaded, the block holds only defaults, not the user's settings.
    if (m_bFirstActivate)
        return;
    m_settings.m_placement = CurrentPlacement();
    document::SaveSettings(m_store, m_settings);
}
