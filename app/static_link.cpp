#include "app/static_link.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionFocusRect>
#include <QUrl>

#include "platform/qt_colour.h"
#include "platform/url_opener.h"

CStaticLink::CStaticLink(const QString& text, QWidget* parent) : NotifyLabel(text, parent)
{
    setObjectName(QStringLiteral("CStaticLink"));
    // Only the underline is set here; the rest of the font comes from the dialog.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    // A click opens without taking the focus, as before.
    setFocusPolicy(Qt::TabFocus);
    ApplyColour();
    connect(this, &NotifyLabel::clicked, this, &CStaticLink::OnClicked);
}

QString CStaticLink::LinkTarget(const QString& link)
{
    if (!link.isEmpty() && link.contains(QLatin1Char('@')))
        return QStringLiteral("mailto:") + link;
    return link;
}

void CStaticLink::OnClicked()
{
    if (m_strLink.isEmpty())
        m_strLink = text();
    const QString target = LinkTarget(m_strLink);
    // A web address without a scheme, as a browser takes it.
    const QUrl url = target.startsWith(QStringLiteral("mailto:")) ? QUrl(target) : QUrl::fromUserInput(target);
    if (target.isEmpty() || !platform::OpenUrl(url)) {
        QApplication::beep();
        return;
    }
    m_bVisited = 1;
    ApplyColour();
    update();
}

void CStaticLink::ApplyColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, platform::toQColor(m_bVisited ? m_colorVisited : m_colorUnvisited));
    setPalette(colours);
}

void CStaticLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            OnClicked();
        return;
    }
    NotifyLabel::keyPressEvent(event);
}

void CStaticLink::paintEvent(QPaintEvent* event)
{
    NotifyLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
