#pragma once
#include <QColor>

#include "platform/surface.h"

namespace platform {

// The one crossing between COLORREF (0x00BBGGRR) and Qt. QColor(QRgb) reads
// 0xAARRGGBB and would swap red and blue.
inline QColor toQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline Colour fromQColor(const QColor& c)
{
    return rgb(c.red(), c.green(), c.blue());
}

inline QColor argbToQColor(Argb c)
{
    return QColor(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>(c & 0xFF), static_cast<int>((c >> 24) & 0xFF));
}

}  // namespace platform
