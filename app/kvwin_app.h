#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/os_version.h"
#include "app/startup_checks.h"
#include "engine/word_table.h"
#include "platform/command_target.h"

class CFrameUiPort;
class CKvwinDoc;
class CKvwinView;
class FontCatalog;
class CMainFrame;
class CScreenPort;
class DocsFolder;
class OsInfo;
class QPrinter;
class ScreenInfo;
class SettingsStore;
namespace ports {
class MidiPort;
}
namespace platform {
class PrintDriver;
class QtFileDialogs;
}
namespace dialogs {
class OptionsDialogs;
class SearchDialogs;
class UserDirectoryDialogs;
class SizeLanguageDialogs;
class PadAttributesDialogs;
}

// The application object: starts the program, owns the document, the main
// window and the ports between them, and answers the application's commands.
class CKvwinApp {
public:
    // What the program talks to; each left empty is the real one. Tests give
    // a settings file of their own and a scripted MIDI library; dialogs run
    // through platform::dialogRunner().
    struct Dependencies {
        SettingsStore* settings = nullptr;
        ports::MidiPort* midi = nullptr;
        const DocsFolder* docs = nullptr;
        const ScreenInfo* screen = nullptr;
        const OsInfo* os = nullptr;
        const FontCatalog* fonts = nullptr;
        app::ServicePackTextReader servicePackText;
    };

    CKvwinApp();
    explicit CKvwinApp(Dependencies dependencies);
    ~CKvwinApp();
    CKvwinApp(const CKvwinApp&) = delete;
    CKvwinApp& operator=(const CKvwinApp&) = delete;

    // Start-up up to the shown main window and the platform check; false
    // when the program must not run.
    bool InitInstance();
    // The document's own start-up, once, before the window first paints.
    void InitDocument();
    int ExitInstance();
    // The whole life of the program: start-up, the event loop, exit.
    int Run();

    void WinHelp(std::uintptr_t data, unsigned command);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CKvwinDoc* Document() const { return m_pDocument.get(); }
    CKvwinView* View() const { return m_pView; }
    platform::CommandMap& AppCommands() { return m_appCommands; }
    const COSVersion& OsVersion() const { return m_osVersion; }
    double AspectRatio() const { return m_dAspectRatio; }

    // File New: the document starts empty again, its User Directory and MIDI restored.
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();

private:
    // Start-up steps, in the order InitInstance runs them.
    void SetApplicationIdentity();
    void CreateMissingSettingsAndMidi();
    bool CreateDocumentAndFrame();
    bool ShowPlatformVerdict();
    // The wiring steps of CreateDocumentAndFrame, in its order.
    void CreateFrameAndPorts();
    void CreateDocument();
    void RouteEngineMessages();
    void ConnectFrameToDocument();
    void CreateView();
    void ConnectCommandTables();
    void UpdateViewFirstTime();
    void RegisterAppCommands();
    void ReadScreenSize();

    Dependencies m_deps;
    std::unique_ptr<SettingsStore> m_pOwnSettings;
    std::unique_ptr<ports::MidiPort> m_pOwnMidi;
    std::unique_ptr<DocsFolder> m_pOwnDocs;
    std::unique_ptr<ScreenInfo> m_pOwnScreen;
    std::unique_ptr<OsInfo> m_pOwnOs;
    std::unique_ptr<FontCatalog> m_pOwnFonts;

    COSVersion m_osVersion;
    double m_dAspectRatio = 1.0;
    int m_nHorzSizeMm = 1;
    int m_nVertSizeMm = 1;

    platform::CommandMap m_appCommands;
    platform::CommandMap m_docCommands;
    // The printer that print setup, printing and the preview share.
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<platform::PrintDriver> m_pPrintDriver;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CKvwinView* m_pView = nullptr;  // owned by the frame
    std::unique_ptr<CFrameUiPort> m_pUiPort;
    std::unique_ptr<CScreenPort> m_pScreenPort;
    std::unique_ptr<dialogs::SearchDialogs> m_pSearchDialogs;
    std::unique_ptr<dialogs::UserDirectoryDialogs> m_pUserDirectoryDialogs;
    std::unique_ptr<dialogs::OptionsDialogs> m_pOptionsDialogs;
    std::unique_ptr<dialogs::SizeLanguageDialogs> m_pSizeLanguageDialogs;
    std::unique_ptr<dialogs::PadAttributesDialogs> m_pPadAttributesDialogs;
    std::unique_ptr<platform::QtFileDialogs> m_pFileDialogs;
    std::unique_ptr<CKvwinDoc> m_pDocument;
    engine::WordTableErrorSink m_previousWordTableSink;
    bool m_bDocumentStarted = false;
};
