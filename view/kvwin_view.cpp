#include "view/kvwin_view.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "document/command_ids.h"
#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "document/platform_ports.h"
#include "engine/muldiv.h"
#include "platform/qt_surface.h"
#include "view/chord_page_painter.h"
#include "view/fretboard_painter.h"
#include "view/rect_helpers.h"
#include "view/view_geometry.h"

using engine::MulDiv;

using view::ToQRect;

CKvwinView::CKvwinView(CKvwinDoc& doc, const ScreenInfo* screen, platform::PrintDriver* printDriver,
                       QWidget* parent)
    : platform::ScrollView(parent), m_doc(doc), m_pPrintDriver(printDriver), m_dpi(screen), m_tracker(viewport())
{
    viewport()->setAutoFillBackground(false);
    // The first move after a rubber band commits the mark, button or not.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    Rect extent{0, 0, m_doc.m_nPageWidth, m_nScale * 120};
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    m_dpi.ScaleRect(extent);
    const int width = extent.right;
    const int height = extent.bottom;
    m_sizeTotal = {width, height};
    m_sizePage = {width, height / 2};
    m_sizeLine = {width / 100, height / 100};
    SetScrollSizes(m_sizeTotal, m_sizePage, m_sizeLine);

    BuildCommands();
}

void CKvwinView::BuildCommands()
{
    m_commands.On(cmd::ViewChordDisplay, [this] { OnViewChordDisplay(); });
    m_commands.On(cmd::ViewFretboard, [this] { OnViewFretboard(); });
    m_commands.OnUpdate(cmd::ViewChordDisplay, [this](CCmdUI& ui) { OnUpdateViewChordDisplay(ui); });
    m_commands.OnUpdate(cmd::ViewFretboard, [this](CCmdUI& ui) { OnUpdateViewFretboard(ui); });
    m_commands.On(cmd::ViewFirstPage, [this] { OnViewFirstPage(); });
    m_commands.On(cmd::ViewPreviousPage, [this] { OnViewPreviousPage(); });
    m_commands.On(cmd::ViewLastPage, [this] { OnViewLastPage(); });
    m_commands.On(cmd::ViewNextPage, [this] { OnViewNextPage(); });
    m_commands.On(cmd::ViewScratchPad, [this] { OnViewScratchPad(); });
    m_commands.On(cmd::EditCopy, [this] { OnEditCopy(); });
    m_commands.On(cmd::EditCopyToScratchPad, [this] { OnEditCopyToScratchPad(); });
    m_commands.On(cmd::EditCutFromScratchPad, [this] { OnEditCutFromScratchPad(); });
    m_commands.On(cmd::EditAttributesOfScratchPadChord, [this] { OnEditAttributesOfScratchPadChord(); });
    m_commands.On(cmd::FilePrint, [this] { OnFilePrint(); });
    m_commands.On(cmd::FilePrintPreview, [this] { OnFilePrintPreview(); });
    m_commands.On(cmd::AddChordToUserDirectory, [this] { OnAddChordToUserDirectory(); });
}

void CKvwinView::OnInitialUpdate(view::ViewFaces& frameFaces, const FontCatalog* fonts)
{
    OnUpdate();
    m_doc.UpdateStatusLine();

    m_faces = frameFaces;
    if (!m_doc.m_bFontsEnumerated) {
        if (fonts != nullptr && m_doc.m_astrFonts.empty()) {
            m_doc.m_astrFonts = fonts->ScalableFamilies();
            document::RemoveDuplicateFonts(m_doc.m_astrFonts);
        }
        m_doc.m_bFontsEnumerated = true;
    }
    // FindMissingFonts keeps a bit set for each face the list lacks.
    const std::uint8_t missing =
        document::FindMissingFonts(m_doc.m_astrFonts, m_faces.header, m_faces.note, m_faces.padTitle);
    const auto replace = [](std::string& viewFace, std::string& frameFace) {
        viewFace = "Arial";
        frameFace = "Arial";
    };
    if (missing & 1)
        replace(m_faces.header, frameFaces.header);
    if (missing & 2)
        replace(m_faces.note, frameFaces.note);
    if (missing & 4)
        replace(m_faces.padTitle, frameFaces.padTitle);
}

void CKvwinView::OnUpdate()
{
    viewport()->update();
    const PersistentSettings* frame = m_doc.MainFrame();
    const bool titleTop = frame == nullptr || frame->m_nChtitleTop != 0;
    const Size extent = view::ScrollExtent(m_doc, titleTop);
    Rect scaled{0, 0, extent.cx, extent.cy};
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    m_dpi.ScaleRect(scaled);
    m_sizeTotal = {scaled.right, scaled.bottom};
    SetScrollSizes(m_sizeTotal, m_sizePage, m_sizeLine);
}

view::PaintContext CKvwinView::Context()
{
    return view::PaintContext{m_doc, m_dpi, m_faces, m_doc.m_bPrinting ? m_pPrintInfo : nullptr};
}

void CKvwinView::RefreshSizeCopies()
{
    m_nScale = m_doc.m_nScale;
    m_nScrollRowChords = m_doc.m_nScrollRowChords;
}

void CKvwinView::OnDraw(platform::Surface& surface)
{
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    // Start-up may still show message boxes; until it has run there is nothing to show.
    if (!m_doc.IsInitialised())
        return;

    DrawDisplay(surface);

    // The mark belongs to the screen; a printed page must not touch it.
    if (!m_doc.m_bPrinting) {
        m_doc.m_ptScroll = surface.mapping().scroll();
        if (m_doc.m_mark.Shown()) {
            m_doc.m_mark.marked = true;
            m_doc.m_mark.scrolled = m_doc.m_mark.rect.offset(Point{} - m_doc.m_ptScroll);
            m_doc.m_mark.scroll = m_doc.m_ptScroll;
            surface.invertRect(surface.dpToLp(m_doc.m_mark.scrolled.normalized()));
        }
    }
}

void CKvwinView::DrawDisplay(platform::Surface& surface)
{
    const int penWidth = m_doc.m_bPrinting ? 10 : MulDiv(10, m_dpi.GetDpiX() + m_dpi.GetDpiY(), 192);
    const platform::Pen oldPen = surface.selectPen(platform::Pen{penWidth, platform::kBlack});
    if (m_doc.m_bScratchPadMode)
        DrawScratchPad(surface);
    else if (m_doc.m_bChordDisplay)
        DrawChordPage(surface, m_doc.m_nPage);
    else
        DrawFretboard(surface);
    surface.selectPen(oldPen);
}

void CKvwinView::DrawChordPage(platform::Surface& surface, int page)
{
    RefreshSizeCopies();
    view::DrawChordPage(surface, Context(), page);
}

void CKvwinView::DrawScratchPad(platform::Surface& surface)
{
    DrawChordPage(surface, 0);
}

void CKvwinView::DrawFretboard(platform::Surface& surface)
{
    RefreshSizeCopies();
    view::DrawFretboard(surface, Context());
}

Rect CKvwinView::LayoutToDevice(Rect logical)
{
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    m_dpi.ScaleRect(logical);
    return ScreenMapping().lpToDp(logical).normalized();
}

Rect CKvwinView::ChordHeaderDeviceRect()
{
    return LayoutToDevice(view::ChordHeaderBand(view::GridDimension(m_doc), m_doc.m_nPageWidth));
}

void CKvwinView::InvalidateChordHeader()
{
    viewport()->update(ToQRect(ChordHeaderDeviceRect()));
}

void CKvwinView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    if (!m_doc.IsInitialised())
        return;
    platform::QtSurface surface(painter, ScreenMapping(m_dpi.GetDpiX(), m_dpi.GetDpiY()));
    OnPrepareDC(surface, nullptr);
    OnDraw(surface);
    if (auto* ui = m_doc.GetPorts().ui)
        ui->RefreshCommandStates();
}

void CKvwinView::focusInEvent(QFocusEvent* event)
{
    platform::ScrollView::focusInEvent(event);
    if (m_doc.m_mark.Shown())
        viewport()->update(ToQRect(m_doc.m_mark.scrolled));
}

void CKvwinView::OnScrollAction(Qt::Orientation)
{
    if (m_doc.m_mark.marked)
        ScrollMarkedRect();
}

void CKvwinView::ScrollMarkedRect()
{
    m_doc.m_ptScroll = GetDeviceScrollPosition();
    m_doc.m_mark.scrolled = m_doc.m_mark.rect.offset(Point{} - m_doc.m_ptScroll);
    const int newTop = std::min(m_doc.m_mark.scrolled.top, 0);
    const bool grew = m_doc.m_mark.top < newTop;
    m_doc.m_mark.top = newTop;
    if (grew)
        viewport()->update(ToQRect(m_doc.m_mark.scrolled));
}

void CKvwinView::UpdateAllViews()
{
    if (auto* ui = m_doc.GetPorts().ui)
        ui->UpdateAllViews();
}

void CKvwinView::Refresh()
{
    UpdateAllViews();
    m_doc.UpdateStatusLine();
}

void CKvwinView::OnViewChordDisplay()
{
    m_doc.m_bChordDisplay = !m_doc.m_bChordDisplay;
    Refresh();
}

void CKvwinView::OnViewFretboard()
{
    m_doc.m_bChordDisplay = !m_doc.m_bChordDisplay;
    if (m_doc.m_mark.Shown())
        m_doc.m_mark.Clear();
    Refresh();
}

void CKvwinView::OnViewScratchPad()
{
    m_doc.m_bScratchPadMode = !m_doc.m_bScratchPadMode;
    Refresh();
}

void CKvwinView::OnUpdateViewChordDisplay(CCmdUI& ui) const
{
    ui.SetCheck(m_doc.m_bChordDisplay ? 1 : 0);
    ui.Enable(!m_doc.m_bScratchPadMode);
}

void CKvwinView::OnUpdateViewFretboard(CCmdUI& ui) const
{
    ui.SetCheck(m_doc.m_bChordDisplay ? 0 : 1);
    ui.Enable(!m_doc.m_bScratchPadMode);
}

void CKvwinView::SetPage(int page)
{
    m_doc.m_nPage = page;
    Refresh();
}

void CKvwinView::OnViewFirstPage()
{
    if (m_doc.m_nPage != 0)
        SetPage(0);
}

void CKvwinView::OnViewPreviousPage()
{
    if (m_doc.m_nPage > 0)
        SetPage(m_doc.m_nPage - 1);
}

void CKvwinView::OnViewNextPage()
{
    if (m_doc.m_nPage + 1 < m_doc.m_nPageCount)
        SetPage(m_doc.m_nPage + 1);
}

void CKvwinView::OnViewLastPage()
{
    if (m_doc.m_nPageCount >= 2 && m_doc.m_nPage + 1 < m_doc.m_nPageCount)
        SetPage(m_doc.m_nPageCount - 1);
}

void CKvwinView::OnFilePrint()
{
    if (m_pPrintDriver != nullptr)
        m_pPrintDriver->Print(*this, window());
}

void CKvwinView::OnFilePrintPreview()
{
    if (m_pPrintDriver != nullptr)
        m_pPrintDriver->PrintPreview(*this, window());
}

bool CKvwinView::OnPreparePrinting(platform::CPrintInfo& info)
{
    // The copy follows the document here too: a size change may not have
    // been painted yet, and the pages are laid out with the document's unit.
    RefreshSizeCopies();
    info.SetMaxPage(view::LastPrintPage(m_doc, m_nScale));
    info.m_bLandscape = !m_doc.m_bScratchPadMode && !m_doc.m_bChordDisplay;
    return true;
}

void CKvwinView::OnBeginPrinting(platform::CPrintInfo&)
{
    m_doc.m_bPrinting = true;
}

void CKvwinView::OnPrepareDC(platform::Surface& surface, platform::CPrintInfo*)
{
    if (m_doc.m_nNumColors == 0)
        m_doc.m_nNumColors = surface.deviceCaps(platform::DeviceCap::NumColors);
}

void CKvwinView::OnPrint(platform::Surface& surface, platform::CPrintInfo& info)
{
    m_pPrintInfo = &info;
    OnDraw(surface);
}

void CKvwinView::OnEndPrinting(platform::CPrintInfo&)
{
    m_doc.m_bPrinting = false;
    m_pPrintInfo = nullptr;
}
