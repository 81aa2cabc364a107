#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QTest>
#include <QTemporaryDir>

#include "app/kvmidi_port.h"
#include "app/kvwin_app.h"
#include "app/main_frame.h"
#include "document/kvwin_doc.h"
#include "document/platform_ports.h"
#include "engine/udir.h"
#include "platform/qt_settings_store.h"
#include "support/fake_ports.h"
#include "support/scripted_dialog_runner.h"

// A 1920 x 1200 screen at 96 dpi, 520 mm by 325 mm.
struct FixedScreenInfo final : ScreenInfo {
    std::optional<ScreenResolution> PrimaryResolution() const override { return ScreenResolution{}; }
    Rect PrimaryGeometry() const override { return {0, 0, 1920, 1200}; }
    Size PhysicalSizeMm() const override { return {520, 325}; }
};

// A program started on a settings file of its own in a temporary folder,
// which is also the working folder, with a scripted MIDI library unless the
// test asks for the real one. Its dialogs and message boxes go to the
// scripted runner: a dialog with no script queued is cancelled, a box is
// recorded.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        g_bUserDirModified = false;
    }

    void TearDown() override
    {
        m_app.reset();
        m_store.reset();
        QDir::setCurrent(m_previousDir);
    }

    std::string IniPath() const { return m_dir.filePath(QStringLiteral("Tonalith.conf")).toStdString(); }
    std::string TempPath(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)).toStdString(); }

    // A "Documents" folder in the temporary folder becomes the user's.
    std::string UseDocumentsFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Documents"));
        docs.folder = TempPath("Documents");
        return *docs.folder;
    }

    // A fresh program on the same settings file; the previous one is gone first.
    CKvwinApp& Start(bool initDocument = true)
    {
        m_app.reset();
        // A new process starts with the flag clear.
        g_bUserDirModified = false;
        m_store = std::make_unique<platform::QtSettingsStore>(IniPath());
        CKvwinApp::Dependencies deps;
        deps.settings = m_store.get();
        if (useSystemMidi)
            m_systemMidi = std::make_unique<CKvMidiPort>();
        deps.midi = useSystemMidi ? static_cast<ports::MidiPort*>(m_systemMidi.get()) : &midi;
        deps.docs = useSystemDocs ? nullptr : &docs;
        deps.screen = &screen;
        m_app = std::make_unique<CKvwinApp>(deps);
        EXPECT_TRUE(m_app->InitInstance());
        if (initDocument)
            m_app->InitDocument();
        return *m_app;
    }

    // Closes the window as the user does, then ends the program.
    void Stop()
    {
        if (m_app && m_app->MainFrame())
            m_app->MainFrame()->close();
        m_app.reset();
        m_store.reset();
    }

    // Waits, events running, until the built-in synth has opened or failed.
    bool WaitForMidiOpen(int timeoutMs = 10000)
    {
        return !m_systemMidi || QTest::qWaitFor([this] { return !m_systemMidi->Opening(); }, timeoutMs);
    }

    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CKvwinDoc& Doc() { return *m_app->Document(); }
    CKvwinApp& GetApp() { return *m_app; }

    FakeMidi midi;
    bool useSystemMidi = false;  // the real MIDI library, built-in synth and all
    FakeDocsFolder docs;
    bool useSystemDocs = false;  // the desktop's documents folder, not `docs`
    FixedScreenInfo screen;
    platform::ScriptedDialogRunner runner;

private:
    platform::ScopedDialogRunner m_runnerScope{runner};
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<platform::QtSettingsStore> m_store;
    std::unique_ptr<CKvMidiPort> m_systemMidi;  // outlives the program on it
    std::unique_ptr<CKvwinApp> m_app;
};
