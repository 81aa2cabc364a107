#include "view/rect_tracker.h"

namespace view {

void RectTracker::TrackRubberBand(Point origin)
{
    m_rect = {origin.x, origin.y, origin.x, origin.y};
    m_rectStart = m_rect;
    m_bTracking = true;
}

void RectTracker::Track(Point to)
{
    if (!m_bTracking)
        return;
    m_rect.right = to.x;
    m_rect.bottom = to.y;
    Show();
}

bool RectTracker::Finish()
{
    if (m_pBand != nullptr)
        m_pBand->hide();
    const bool wasTracking = m_bTracking;
    m_bTracking = false;
    return wasTracking && m_rect != m_rectStart;
}

void RectTracker::Cancel()
{
    if (m_pBand != nullptr)
        m_pBand->hide();
    m_rect = m_rectStart;
    m_bTracking = false;
}

void RectTracker::Show()
{
    if (m_pBand == nullptr)
        m_pBand = new QRubberBand(QRubberBand::Rectangle, m_pArea);
    const Rect r = m_rect.normalized();
    m_pBand->setGeometry(r.left, r.top, r.width(), r.height());
    m_pBand->show();
}

}  // namespace view
