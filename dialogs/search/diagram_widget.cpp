#include "dialogs/search/diagram_widget.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace dialogs {

DiagramWidget::DiagramWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab; a click marks and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void DiagramWidget::SetEntry(const ports::DiagramEntry& entry)
{
    m_entry = entry;
}

void DiagramWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const DiagramGeometry g = Geometry();
    if (!g.Usable())
        return;

    p.setPen(QPen(Qt::black, 1));
    for (int k = 0; k < 6; ++k)
        p.drawLine(g.StringX(k), g.NutY(), g.StringX(k), g.StringsBottom());
    for (int k = 0; k < 5; ++k)
        p.drawLine(g.StringX(0), g.FretY(k), g.StringX(5), g.FretY(k));

    p.setRenderHint(QPainter::Antialiasing);
    for (int c = 0; c < 6; ++c) {
        const std::uint8_t b = m_entry[static_cast<std::size_t>(c)];
        const int position = b & 7;
        if (position == 0 || !(b & ports::kDiagramDot))
            continue;
        if (const auto box = g.MarkerBox(c, position)) {
            // The open string's marker is a ring, a fretted one a dot.
            p.setBrush(position == 1 ? Qt::white : Qt::black);
            p.drawEllipse(QRectF(box->left + 0.5, box->top + 0.5, box->width - 1, box->height - 1));
        }
    }
    if (hasFocus()) {
        if (const auto box = g.MarkerBox(m_cursor.column, m_cursor.position)) {
            QStyleOptionFocusRect frame;
            frame.initFrom(this);
            frame.rect = QRect(box->left - 1, box->top - 1, box->width + 2, box->height + 2);
            frame.backgroundColor = Qt::white;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
        }
    }
}

void DiagramWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        emit pressed(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

void DiagramWidget::keyPressEvent(QKeyEvent* event)
{
    DiagramHit to = m_cursor;
    switch (event->key()) {
    case Qt::Key_Left:
        to.column = std::max(0, to.column - 1);
        break;
    case Qt::Key_Right:
        to.column = std::min(5, to.column + 1);
        break;
    case Qt::Key_Up:
        to.position = std::max(1, to.position - 1);
        break;
    case Qt::Key_Down:
        to.position = std::min(5, to.position + 1);
        break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit chosen(m_cursor.column, m_cursor.position);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_cursor = to;
    update();
}

}  // namespace dialogs
