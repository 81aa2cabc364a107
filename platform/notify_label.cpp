#include "platform/notify_label.h"

#include <QMouseEvent>

namespace platform {

void NotifyLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so the release comes back to this label.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void NotifyLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

}  // namespace platform
