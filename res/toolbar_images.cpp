#include "res/toolbar_images.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "document/command_ids.h"

namespace res {
namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the button.
constexpr qreal kGrid = 32.0;

const QColor kInk(40, 40, 48);
const QColor kArrow(46, 125, 50);
const QColor kArrowLight(129, 199, 132);
const QColor kNavy(33, 66, 140);
const QColor kPaper(252, 252, 248);
const QColor kPad(255, 224, 102);
const QColor kWood(176, 120, 64);
const QColor kRed(211, 47, 47);

QPen Pen(const QColor& colour, qreal width = 2.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Arrow(QPainter& p, bool left)
{
    QPolygonF shape{{4, 16}, {16, 4}, {16, 11}, {28, 11}, {28, 21}, {16, 21}, {16, 28}};
    if (!left)
        for (QPointF& point : shape)
            point.setX(kGrid - point.x());
    QLinearGradient fill(0, 4, 0, 28);
    fill.setColorAt(0, kArrowLight);
    fill.setColorAt(1, kArrow);
    p.setPen(Pen(kArrow.darker(140), 1.8));
    p.setBrush(fill);
    p.drawPolygon(shape);
}

void Keyboard(QPainter& p)
{
    p.setPen(Pen(kInk, 1.6));
    p.setBrush(kPaper);
    for (int key = 0; key < 4; ++key)
        p.drawRect(QRectF(3 + key * 6.5, 6, 6.5, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (qreal x : {7.5, 14.0, 20.5})
        p.drawRect(QRectF(x, 6, 4, 12));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(12.5, 23), 2.4, 2.4);
    p.drawEllipse(QPointF(25.5, 23), 2.4, 2.4);
}

void Book(QPainter& p)
{
    p.setPen(Pen(kNavy.darker(130), 1.6));
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(6, 3, 21, 26), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 5, 16, 22));
    p.setPen(Pen(kInk, 1.6));
    for (qreal y : {10.0, 15.0, 20.0})
        p.drawLine(QPointF(12, y), QPointF(22, y));
    p.setPen(Pen(kNavy.lighter(150), 2.5));
    p.drawLine(QPointF(7.5, 4), QPointF(7.5, 28));
}

void Fretboard(QPainter& p)
{
    p.setPen(Pen(kWood.darker(150), 1.4));
    p.setBrush(kWood);
    p.drawRect(QRectF(2, 7, 28, 18));
    p.setPen(Pen(QColor(230, 230, 230), 1.6));
    for (qreal x : {10.0, 18.0, 26.0})
        p.drawLine(QPointF(x, 7), QPointF(x, 25));
    p.setPen(Pen(QColor(250, 240, 200), 1.0));
    for (qreal y : {10.0, 14.0, 18.0, 22.0})
        p.drawLine(QPointF(2, y), QPointF(30, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(14, 14), 2.6, 2.6);
    p.setBrush(QColor(30, 100, 220));
    p.drawEllipse(QPointF(22, 18), 2.6, 2.6);
}

void Pad(QPainter& p, const QRectF& r)
{
    p.setPen(Pen(QColor(150, 120, 20), 1.5));
    p.setBrush(kPad);
    p.drawRect(r);
    p.setPen(Pen(kInk, 1.4));
    const qreal step = r.width() / 4;
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left() + i * step, r.top() - 2.5), QPointF(r.left() + i * step, r.top() + 2));
}

// A small chord diagram: strings down, frets across.
void ChordGrid(QPainter& p, const QRectF& r, const QColor& ink)
{
    p.setPen(Pen(ink, 1.3));
    for (int s = 0; s < 4; ++s) {
        const qreal x = r.left() + s * r.width() / 3;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    for (int f = 0; f < 4; ++f) {
        const qreal y = r.top() + f * r.height() / 3;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

void ScratchPad(QPainter& p)
{
    Pad(p, QRectF(5, 6, 22, 23));
    ChordGrid(p, QRectF(10, 12, 12, 12), kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(14, 14), 1.8, 1.8);
}

void ReducedSpan(QPainter& p)
{
    p.setPen(Pen(kInk, 1.5));
    for (qreal x : {3.0, 7.0, 11.0, 15.0, 19.0})
        p.drawLine(QPointF(x, 5), QPointF(x, 27));
    for (qreal y : {5.0, 13.0, 19.0, 27.0})
        p.drawLine(QPointF(3, y), QPointF(19, y));
    p.setPen(Pen(kRed, 2.2));
    p.drawLine(QPointF(26, 3), QPointF(26, 11));
    p.drawLine(QPointF(22.5, 7.5), QPointF(26, 11));
    p.drawLine(QPointF(29.5, 7.5), QPointF(26, 11));
    p.drawLine(QPointF(26, 29), QPointF(26, 21));
    p.drawLine(QPointF(22.5, 24.5), QPointF(26, 21));
    p.drawLine(QPointF(29.5, 24.5), QPointF(26, 21));
    p.drawLine(QPointF(22, 13), QPointF(30, 13));
    p.drawLine(QPointF(22, 19), QPointF(30, 19));
}

void Scissors(QPainter& p)
{
    p.setPen(Pen(QColor(120, 120, 130), 2.4));
    p.drawLine(QPointF(9, 3), QPointF(20, 21));
    p.drawLine(QPointF(23, 3), QPointF(12, 21));
    p.setPen(Pen(kRed, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 24), 4.5, 4.5);
    p.drawEllipse(QPointF(22, 24), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 12), 1.5, 1.5);
}

void CopyToPad(QPainter& p)
{
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2, 3, 14, 16));
    ChordGrid(p, QRectF(5, 7, 8, 9), kInk);
    Pad(p, QRectF(16, 14, 14, 15));
    p.setPen(Pen(kArrow, 2.4));
    p.drawLine(QPointF(9, 23), QPointF(14, 23));
    p.drawLine(QPointF(9, 21), QPointF(9, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF{{13, 19}, {19, 23}, {13, 27}});
}

void Clipboard(QPainter& p)
{
    p.setPen(Pen(kWood.darker(160), 1.5));
    p.setBrush(kWood);
    p.drawRoundedRect(QRectF(4, 4, 20, 25), 2, 2);
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(9, 2, 10, 5), 1.5, 1.5);
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawRect(QRectF(13, 11, 16, 19));
    for (qreal y : {16.0, 20.0, 24.0})
        p.drawLine(QPointF(16, y), QPointF(26, y));
}

void Eraser(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-40);
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(QColor(240, 128, 144));
    p.drawRoundedRect(QRectF(-13, -6, 14, 12), 2, 2);
    p.setBrush(QColor(90, 130, 220));
    p.drawRoundedRect(QRectF(1, -6, 12, 12), 2, 2);
    p.restore();
}

void Printer(QPainter& p)
{
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(160, 165, 175));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 19, 16, 10));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawEllipse(QPointF(25, 15.5), 1.6, 1.6);
}

void Preview(QPainter& p)
{
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 2, 18, 25));
    for (qreal y : {7.0, 11.0, 15.0})
        p.drawLine(QPointF(7, y), QPointF(19, y));
    p.setPen(Pen(kInk, 3.2));
    p.drawLine(QPointF(22, 22), QPointF(29, 29));
    p.setPen(Pen(kNavy, 2.2));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(18, 18), 6, 6);
}

// Page moves: -2 first, -1 previous, 1 next, 2 last.
void PageArrow(QPainter& p, int move)
{
    const bool back = move < 0;
    const bool toEnd = move == -2 || move == 2;
    QPolygonF triangle{{21, 6}, {21, 26}, {7, 16}};
    QRectF bar(5, 6, 3.5, 20);
    if (toEnd)
        triangle.translate(3, 0);
    if (!back) {
        for (QPointF& point : triangle)
            point.setX(kGrid - point.x());
        bar.moveLeft(kGrid - bar.right());
    }
    p.setPen(Pen(kNavy.darker(130), 1.2));
    p.setBrush(kNavy);
    p.drawPolygon(triangle);
    if (toEnd)
        p.drawRect(bar);
}

void About(QPainter& p)
{
    p.setPen(Pen(kNavy.darker(130), 1.5));
    p.setBrush(kNavy);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    p.drawRoundedRect(QRectF(13.8, 13.5, 4.4, 11.5), 1, 1);
}

void ContextHelp(QPainter& p)
{
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{3, 3}, {3, 23}, {8, 18}, {12, 27}, {15, 25.5}, {11, 17}, {18, 17}});
    QPainterPath mark;
    mark.moveTo(19, 8);
    mark.cubicTo(19, 2, 29, 2, 29, 8);
    mark.cubicTo(29, 12, 24, 12, 24, 17);
    p.setPen(Pen(kNavy, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(QPointF(24, 23), 2.0, 2.0);
}

bool Draw(QPainter& p, int commandId)
{
    switch (commandId) {
    case cmd::ViewBack: Arrow(p, true); return true;
    case cmd::ViewForward: Arrow(p, false); return true;
    case cmd::SearchTonalith: Keyboard(p); return true;
    case cmd::SearchChordDirectory: Book(p); return true;
    case cmd::ViewFretboard: Fretboard(p); return true;
    case cmd::ViewScratchPad: ScratchPad(p); return true;
    case cmd::ReducedSpan: ReducedSpan(p); return true;
    case cmd::EditCutFromScratchPad: Scissors(p); return true;
    case cmd::EditCopyToScratchPad: CopyToPad(p); return true;
    case cmd::EditCopy: Clipboard(p); return true;
    case cmd::ViewClear: Eraser(p); return true;
    case cmd::FilePrint: Printer(p); return true;
    case cmd::FilePrintPreview: Preview(p); return true;
    case cmd::ViewFirstPage: PageArrow(p, -2); return true;
    case cmd::ViewPreviousPage: PageArrow(p, -1); return true;
    case cmd::ViewNextPage: PageArrow(p, 1); return true;
    case cmd::ViewLastPage: PageArrow(p, 2); return true;
    case cmd::AppAbout: About(p); return true;
    case cmd::ContextHelp: ContextHelp(p); return true;
    default: return false;
    }
}

}  // namespace

QImage ToolbarImage(int commandId, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Keep the pictures square: centre the grid on the longer side.
    const qreal side = std::min(width, height);
    painter.translate((width - side) / 2.0, (height - side) / 2.0);
    painter.scale(side / kGrid, side / kGrid);
    if (!Draw(painter, commandId))
        return {};
    return image;
}

}  // namespace res
