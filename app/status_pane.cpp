#include "app/status_pane.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

StatusPane::StatusPane(QWidget* parent) : QLabel(parent)
{
    // Chord names are shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
}

QSize StatusPane::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QString StatusPane::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

bool StatusPane::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (ShownText() != text())
        QToolTip::showText(help->globalPos(), text(), this);
    else
        QToolTip::hideText();
    return true;
}

void StatusPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), ShownText(), foregroundRole());
}
