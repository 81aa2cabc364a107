// The view's mouse input: playing a clicked chord, marking a block with a
// rubber band, and dragging marked Scratch Pad chords to a new place.
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <array>
#include <string>

#include "document/kvwin_doc.h"
#include "document/strum.h"
#include "view/hit_test.h"
#include "view/kvwin_view.h"
#include "view/rect_helpers.h"
#include "view/view_geometry.h"

using view::FromQPoint;
using view::ToQRect;

namespace {

// Strictly inside: a press on the mark's edge does not start a drag.
bool StrictlyInside(const Rect& r, Point p)
{
    return p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom;
}

}  // namespace

Point CKvwinView::ToLayout(Point client, Point deviceScroll)
{
    Point p = platform::Mapping::screen().dpToLp(client + deviceScroll);
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    m_dpi.UnscalePoint(p);
    return p;
}

int CKvwinView::HitTestChord(Point client, std::uint8_t& start, bool aboveFrame)
{
    const view::HitLayout layout{m_doc.m_nScale, view::GridDimension(m_doc), m_doc.m_bScratchPadMode,
                                 m_doc.m_nPage, m_doc.m_nPadCount};
    return view::HitTestChord(layout, ToLayout(client, GetDeviceScrollPosition()), start, aboveFrame,
                              m_nLastButton == 1);
}

bool CKvwinView::PlayChordAt(Point client)
{
    std::uint8_t start = 0;
    const int index = HitTestChord(client, start, false);
    const int limit = m_doc.m_bScratchPadMode ? m_doc.m_nPadCount : m_doc.m_nVoicingCount;
    if (index < 0 || index >= limit)
        return false;

    // The left button strums from the 6th string up, the right from the 1st down.
    const bool left = m_nLastButton == 1;
    document::ChordFrets frets{};
    for (std::size_t s = 0; s < frets.size(); ++s)
        frets[s] = m_doc.m_bScratchPadMode ? m_doc.GetPadRow(index).w[pad::FirstFret + s] : m_doc.GetVoicing(index)[s];
    if (auto* midi = m_doc.GetPorts().midi) {
        const auto events = document::StrumEvents(document::StrumOrder(frets, m_doc.m_abTuningNotes, left),
                                                  m_doc.m_nStrumDelay, start);
        document::PlayEvents(*midi, events, m_doc.m_nVelocity, m_doc.m_nDuration);
    }
    return true;
}

void CKvwinView::OnRButtonDown(Point client)
{
    m_nLastButton = 0;
    if (m_doc.m_nVoicingCount != 0 && m_doc.m_bChordDisplay)
        PlayChordAt(client);
}

void CKvwinView::RemoveMark()
{
    viewport()->update(ToQRect(m_doc.m_mark.rect.offset(Point{} - m_doc.m_ptScroll)));
    m_doc.m_mark.Clear();
}

void CKvwinView::OnLButtonDown(Point client)
{
    m_nLastButton = 1;
    if (m_doc.m_mark.marked && m_doc.m_mark.Shown()) {
        // Only the Scratch Pad reorders; a chord-page mark would move pad chords unseen.
        if (m_doc.m_bScratchPadMode && StrictlyInside(m_doc.m_mark.rect, client + m_doc.m_ptScroll))
            m_doc.m_bDragging = true;
        else
            RemoveMark();
    }
    if (m_doc.m_nVoicingCount != 0 && m_doc.m_bChordDisplay && !m_doc.m_bDragging && PlayChordAt(client))
        return;
    if (!m_doc.m_bDragging) {
        m_doc.m_bTracking = true;
        m_tracker.TrackRubberBand(client);
    }
}

void CKvwinView::OnMouseMove(Point)
{
    if (!m_doc.m_bTracking)
        return;
    const Rect block = m_tracker.m_rect.offset(m_doc.m_ptScroll);
    m_doc.m_mark.rect = block;
    m_doc.m_mark.hit = block;
    if (block.width() > 14 || block.height() > 14)
        viewport()->update(ToQRect(m_tracker.m_rect));
    else
        m_doc.ClearSelectionRects();
    m_doc.m_bTracking = false;
}

void CKvwinView::OnLButtonUp(Point client)
{
    if (m_doc.m_mark.Shown())
        RemoveMark();
    if (m_doc.m_bDragging)
        DropDraggedChords(client);
    m_doc.m_bDragging = false;
    m_doc.m_bTracking = false;
}

void CKvwinView::DropDraggedChords(Point client)
{
    int index = -1;
    if (ScratchPadOperation(PadOperation::BuildDragList) >= 0) {
        std::uint8_t start = view::kDropMarker;
        index = HitTestChord(client, start, false);
    }
    if (index != -1) {
        const int count = std::min(m_doc.m_nPadCount, pad::kMaxChords);
        const int drop = std::min(index, count);
        std::vector<ScratchPadChordRow> rows;
        std::vector<std::string> names, names2;
        for (int i = 0; i < count; ++i) {
            rows.push_back(m_doc.GetPadRow(i));
            names.push_back(m_doc.m_astrPadNames[static_cast<std::size_t>(i)]);
            names2.push_back(m_doc.m_astrPadNames2[static_cast<std::size_t>(i)]);
        }
        // Clearing retitles the page; a reorder keeps the user's titles.
        const std::string title = m_doc.m_strPadTitle;
        const std::string title2 = m_doc.m_strPadTitle2;
        m_doc.ClearScratchPad();
        m_doc.m_strPadTitle = title;
        m_doc.m_strPadTitle2 = title2;

        const std::vector<int> dragged(m_abDragList.begin(), m_abDragList.end());
        const std::vector<int> order = view::DropOrder(count, dragged, drop);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const auto from = static_cast<std::size_t>(order[k]);
            m_doc.SetPadRow(static_cast<int>(k), rows[from]);
            m_doc.m_astrPadNames[k] = names[from];
            m_doc.m_astrPadNames2[k] = names2[from];
        }
        m_doc.m_nPadCount = static_cast<int>(order.size());
    }
    UpdateAllViews();
    m_abDragList.clear();
}

void CKvwinView::OnLButtonDblClk(Point client)
{
    if (!m_doc.m_bScratchPadMode)
        return;
    std::uint8_t start = 0;
    const int index = HitTestChord(client, start, true);
    if (index >= 0 && index < m_doc.m_nPadCount)
        EditScratchPadChordAttributes(index);
}

void CKvwinView::mousePressEvent(QMouseEvent* event)
{
    const Point at = FromQPoint(event->position().toPoint());
    if (m_tracker.IsTracking()) {
        // The other button cancels the band, as Escape does; the press goes no further.
        if (event->button() != Qt::LeftButton)
            m_tracker.Cancel();
        return;
    }
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(at);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(at);
}

void CKvwinView::mouseMoveEvent(QMouseEvent* event)
{
    const Point at = FromQPoint(event->position().toPoint());
    if (m_tracker.IsTracking())
        m_tracker.Track(at);
    else
        OnMouseMove(at);
}

void CKvwinView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The release that ends a band belongs to the band, not to OnLButtonUp.
    if (m_tracker.IsTracking()) {
        if (m_tracker.Finish())
            m_tracker.m_rect = m_tracker.m_rect.normalized();
    } else {
        OnLButtonUp(FromQPoint(event->position().toPoint()));
    }
    if (auto* ui = m_doc.GetPorts().ui)
        ui->RefreshCommandStates();
}

void CKvwinView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is no press: it must not strum again.
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(FromQPoint(event->position().toPoint()));
}

void CKvwinView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_tracker.IsTracking()) {
        m_tracker.Cancel();
        return;
    }
    platform::ScrollView::keyPressEvent(event);
}
