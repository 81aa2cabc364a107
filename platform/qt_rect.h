#pragma once
#include <QRect>

#include "document/geometry.h"

namespace platform {

// QRect's right() and bottom() lie inside it; ours lie outside.
inline Rect fromQRect(const QRect& r)
{
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

}  // namespace platform
