#include "dialogs/search/marker_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace dialogs {

namespace {

QPixmap Blank(int dpiClass, qreal dpr)
{
    const int size = MarkerPictureSize(dpiClass);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

}  // namespace

int MarkerPictureSize(int dpiClass)
{
    return dpiClass == 3 ? 32 : dpiClass == 2 ? 24 : 16;
}

QPixmap DotPicture(int dpiClass, qreal dpr)
{
    QPixmap pixmap = Blank(dpiClass, dpr);
    const qreal s = MarkerPictureSize(dpiClass) / dpr;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6));
    return pixmap;
}

QPixmap EraserPicture(int dpiClass, qreal dpr)
{
    QPixmap pixmap = Blank(dpiClass, dpr);
    const qreal s = MarkerPictureSize(dpiClass) / dpr;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(s / 2, s / 2);
    p.rotate(-40);
    // A block eraser, its rubber end pink, lying across the square.
    const QRectF body(-s * 0.42, -s * 0.2, s * 0.84, s * 0.4);
    QRectF rubber = body;
    rubber.setRight(body.left() + body.width() * 0.4);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), qMax<qreal>(1.0, s / 16)));
    p.setBrush(QColor(0x9C, 0xB8, 0xE0));
    p.drawRoundedRect(body, s * 0.06, s * 0.06);
    p.setBrush(QColor(0xF2, 0x9C, 0xB4));
    p.drawRoundedRect(rubber, s * 0.06, s * 0.06);
    return pixmap;
}

}  // namespace dialogs
