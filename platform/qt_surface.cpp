#include "platform/qt_surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include "platform/qt_colour.h"

namespace platform {

namespace {

QRect toQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont::StyleHint styleHintOf(std::uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10:  // FF_ROMAN
        return QFont::Serif;
    case 0x20:  // FF_SWISS
        return QFont::SansSerif;
    case 0x30:  // FF_MODERN
        return QFont::TypeWriter;
    case 0x40:  // FF_SCRIPT
        return QFont::Cursive;
    case 0x50:  // FF_DECORATIVE
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

}  // namespace

QtSurface::QtSurface(QPainter& painter, const Mapping& mapping) : Surface(mapping), m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

QFont QtSurface::toQFont(const LogFont& font, const Mapping& mapping)
{
    QFont f;
    if (!font.face.empty())
        f.setFamily(QString::fromStdString(font.face));
    if (const int px = mapping.fontHeightToDp(font.height); px > 0)
        f.setPixelSize(px);
    const int weight = font.weight <= 0 ? 400 : (font.weight > 1000 ? 1000 : font.weight);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(font.italic);
    f.setStyleHint(styleHintOf(font.pitchAndFamily));
    return f;
}

bool QtSurface::drawLine(Point from, Point to)
{
    QPen pen(toQColor(state().pen.colour));
    pen.setWidth(mapping().penWidthToDp(state().pen.width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    const Point a = lpToDp(from);
    const Point b = lpToDp(to);
    m_painter.drawLine(QPoint(a.x, a.y), QPoint(b.x, b.y));
    return m_painter.isActive();
}

bool QtSurface::drawText(Point topLeft, std::string_view text)
{
    m_painter.setFont(toQFont(state().font, mapping()));
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QString s = toQString(text);
    const Point at = lpToDp(topLeft);
    if (state().bkMode == BkMode::Opaque) {
        m_painter.fillRect(QRect(at.x, at.y, metrics.horizontalAdvance(s), metrics.ascent() + metrics.descent()),
                           toQColor(state().bkColour));
    }
    m_painter.setPen(QPen(toQColor(state().textColour)));
    m_painter.drawText(QPoint(at.x, at.y + metrics.ascent()), s);
    return m_painter.isActive();
}

Size QtSurface::measureText(std::string_view text) const
{
    const QFontMetrics metrics(toQFont(state().font, mapping()), m_painter.device());
    return {mapping().lengthToLpX(metrics.horizontalAdvance(toQString(text))),
            mapping().lengthToLpY(metrics.ascent() + metrics.descent())};
}

bool QtSurface::drawEllipse(const Rect& box)
{
    QPen pen(toQColor(state().pen.colour));
    pen.setWidth(mapping().penWidthToDp(state().pen.width));
    m_painter.setPen(pen);
    m_painter.setBrush(QBrush(toQColor(state().brush.colour)));
    // Qt's outline covers right and bottom too; GDI's stops short of them.
    const Rect d = lpToDp(box).normalized();
    if (d.isEmpty())
        return m_painter.isActive();
    m_painter.drawEllipse(QRect(d.left, d.top, d.width() - 1, d.height() - 1));
    return m_painter.isActive();
}

void QtSurface::drawPlusEllipse(const Rect& box, Argb colour, bool filled)
{
    const Rect d = lpToDp(box).normalized();
    if (filled) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QBrush(argbToQColor(colour)));
    } else {
        // One device pixel: a 1.0 pen in thousandths of an inch would vanish.
        QPen pen(argbToQColor(colour));
        pen.setCosmetic(true);
        pen.setWidth(1);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
    }
    m_painter.drawEllipse(toQRect(d));
}

void QtSurface::drawInvertedRect(const Rect& rect)
{
    if (mapping().mode() != MapMode::HiEnglish)
        return;
    const Rect d = lpToDp(rect).normalized();
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter.fillRect(toQRect(d), Qt::black);
    m_painter.restore();
}

}  // namespace platform
