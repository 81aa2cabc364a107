#pragma once
#include "document/cmd_ui.h"
#include "document/geometry.h"
#include "document/screen_metrics.h"
#include "platform/command_target.h"
#include "platform/print_driver.h"
#include "platform/scroll_view.h"
#include "view/paint_context.h"

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
    void OnScrollAction(Qt::Orientation orientation) override;

private:
    void BuildCommands();
    // The end of every command that changes what is shown.
    void Refresh();
    void SetPage(int page);
    void ScrollMarkedRect();
    void RefreshSizeCopies();
    view::PaintContext Context();

    CKvwinDoc& m_doc;
    platform::PrintDriver* m_pPrintDriver;
    int m_nScale = 50;
    int m_nScrollRowChords = 10;
    // The page being printed; null outside a print pass.
    const platform::CPrintInfo* m_pPrintInfo = nullptr;
    Size m_sizeTotal;
    Size m_sizePage;
    Size m_sizeLine;
    CDpiHelper m_dpi;
    view::ViewFaces m_faces;
    platform::CommandMap m_commands;
};
