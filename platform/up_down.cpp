#include "platform/up_down.h"

#include <algorithm>

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace platform {

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setBuddy(QLineEdit* buddy, BuddyRole role)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    m_role = role;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDown::setRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    m_pos = clamp(m_pos);
}

int UpDown::clamp(int value) const
{
    return std::clamp(value, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}

void UpDown::setPos(int pos)
{
    m_pos = clamp(pos);
    if (QLineEdit* edit = shownIn())
        edit->setText(QString::number(m_pos));
}

int UpDown::pos() const
{
    if (QLineEdit* edit = shownIn()) {
        bool ok = false;
        const int typed = edit->text().trimmed().toInt(&ok);
        if (ok && typed == clamp(typed))
            return typed;
    }
    return m_pos;
}

void UpDown::step(int steps)
{
    const int delta = steps > 0 ? 1 : -1;
    emit stepped(delta);
    const int from = pos();
    const int direction = m_upper >= m_lower ? delta : -delta;
    const int to = clamp(from + direction * std::abs(steps));
    m_pos = to;
    if (to == from)
        return;
    if (QLineEdit* edit = shownIn())
        edit->setText(QString::number(to));
    emit posChanged(to);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace platform
