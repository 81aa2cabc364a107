#pragma once
#include "platform/surface.h"

class QFont;
class QPainter;

namespace platform {

// The surface over a QPainter on a widget, a QImage, a QPrinter or the
// print preview's printer. The painter keeps the identity transform: every
// coordinate is mapped here, so Qt never scales pens or mirrors glyphs.
// Antialiasing is switched off, as GDI and GDI+ in its default mode draw.
class QtSurface final : public Surface {
public:
    // The painter must be active and outlive the surface.
    QtSurface(QPainter& painter, const Mapping& mapping);

    // The QFont a LogFont stands for on this mapping's device.
    static QFont toQFont(const LogFont& font, const Mapping& mapping);

protected:
    bool drawLine(Point from, Point to) override;
    bool drawText(Point topLeft, std::string_view text) override;
    Size measureText(std::string_view text) const override;
    bool drawEllipse(const Rect& box) override;
    void drawPlusEllipse(const Rect& box, Argb colour, bool filled) override;
    void drawInvertedRect(const Rect& rect) override;

private:
    QPainter& m_painter;
};

}  // namespace platform
