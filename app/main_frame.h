#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "app/persistent_frame.h"
#include "document/ports.h"
#include "platform/command_table.h"
#include "platform/dialog_runner.h"

namespace res {
struct ToolbarMetrics;
}
class CKvwinBar;
class CKvwinDoc;
class QLabel;

// The main window: menu, toolbar with the chords-per-row box, status bar,
// the view in the middle, and the three display font faces.
class CMainFrame : public CPersistentFrame {
    Q_OBJECT
public:
    explicit CMainFrame(SettingsStore& store, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the toolbar, the status bar, the timer and the menus around the
    // view (a blank one when none is set); false when the window cannot be made.
    bool OnCreate();
    // Reads the three faces on every call, then activates the frame.
    void ActivateFrame() override;
    // Saves the settings and the placement, then the three faces.
    void SaveFrameSettings() override;

    // The document that closes with the window.
    void SetDocument(CKvwinDoc* document) { m_pDocument = document; }
    // The view in the middle of the window and its commands; onUpdate makes
    // it fit and redraw after a change (a plain repaint without one).
    void SetView(QWidget* view, platform::CommandTarget* viewCommands, std::function<void()> onUpdate = {});
    QWidget* View() const { return centralWidget(); }
    // Where help requests go: the application's help routing.
    void SetHelpRouter(std::function<void(std::uintptr_t, unsigned)> winHelp) { m_winHelp = std::move(winHelp); }

    platform::CommandTable& Commands() { return m_commands; }
    platform::CommandMap& FrameCommands() { return m_frameCommands; }

    // What the document asks of the window. Boxes go through the dialog runner.
    void ShowMessageBox(const std::string& text, ports::MessageIcon icon, const std::string& caption = platform::kAppCaption);
    void SetStatusPane(int pane, const std::string& text);
    void SetTitleText(const std::string& title);
    void SelectSizeCombo(int chordsPerRow);
    void UpdateAllViews();

    // The frame's own answer to a help request: where the description is.
    void WinHelp(std::uintptr_t data, unsigned command);

    // Null until the size box exists.
    CKvwinBar* m_pToolBar = nullptr;
    // The three faces: note names, chord headers, Scratch Pad chord titles.
    std::string m_strNoteFont;
    std::string m_strChordHeaderFont;
    std::string m_strPadTitleFont;
    QStatusBar* m_wndStatusBar = nullptr;
    CKvwinBar* m_wndToolBar = nullptr;

    static constexpr const char* m_strChordHeaderFontKey = "chdhdr_fnt";
    static constexpr const char* m_strNoteFontKey = "note_fnt";
    static constexpr const char* m_strPadTitleFontKey = "spadchdt_fnt";

protected:
    void closeEvent(QCloseEvent* event) override;
    QToolBar* PersistentToolBar() const override;
    QStatusBar* PersistentStatusBar() const override;

private:
    void CreateCommands(const res::ToolbarMetrics& metrics, qreal devicePixelRatio);
    bool CreateToolBar(const res::ToolbarMetrics& metrics, qreal devicePixelRatio);
    bool CreateStatusBar();
    void CreateMenus();
    void RegisterFrameCommands();
    void ReportSettingsNotSaved();

    platform::CommandTable m_commands{this};
    platform::CommandMap m_frameCommands;
    CKvwinDoc* m_pDocument = nullptr;
    std::function<void()> m_viewUpdate;
    std::function<void(std::uintptr_t, unsigned)> m_winHelp;
    QLabel* m_pPane1 = nullptr;
    QLabel* m_pPane2 = nullptr;
    int m_nTimerId = 0;
    bool m_bClosed = false;
};
