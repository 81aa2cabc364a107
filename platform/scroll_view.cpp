#include "platform/scroll_view.h"

#include <QScrollBar>

#include <algorithm>

namespace platform {

ScrollView::ScrollView(QWidget* parent) : QAbstractScrollArea(parent)
{
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int) { OnScrollAction(Qt::Horizontal); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int) { OnScrollAction(Qt::Vertical); });
}

void ScrollView::SetScrollSizes(Size total, Size page, Size line)
{
    const Mapping screen = Mapping::screen();
    m_total = screen.lpToDp(total);
    m_page = screen.lpToDp(page);
    m_line = screen.lpToDp(line);
    UpdateBars();
}

Point ScrollView::GetDeviceScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

Mapping ScrollView::ScreenMapping(int logPixelsX, int logPixelsY) const
{
    return Mapping::screen(GetDeviceScrollPosition(), logPixelsX, logPixelsY);
}

void ScrollView::OnScrollAction(Qt::Orientation) {}

void ScrollView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
}

void ScrollView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ScrollView::UpdateBars()
{
    const QSize view = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, m_total.cx - view.width()));
    v->setRange(0, std::max(0, m_total.cy - view.height()));
    h->setPageStep(std::max(1, m_page.cx));
    v->setPageStep(std::max(1, m_page.cy));
    h->setSingleStep(std::max(1, m_line.cx));
    v->setSingleStep(std::max(1, m_line.cy));
}

}  // namespace platform
