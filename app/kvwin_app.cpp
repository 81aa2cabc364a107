#include "app/kvwin_app.h"

#include "platform/qt_file_dialogs.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QPrinter>

#include "app/about_box.h"
#include "app/doc_commands.h"
#include "app/frame_ui_port.h"
#include "app/kvmidi_port.h"
#include "app/main_frame.h"
#include "app/screen_port.h"
#include "app/version.h"
#include "dialogs/options/options_sheet.h"
#include "dialogs/pad_attributes/pad_attributes_dialog.h"
#include "dialogs/search/search_dialogs.h"
#include "dialogs/size_language/size_language_dialogs.h"
#include "dialogs/user_directory/user_directory_dialogs.h"
#include "document/command_ids.h"
#include "document/kvwin_doc.h"
#include "document/screen_metrics.h"
#include "platform/dialog_runner.h"
#include "platform/print_driver.h"
#include "platform/qt_file_dialogs.h"
#include "platform/qt_docs_folder.h"
#include "platform/qt_platform_info.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_text.h"
#include "res/app_icon.h"
#include "res/resource_ids.h"
#include "view/kvwin_view.h"


CKvwinApp::CKvwinApp() : CKvwinApp(Dependencies{}) {}

CKvwinApp::CKvwinApp(Dependencies dependencies) : m_deps(std::move(dependencies))
{
    if (!m_deps.screen) {
        m_pOwnScreen = std::make_unique<platform::QtScreenInfo>();
        m_deps.screen = m_pOwnScreen.get();
    }
    if (!m_deps.os) {
        m_pOwnOs = std::make_unique<platform::QtOsInfo>();
        m_deps.os = m_pOwnOs.get();
    }
    if (!m_deps.fonts) {
        m_pOwnFonts = std::make_unique<platform::QtFontCatalog>();
        m_deps.fonts = m_pOwnFonts.get();
    }
    if (!m_deps.docs) {
        m_pOwnDocs = std::make_unique<platform::QtDocsFolder>();
        m_deps.docs = m_pOwnDocs.get();
    }
    m_osVersion = COSVersion(m_deps.os);
}

CKvwinApp::~CKvwinApp()
{
    if (m_pMainFrame)
        engine::SetWordTableErrorSink(std::move(m_previousWordTableSink));
    // The view, a child of the frame, goes with it, before the document it shows.
    m_pMainFrame.reset();
    m_pView = nullptr;
    m_pDocument.reset();
}

bool CKvwinApp::InitInstance()
{
    SetApplicationIdentity();
    CreateMissingSettingsAndMidi();

    if (!CreateDocumentAndFrame())
        return false;

    m_osVersion.Detect();
    ReadScreenSize();
    return ShowPlatformVerdict();
}

void CKvwinApp::SetApplicationIdentity()
{
    // Settings live under the company's name and the application's title.
    QCoreApplication::setOrganizationName(QStringLiteral("Varnoth"));
    QCoreApplication::setApplicationName(QStringLiteral("Tonalith"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TONALITH_PRODUCT_VERSION));
    // Every window, the About box's too, carries the program's icon; the
    // desktop matches the windows to the menu entry by its name.
    QApplication::setWindowIcon(res::LoadIcon(res::IDR_MAINFRAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(TONALITH_APP_ID));
}

void CKvwinApp::CreateMissingSettingsAndMidi()
{
    if (!m_deps.settings) {
        m_pOwnSettings = std::make_unique<platform::QtSettingsStore>();
        m_deps.settings = m_pOwnSettings.get();
    }
    if (!m_deps.midi) {
        m_pOwnMidi = std::make_unique<CKvMidiPort>();
        m_deps.midi = m_pOwnMidi.get();
    }
}

bool CKvwinApp::ShowPlatformVerdict()
{
    const app::PlatformVerdict verdict = app::CheckPlatform(m_osVersion, m_deps.servicePackText);
    for (const std::string& message : verdict.messages)
        m_pMainFrame->ShowMessageBox(message, ports::MessageIcon::None);
    return verdict.supported;
}

// File New at start-up: the document, the frame with its bars, the empty
// new document, the view's first update, then the window is shown.
bool CKvwinApp::CreateDocumentAndFrame()
{
    CreateFrameAndPorts();
    CreateDocument();
    RouteEngineMessages();
    ConnectFrameToDocument();
    CreateView();
    if (!m_pMainFrame->OnCreate())
        return false;
    ConnectCommandTables();
    m_pDocument->OnNewDocument();
    UpdateViewFirstTime();
    m_pMainFrame->ActivateFrame();
    return true;
}

void CKvwinApp::CreateFrameAndPorts()
{
    m_pMainFrame = std::make_unique<CMainFrame>(*m_deps.settings);
    m_pUiPort = std::make_unique<CFrameUiPort>(*m_pMainFrame);
    CMainFrame* frame = m_pMainFrame.get();
    m_pScreenPort = std::make_unique<CScreenPort>(*m_deps.screen, [frame] { return frame->View() != nullptr; });
}

void CKvwinApp::CreateDocument()
{
    CMainFrame* frame = m_pMainFrame.get();
    CKvwinDoc::Ports ports;
    ports.ui = m_pUiPort.get();
    ports.midi = m_deps.midi;
    ports.screen = m_pScreenPort.get();
    ports.docs = m_deps.docs;
    m_pSearchDialogs = std::make_unique<dialogs::SearchDialogs>(frame);
    ports.searchDialogs = m_pSearchDialogs.get();
    m_pUserDirectoryDialogs = std::make_unique<dialogs::UserDirectoryDialogs>(frame);
    ports.userDirDialogs = m_pUserDirectoryDialogs.get();
    m_pOptionsDialogs = std::make_unique<dialogs::OptionsDialogs>(frame);
    ports.optionsDialogs = m_pOptionsDialogs.get();
    m_pSizeLanguageDialogs = std::make_unique<dialogs::SizeLanguageDialogs>(frame);
    ports.sizeLanguageDialogs = m_pSizeLanguageDialogs.get();
    m_pPadAttributesDialogs = std::make_unique<dialogs::PadAttributesDialogs>(frame);
    ports.padAttributes = m_pPadAttributesDialogs.get();
    m_pFileDialogs = std::make_unique<platform::QtFileDialogs>(frame);
    ports.fileDialogs = m_pFileDialogs.get();
    m_pDocument = std::make_unique<CKvwinDoc>(ports);
}

void CKvwinApp::RouteEngineMessages()
{
    CMainFrame* frame = m_pMainFrame.get();
    m_previousWordTableSink = engine::SetWordTableErrorSink(
        [frame](const std::string& message) { frame->ShowMessageBox(message, ports::MessageIcon::None); });
#ifndef NDEBUG
    document::SetDrawingErrorSink([](const std::string& text) { qDebug().noquote() << platform::ToQString(text); });
#endif
}

void CKvwinApp::ConnectFrameToDocument()
{
    m_pMainFrame->SetDocument(m_pDocument.get());
    m_pMainFrame->SetHelpRouter([this](std::uintptr_t data, unsigned command) { WinHelp(data, command); });
}

void CKvwinApp::ConnectCommandTables()
{
    RegisterDocumentCommands(m_docCommands, *m_pDocument);
    RegisterAppCommands();
    m_pMainFrame->Commands().SetTarget(platform::Route::Document, &m_docCommands);
    m_pMainFrame->Commands().SetTarget(platform::Route::Application, &m_appCommands);
}

void CKvwinApp::UpdateViewFirstTime()
{
    // It takes the frame's faces, still empty, so it draws with "Arial" and
    // gives the frame "Arial" until the settings load.
    CMainFrame* frame = m_pMainFrame.get();
    view::ViewFaces faces{frame->m_strChordHeaderFont, frame->m_strNoteFont, frame->m_strPadTitleFont};
    m_pView->OnInitialUpdate(faces, m_deps.fonts);
    frame->m_strChordHeaderFont = faces.header;
    frame->m_strNoteFont = faces.note;
    frame->m_strPadTitleFont = faces.padTitle;
}

void CKvwinApp::CreateView()
{
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_pPrintDriver = std::make_unique<platform::PrintDriver>(*m_pPrinter);
    m_pView = new CKvwinView(*m_pDocument, m_deps.screen, m_pPrintDriver.get(), m_pMainFrame.get());
    CKvwinView* view = m_pView;
    m_pMainFrame->SetView(view, &view->Commands(), [view] { view->OnUpdate(); });
    // A context-menu choice is a command like any other: checked and routed by the table.
    view->SetCommandRunner([frame = m_pMainFrame.get()](int id) { frame->Commands().Execute(id); });
}

void CKvwinApp::RegisterAppCommands()
{
    m_appCommands.On(cmd::FileNew, [this] { OnFileNew(); });
    m_appCommands.On(cmd::FileOpen, [this] { OnFileOpen(); });
    m_appCommands.On(cmd::FilePrintSetup, [this] { OnFilePrintSetup(); });
    m_appCommands.On(cmd::AppAbout, [this] { OnAppAbout(); });
}

void CKvwinApp::ReadScreenSize()
{
    const Size mm = m_deps.screen->PhysicalSizeMm();
    m_nHorzSizeMm = mm.cx;
    m_nVertSizeMm = mm.cy;
    m_dAspectRatio = app::AspectRatio(m_nHorzSizeMm, m_nVertSizeMm);
}

void CKvwinApp::InitDocument()
{
    if (m_bDocumentStarted || !m_pDocument || !m_pMainFrame)
        return;
    m_bDocumentStarted = true;
    m_pDocument->InitDocument(m_pMainFrame->m_settings);
    // The view's extent follows the size just loaded.
    m_pUiPort->UpdateAllViews();
    m_pMainFrame->Commands().RequestRefresh();
}

int CKvwinApp::ExitInstance()
{
    return 0;
}

int CKvwinApp::Run()
{
    if (!InitInstance()) {
        // The window goes again, saving its settings as it does.
        if (m_pMainFrame)
            m_pMainFrame->close();
        ExitInstance();
        return 1;
    }
    InitDocument();
    const int code = QApplication::exec();
    const int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

void CKvwinApp::WinHelp(std::uintptr_t data, unsigned command)
{
    if (!m_pMainFrame)
        return;
    switch (app::RouteWinHelp(data)) {
    case app::HelpRoute::Finder: m_pMainFrame->WinHelp(0, app::kHelpFinder); break;
    case app::HelpRoute::Ignore: break;
    case app::HelpRoute::PassOn: m_pMainFrame->WinHelp(data, command); break;
    }
}

void CKvwinApp::OnFileNew()
{
    m_pDocument->OnFileNew();
    m_pUiPort->UpdateAllViews();
    m_pDocument->UpdateStatusLine();
}

void CKvwinApp::OnFileOpen()
{
    // Nothing is read from the file: choosing one starts a new document, as
    // the program keeps nothing in documents.
    QFileDialog dialog(m_pMainFrame.get(), QStringLiteral("Open"), QString(), QStringLiteral("All Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (platform::dialogRunner().RunStandardDialog(dialog) == QDialog::Accepted)
        OnFileNew();
}

void CKvwinApp::OnFilePrintSetup()
{
    m_pPrintDriver->PageSetup(m_pMainFrame.get());
}

void CKvwinApp::OnAppAbout()
{
    AboutBox about(m_pMainFrame.get());
    about.m_osVersion = m_osVersion;
    about.m_dAspectRatio = m_dAspectRatio;
    about.m_strSystemName = m_deps.os->PrettyProductName();
    about.DoModal();
}
