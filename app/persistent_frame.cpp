#include "app/persistent_frame.h"

#include <QStatusBar>
#include <QToolBar>

#include "document/settings_store.h"

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
    const WindowRect& r = placement.m_rcNormal;
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
    placement.m_rcNormal = {normal.x(), normal.y(), normal.x() + normal.width(), normal.y() + normal.height()};
    placement.m_bRectKnown = normal.isValid();
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
    m_settings.m_placement = CurrentPlacement();
    document::SaveSettings(m_store, m_settings);
}
