#pragma once
#include <QPoint>
#include <QRect>

#include "document/geometry.h"

namespace view {

// Device pixels to Qt; a rectangle is normalised first, as InvalidateRect takes either order.
inline QRect ToQRect(const Rect& r)
{
    const Rect n = r.normalized();
    return QRect(n.left, n.top, n.width(), n.height());
}

inline Point FromQPoint(QPoint p)
{
    return {p.x(), p.y()};
}

// A rectangle counts as present when both its sides differ, in either order.
inline bool HasArea(const Rect& r)
{
    return r.left != r.right && r.top != r.bottom;
}

}  // namespace view
