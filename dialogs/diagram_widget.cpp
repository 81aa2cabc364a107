#include "dialogs/diagram_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace dialogs {

DiagramWidget::DiagramWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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
}

void DiagramWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        emit pressed(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

}  // namespace dialogs
