#pragma once
#include <QMainWindow>

#include "document/persistent_settings.h"

class SettingsStore;
class QStatusBar;
class QToolBar;

// The main window's base: it holds every program setting, loads them and the
// window placement at the first activation and saves them when asked at close.
class CPersistentFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CPersistentFrame(SettingsStore& store, QWidget* parent = nullptr);
    ~CPersistentFrame() override;

    // The first call loads the settings, places the window and shows it as it
    // was left; later calls only show it.
    virtual void ActivateFrame();
    bool IsFirstActivate() const { return m_bFirstActivate; }

    // Writes every setting and the window placement; nothing when they were
    // never loaded.
    virtual void SaveFrameSettings();

    // The settings block, read and changed by the rest of the program.
    PersistentSettings m_settings;

protected:
    SettingsStore& Store() { return m_store; }
    // The bars whose visibility is stored; either may be null.
    virtual QToolBar* PersistentToolBar() const { return nullptr; }
    virtual QStatusBar* PersistentStatusBar() const { return nullptr; }

private:
    void ApplyPlacement(const WindowPlacement& placement);
    WindowPlacement CurrentPlacement() const;

    SettingsStore& m_store;
    bool m_bFirstActivate = true;
};
