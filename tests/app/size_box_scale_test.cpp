#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "app/kvwin_bar.h"
#include "app_fixture.h"
#include "support/display_scale.h"

namespace {

using testsupport::ExpectedScale;

// The display scale is QT_SCALE_FACTOR's, read once when the program starts:
// CTest runs this program once per scale (1, 1.25, 1.5 and 2).
class SizeBoxScale : public AppFixture {};

TEST_F(SizeBoxScale, TheSizeBoxShowsItsWidestEntry)
{
    Start();
    Frame().show();
    QCoreApplication::processEvents();
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    ASSERT_DOUBLE_EQ(box->devicePixelRatioF(), ExpectedScale());

    EXPECT_GE(box->width(), box->sizeHint().width());
    // 12 pixels, the box's font on a 100 % screen, in logical pixels.
    EXPECT_GE(box->font().pixelSize(), 12);

    // The room left for the text beside the style's frame and arrow.
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    EXPECT_GE(field.width(), widest) << "box " << box->width() << " wide";

    // The gap before the box keeps its 16 pixels.
    const QList<QAction*> items = Frame().m_wndToolBar->actions();
    qsizetype at = 0;
    while (at < items.size() && Frame().m_wndToolBar->widgetForAction(items[at]) != box)
        ++at;
    ASSERT_GT(at, 0);
    ASSERT_LT(at, items.size());
    EXPECT_EQ(Frame().m_wndToolBar->widgetForAction(items[at - 1])->width(), 16);
}

}  // namespace
