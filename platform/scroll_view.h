#pragma once
#include <QAbstractScrollArea>

#include "document/geometry.h"
#include "platform/surface.h"

namespace platform {

// A scroll area whose extent is given in MM_HIENGLISH logical units, as a
// scrolling view keeps it: total, page step and line step. The bars range
// over what the viewport cannot show and follow its size.
class ScrollView : public QAbstractScrollArea {
public:
    explicit ScrollView(QWidget* parent = nullptr);

    void SetScrollSizes(Size total, Size page, Size line);
    // Device pixels of the viewport: the extent, the steps, the position.
    Size GetTotalDeviceSize() const { return m_total; }
    Size GetPageDeviceSize() const { return m_page; }
    Size GetLineDeviceSize() const { return m_line; }
    Point GetDeviceScrollPosition() const;
    // The screen mapping at the current scroll position.
    Mapping ScreenMapping(int logPixelsX = 96, int logPixelsY = 96) const;

protected:
    // Before a bar moves, whatever moves it: arrows, pages, the thumb, the
    // wheel or the keyboard.
    virtual void OnScrollAction(Qt::Orientation orientation);

    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateBars();

    Size m_total;
    Size m_page;
    Size m_line;
};

}  // namespace platform
