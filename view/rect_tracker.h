#pragma once
#include <QPointer>
#include <QRubberBand>

#include "document/geometry.h"

namespace view {

// The rubber band of a marking drag, in pixels of the widget it is drawn
// on. It runs from a press to its release; Escape or the other button puts
// the rectangle back where it started.
class RectTracker {
public:
    explicit RectTracker(QWidget* area) : m_pArea(area) {}

    // The rectangle is (origin, origin) until the pointer moves.
    void TrackRubberBand(Point origin);
    bool IsTracking() const { return m_bTracking; }
    // The pointer moved with the button held: the corner follows it, on
    // either side of the origin.
    void Track(Point to);
    // The button came up: true when the rectangle changed.
    bool Finish();
    void Cancel();

    // Not normalised: right may lie left of left.
    Rect m_rect;

private:
    void Show();

    QWidget* m_pArea;
    // Made on first use; the area owns it.
    QPointer<QRubberBand> m_pBand;
    bool m_bTracking = false;
    Rect m_rectStart;
};

}  // namespace view
