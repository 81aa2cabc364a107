#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>

#include "document/cmd_ui.h"
#include "document/display_sizes.h"
#include "document/geometry.h"
#include "document/screen_metrics.h"
#include "platform/command_target.h"
#include "platform/print_driver.h"
#include "platform/scroll_view.h"
#include "view/paint_context.h"
#include "view/rect_tracker.h"

class CKvwinDoc;
class FontCatalog;

// The one view of the document: pages of chord diagrams, the fretboard map
// or the Scratch Pad, laid out in MM_HIENGLISH units of the size unit,
// printed through the print driver in twips.
class CKvwinView : public platform::ScrollView, public platform::Printable {
public:
    // printDriver may be null: printing then does nothing.
    CKvwinView(CKvwinDoc& doc, const ScreenInfo* screen, platform::PrintDriver* printDriver,
               QWidget* parent = nullptr);

    CKvwinDoc& GetDocument() const { return m_doc; }
    // The view's commands and its own update handlers; the page commands'
    // and Scratch Pad's update handlers are the document's.
    platform::CommandTarget& Commands() { return m_commands; }

    // Once at start-up, with the frame's three faces. A face the installed
    // fonts lack becomes "Arial", here and in the frame.
    void OnInitialUpdate(view::ViewFaces& frameFaces, const FontCatalog* fonts);
    // Where the document's UpdateAllViews ends: new scroll extent, repaint.
    void OnUpdate();

    // Everything the view shows, on the screen or on a printed page.
    void OnDraw(platform::Surface& surface);
    void DrawChordPage(platform::Surface& surface, int page);
    void DrawScratchPad(platform::Surface& surface);
    void DrawFretboard(platform::Surface& surface);
    // Repaints the title band after the chord's name changed.
    void InvalidateChordHeader();
    // The title band in viewport pixels.
    Rect ChordHeaderDeviceRect();
    // A logical rectangle of the screen layout in viewport pixels.
    Rect LayoutToDevice(Rect logical);

    void OnViewChordDisplay();
    void OnViewFretboard();
    void OnViewScratchPad();
    void OnUpdateViewChordDisplay(CCmdUI& ui) const;
    void OnUpdateViewFretboard(CCmdUI& ui) const;
    void OnViewFirstPage();
    void OnViewPreviousPage();
    void OnViewNextPage();
    void OnViewLastPage();
    void OnFilePrint();
    void OnFilePrintPreview();

    // Mouse input. Points are viewport pixels.
    // The chord under the point, or -1; see view::HitTestChord.
    int HitTestChord(Point client, std::uint8_t& start, bool aboveFrame);
    // Strums the chord under the point; false when there is none.
    bool PlayChordAt(Point client);
    void OnLButtonDown(Point client);
    void OnRButtonDown(Point client);
    void OnMouseMove(Point client);
    void OnLButtonUp(Point client);
    // In the Scratch Pad, just above a chord's frame: edit that chord.
    void OnLButtonDblClk(Point client);

    // Scratch Pad editing on the marked block.
    enum class PadOperation { Copy = 0, Cut = 1, FindChordToEdit = 2, BuildDragList = 3 };
    // The first wholly marked chord's index on the page; -1 when none is
    // (or the Scratch Pad is empty, or nothing was found to copy); -2 when a
    // copy finds the Scratch Pad full.
    int ScratchPadOperation(PadOperation type);
    void OnEditCopyToScratchPad();
    void OnEditCutFromScratchPad();
    void OnEditAttributesOfScratchPadChord();
    // Runs the attributes dialog on Scratch Pad chord index; OK writes the
    // chord back and repaints its cell and, when it changed, the page title.
    void EditScratchPadChordAttributes(int index);
    // The marked block to the clipboard, painted afresh in its normal colours.
    void OnEditCopy();
    QImage MarkedBlockImage();
    // The chord header's menu; the point is global.
    void OnContextMenu(QPoint global);
    // Names the current chord when it has no name.
    void OnAddChordToUserDirectory();

    // What runs a command chosen from the context menu; by default the
    // view's own handler. The main window routes it through its commands.
    using CommandRunner = std::function<void(int id)>;
    void SetCommandRunner(CommandRunner runner) { m_commandRunner = std::move(runner); }
    struct MenuItem {
        int id = 0;
        std::string text;
        int flags = 0;
    };
    // Shows a popup menu and returns the chosen id, 0 for none.
    using MenuRunner = std::function<int(const std::vector<MenuItem>& items, QPoint global)>;
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }

    const std::vector<std::uint8_t>& DragList() const { return m_abDragList; }
    int LastButton() const { return m_nLastButton; }

    bool OnPreparePrinting(platform::CPrintInfo& info) override;
    void OnBeginPrinting(platform::CPrintInfo& info) override;
    void OnPrepareDC(platform::Surface& surface, platform::CPrintInfo* info) override;
    void OnPrint(platform::Surface& surface, platform::CPrintInfo& info) override;
    void OnEndPrinting(platform::CPrintInfo& info) override;

    const view::ViewFaces& Faces() const { return m_faces; }
    int Scale() const { return m_nScale; }
    const platform::CPrintInfo* PrintInfo() const { return m_pPrintInfo; }
    CDpiHelper& Dpi() { return m_dpi; }
    Size TotalSize() const { return m_sizeTotal; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnScrollAction(Qt::Orientation orientation) override;

private:
    void BuildCommands();
    // The end of every command that changes what is shown.
    void Refresh();
    void SetPage(int page);
    void ScrollMarkedRect();
    void RefreshSizeCopies();
    view::PaintContext Context();
    // Pen, then the display the document is in; no mark.
    void DrawDisplay(platform::Surface& surface);
    void UpdateAllViews();
    // A viewport point plus a device scroll position, in layout units.
    Point ToLayout(Point client, Point deviceScroll);
    void RemoveMark();
    void DropDraggedChords(Point client);
    void RunCommand(int id);
    int RunMenu(const std::vector<MenuItem>& items, QPoint global);

    CKvwinDoc& m_doc;
    platform::PrintDriver* m_pPrintDriver;
    int m_nScale = document::kFiveARow.scale;
    int m_nScrollRowChords = document::kFiveARow.scrollRowChords;
    // The page being printed; null outside a print pass.
    const platform::CPrintInfo* m_pPrintInfo = nullptr;
    Size m_sizeTotal;
    Size m_sizePage;
    Size m_sizeLine;
    CDpiHelper m_dpi;
    view::ViewFaces m_faces;
    platform::CommandMap m_commands;

    // Mouse button of the last press: 1 left, 0 right.
    int m_nLastButton = 1;
    view::RectTracker m_tracker;
    std::vector<std::uint8_t> m_abDragList;
    CommandRunner m_commandRunner;
    MenuRunner m_menuRunner;
};
