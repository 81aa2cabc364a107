#include "app/main_frame.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QWhatsThis>

#include "app/kvwin_bar.h"
#include "app/startup_checks.h"
#include "app/status_pane.h"
#include "document/command_ids.h"
#include "document/kvwin_doc.h"
#include "document/screen_metrics.h"
#include "document/settings_store.h"
#include "platform/qt_platform_info.h"
#include "platform/qt_text.h"
#include "res/accelerator_table.h"
#include "res/app_icon.h"
#include "res/menu_table.h"
#include "res/string_table.h"
#include "res/toolbar_images.h"
#include "res/toolbar_table.h"

using platform::ToQString;

namespace {

constexpr int kTimerIntervalMs = 25000;
constexpr const char* kDefaultFace = "Times New Roman";
constexpr std::uintptr_t kMainFrameHelpContext = 0x20000 + 128;

// Commands whose items carry a check mark.
const std::set<int> kCheckable{cmd::ViewChordDisplay, cmd::ViewFretboard, cmd::ViewScratchPad,
                               cmd::ReducedSpan,      cmd::ViewToolbar,   cmd::ViewStatusBar};

QIcon ToolbarIcon(int id, const res::ToolbarMetrics& metrics, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(res::ToolbarImage(id, metrics.imageWidth, metrics.imageHeight));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return QIcon(pixmap);
}

// The toolbar's sizes follow the screen's resolution class.
struct ToolbarLook {
    const res::ToolbarMetrics& metrics;
    qreal devicePixelRatio;
};

ToolbarLook ReadToolbarLook()
{
    platform::QtScreenInfo screen;
    CDpiHelper dpi(&screen);
    const auto resolution = screen.PrimaryResolution();
    return {res::ToolbarMetricsForDpi(dpi.GetClassDpiX()), resolution ? resolution->devicePixelRatio : 1.0};
}

// A pane right of the message area; sizeText, when given, is the text whose
// room it keeps.
QLabel* AddPane(QStatusBar* bar, QLabel* pane, const QString& name, const QString& sizeText = {})
{
    pane->setObjectName(name);
    if (!sizeText.isEmpty())
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(sizeText) + 8);
    bar->addPermanentWidget(pane);
    return pane;
}

}  // namespace

CMainFrame::CMainFrame(SettingsStore& store, QWidget* parent) : CPersistentFrame(store, parent)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ToQString(res::LoadString(res::AFX_IDS_APP_TITLE)));
    setWindowIcon(res::LoadIcon(res::IDR_MAINFRAME));
    m_commands.SetTarget(platform::Route::Frame, &m_frameCommands);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::OnCreate()
{
    if (!centralWidget())
        setCentralWidget(new QWidget(this));
    const ToolbarLook look = ReadToolbarLook();
    CreateCommands(look.metrics, look.devicePixelRatio);
    CreateMenus();
    if (!CreateToolBar(look.metrics, look.devicePixelRatio) || !CreateStatusBar())
        return false;
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);

    m_nTimerId = startTimer(kTimerIntervalMs);
    if (m_nTimerId == 0) {
        ShowMessageBox(std::string(res::kTextNoTimer), ports::MessageIcon::Warning, std::string(res::kCaptionTimer));
        return false;
    }

    const QList<QAction*> menus = menuBar()->actions();
    if (QMenu* file = menus.isEmpty() ? nullptr : menus.first()->menu())
        for (int position : res::FileMenuDeletions())
            if (QAction* item = file->actions().value(position))
                file->removeAction(item);

    RegisterFrameCommands();
    m_commands.RefreshNow();
    return true;
}

void CMainFrame::CreateCommands(const res::ToolbarMetrics& metrics, qreal devicePixelRatio)
{
    std::map<int, platform::CommandSpec> specs;
    auto spec = [&specs](int id) -> platform::CommandSpec& {
        platform::CommandSpec& s = specs[id];
        if (s.id == 0) {
            s.id = id;
            const std::string_view entry = res::LoadString(id);
            s.statusTip = ToQString(res::PromptOf(entry));
            s.toolTip = ToQString(res::TooltipOf(entry));
            s.checkable = kCheckable.contains(id);
        }
        return s;
    };
    for (const res::MenuDef& menu : res::MainMenu())
        for (const res::MenuItem& item : menu.items)
            if (!item.IsSeparator())
                spec(item.id).text = ToQString(item.text);
    for (const res::Accelerator& key : res::MainAccelerators())
        spec(key.id).shortcuts.append(QKeySequence(ToQString(key.keys), QKeySequence::PortableText));

    for (int id : res::kToolbarSlots)
        if (id != 0)
            spec(id).icon = ToolbarIcon(id, metrics, devicePixelRatio);

    for (auto& [id, s] : specs) {
        if (s.text.isEmpty())
            s.text = !s.toolTip.isEmpty() ? s.toolTip : s.statusTip;
        m_commands.Add(s);
    }
}

void CMainFrame::CreateMenus()
{
    for (const res::MenuDef& def : res::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(ToQString(def.title));
        for (const res::MenuItem& item : def.items) {
            if (item.IsSeparator())
                menu->addSeparator();
            else
                menu->addAction(m_commands.Action(item.id));
        }
        m_commands.WatchMenu(menu);
    }
}

bool CMainFrame::CreateToolBar(const res::ToolbarMetrics& metrics, qreal devicePixelRatio)
{
    m_wndToolBar = new CKvwinBar(m_commands, metrics, devicePixelRatio, this);
    if (!m_wndToolBar->m_wndSizeCombo)
        return false;
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    // The View menu's Toolbar command is the one way to show and hide it.
    m_wndToolBar->toggleViewAction()->setVisible(false);
    m_pToolBar = m_wndToolBar;
    connect(m_wndToolBar->m_wndSizeCombo, &QComboBox::activated, this, [this](int index) {
        if (m_pDocument)
            m_pDocument->OnSelchangeSize(index);
        m_commands.RequestRefresh();
    });
    return true;
}

bool CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    // The message pane shows the idle text whenever no prompt covers it.
    auto* idle = new QLabel(ToQString(res::LoadString(res::AFX_IDS_IDLEMESSAGE)), m_wndStatusBar);
    idle->setObjectName(QStringLiteral("pane0"));
    m_wndStatusBar->addWidget(idle, 1);
    m_pPane1 = AddPane(m_wndStatusBar, new StatusPane(m_wndStatusBar), QStringLiteral("pane1"));
    m_pPane2 = AddPane(m_wndStatusBar, new StatusPane(m_wndStatusBar), QStringLiteral("pane2"));
    QList<QWidget*> panes{m_pPane1, m_pPane2};
    // No portable way to read the lock keys: the indicators keep their room but stay blank.
    for (const auto& [name, id] : {std::pair{"indicatorCaps", cmd::IndicatorCaps},
                                   std::pair{"indicatorNum", cmd::IndicatorNum},
                                   std::pair{"indicatorScrl", cmd::IndicatorScrl}})
        panes.append(AddPane(m_wndStatusBar, new QLabel(m_wndStatusBar), QString::fromLatin1(name),
                             ToQString(res::LoadString(id))));
    // A passing message (a menu prompt, a status tip) has the whole line;
    // the panes come back as they were when it clears.
    connect(m_wndStatusBar, &QStatusBar::messageChanged, this, [panes](const QString& message) {
        for (QWidget* pane : panes)
            pane->setVisible(message.isEmpty());
    });
    setStatusBar(m_wndStatusBar);
    return true;
}

void CMainFrame::RegisterFrameCommands()
{
    platform::CommandMap& map = m_frameCommands;
    map.On(cmd::ViewToolbar, [this] { m_wndToolBar->setVisible(m_wndToolBar->isHidden()); });
    map.OnUpdate(cmd::ViewToolbar, [this](CCmdUI& ui) { ui.SetCheck(!m_wndToolBar->isHidden()); });
    map.On(cmd::ViewStatusBar, [this] { m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); });
    map.OnUpdate(cmd::ViewStatusBar, [this](CCmdUI& ui) { ui.SetCheck(!m_wndStatusBar->isHidden()); });
    map.On(cmd::AppExit, [this] { close(); });

    auto winHelp = [this](std::uintptr_t data, unsigned command) {
        if (m_winHelp)
            m_winHelp(data, command);
        else
            WinHelp(data, command);
    };
    map.On(cmd::HelpFinder, [winHelp] { winHelp(0, app::kHelpFinder); });
    map.On(cmd::HelpIndex, [winHelp] { winHelp(0, app::kHelpIndex); });
    map.On(cmd::DefaultHelp, [winHelp] { winHelp(0, app::kHelpIndex); });
    map.On(cmd::Help, [winHelp] { winHelp(kMainFrameHelpContext, app::kHelpContext); });
    map.On(cmd::ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
}

void CMainFrame::ActivateFrame()
{
    const SettingsStore& store = Store();
    m_strChordHeaderFont = store.ReadString(settings_section::kSettings, m_strChordHeaderFontKey).value_or(kDefaultFace);
    m_strNoteFont = store.ReadString(settings_section::kSettings, m_strNoteFontKey).value_or(kDefaultFace);
    m_strPadTitleFont = store.ReadString(settings_section::kSettings, m_strPadTitleFontKey).value_or(kDefaultFace);
    CPersistentFrame::ActivateFrame();
}

void CMainFrame::SaveFrameSettings()
{
    if (IsFirstActivate())
        return;
    CPersistentFrame::SaveFrameSettings();
    SettingsStore& store = Store();
    store.WriteString(settings_section::kSettings, m_strChordHeaderFontKey, m_strChordHeaderFont);
    store.WriteString(settings_section::kSettings, m_strNoteFontKey, m_strNoteFont);
    store.WriteString(settings_section::kSettings, m_strPadTitleFontKey, m_strPadTitleFont);
}

void CMainFrame::SetView(QWidget* view, platform::CommandTarget* viewCommands, std::function<void()> onUpdate)
{
    if (view)
        setCentralWidget(view);
    m_commands.SetTarget(platform::Route::View, viewCommands);
    m_viewUpdate = std::move(onUpdate);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_bClosed) {
        m_bClosed = true;
        if (m_pDocument) {
            m_pDocument->OnCloseDocument();
            // First: the chords the user added must not wait on the settings.
            m_pDocument->CloseUserDirectory();
        }
        SaveFrameSettings();
        if (!IsFirstActivate() && !Store().Flush())
            ReportSettingsNotSaved();
        if (m_pDocument)
            m_pDocument->DeleteSessionContents();
        if (m_nTimerId != 0)
            killTimer(m_nTimerId);
    }
    event->accept();
}

void CMainFrame::ReportSettingsNotSaved()
{
    const std::string where = Store().Location();
    ShowMessageBox(std::string(res::kTextSettingsNotSaved) + (where.empty() ? "." : " to " + where + "."),
                   ports::MessageIcon::Warning);
}

QToolBar* CMainFrame::PersistentToolBar() const
{
    return m_wndToolBar;
}

QStatusBar* CMainFrame::PersistentStatusBar() const
{
    return m_wndStatusBar;
}

void CMainFrame::ShowMessageBox(const std::string& text, ports::MessageIcon icon, const std::string& caption)
{
    platform::dialogRunner().ShowMessage(
        this, ToQString(caption), ToQString(text),
        icon == ports::MessageIcon::Warning ? platform::MessageIcon::Exclamation : platform::MessageIcon::None);
}

void CMainFrame::SetStatusPane(int pane, const std::string& text)
{
    QLabel* label = pane == 1 ? m_pPane1 : pane == 2 ? m_pPane2 : nullptr;
    if (!label)
        return;
    label->setText(ToQString(text));
    label->repaint();
}

void CMainFrame::SetTitleText(const std::string& title)
{
    const QString appTitle = ToQString(res::LoadString(res::AFX_IDS_APP_TITLE));
    setWindowTitle(title.empty() ? appTitle : ToQString(title) + QStringLiteral(" - ") + appTitle);
}

void CMainFrame::SelectSizeCombo(int chordsPerRow)
{
    if (!m_pToolBar || !m_pToolBar->m_wndSizeCombo)
        return;
    QComboBox* box = m_pToolBar->m_wndSizeCombo;
    const QSignalBlocker blocker(box);
    const int index = box->findText(QString::number(chordsPerRow), Qt::MatchStartsWith);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void CMainFrame::UpdateAllViews()
{
    if (m_viewUpdate)
        m_viewUpdate();
    else if (QWidget* view = centralWidget())
        view->update();
}

void CMainFrame::WinHelp(std::uintptr_t, unsigned)
{
    ShowMessageBox(std::string(res::kTextNoHelp), ports::MessageIcon::Warning);
}
