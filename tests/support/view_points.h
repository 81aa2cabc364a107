#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include "document/kvwin_doc.h"
#include "platform/surface.h"
#include "view/kvwin_view.h"
#include "view/view_geometry.h"

namespace testsupport {

// The viewport pixel of the point u, v units into cell i of the page the
// view shows, at its scroll and screen resolution.
inline QPoint ViewportPoint(CKvwinView& view, const CKvwinDoc& doc, int i, double u, double v)
{
    const int n = view::GridDimension(doc);
    const int s = doc.m_nScale;
    const int rowHeight = doc.m_bScratchPadMode ? view::kPadRowHeight : view::kChordRowHeight;
    Point logical{static_cast<int>(((i % n) * view::kCellWidth + u) * s),
                  -static_cast<int>(((i / n) * rowHeight + v) * s)};
    view.Dpi().SetScaling(true);
    view.Dpi().ScalePoint(logical);
    const Point p = platform::Mapping::screen(view.GetDeviceScrollPosition()).lpToDp(logical);
    return {p.x, p.y};
}

// A move with no button held: QTest would only set the cursor.
inline void Hover(QWidget* viewport, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// A rubber band from a to b, the move after it that commits the mark, and a
// paint, which turns the mark on.
inline void Band(QWidget* viewport, QPoint a, QPoint b)
{
    QTest::mousePress(viewport, Qt::LeftButton, {}, a);
    QTest::mouseMove(viewport, (a + b) / 2);
    QTest::mouseMove(viewport, b);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, b);
    Hover(viewport, b + QPoint(1, 1));
    (void)viewport->grab();
}

}  // namespace testsupport
