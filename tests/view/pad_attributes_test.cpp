// The view's side of the attributes dialog: which chord it opens, what OK
// writes back and what it repaints.
#include <QApplication>
#include <QPaintEvent>

#include "document/command_ids.h"
#include "document/pad_attributes_port.h"
#include "tests/support/fake_pad_attributes.h"
#include "tests/view/mouse_fixture.h"
#include "view/view_geometry.h"

namespace {

TEST(PadGeometry, TheCellAndTitleThatNewAttributesRepaint)
{
    struct Case {
        int index, n, scale;
        bool titleTop;
        Rect cell;
    };
    const Case cases[] = {
        {0, 6, 40, true, {80, -280, 1840, -2680}},
        {7, 6, 40, false, {1840, -2680, 3600, -5360}},
        {4, 3, 80, true, {3680, -5360, 7200, -10160}},
        {24, 5, 50, true, {8900, -12350, 11100, -15350}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view::PadChordCell(c.index, c.n, c.scale, c.titleTop), c.cell) << c.index << " of " << c.n;
    EXPECT_EQ(view::PadTitleArea(40, 11000), (Rect{1200, 0, 11000, -320}));
    EXPECT_EQ(view::PadTitleArea(80, 11000), (Rect{1200, 0, 11000, -640}));
}

// The regions the viewport is asked to repaint.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

struct PadAttributesView : MouseFixture {
    FakePadAttributes dialogs;
    PaintSpy spy;

    void Open(int count)
    {
        startView(2);  // five a row, size unit 50
        AddNamedPadChords(count);
        doc->m_bScratchPadMode = true;
        doc->GetPorts().padAttributes = &dialogs;
        doc->m_strPadTitle = "Pad";
        view->show();
        Ready();
        QApplication::processEvents();
        viewport()->installEventFilter(&spy);
    }

    // The repaints that the edit asked for.
    QRegion Edit(int index)
    {
        spy.painted = QRegion();
        view->EditScratchPadChordAttributes(index);
        QApplication::processEvents();
        return spy.painted;
    }

    ports::PadChordAttributes Changed(const std::string& pageTitle)
    {
        ports::PadChordAttributes v = doc->MakePadAttributesPreset(7).values;
        v.words = {3, 1, 0, 2, 3, 21, 0, 0};
        v.upperLine = "new";
        v.fingers = {0, 1, 0, 2, 3, 0};
        v.pageTitle = pageTitle;
        return v;
    }
};

TEST_F(PadAttributesView, OkRepaintsTheChordsCellAndThePageTitleOnly)
{
    Open(9);
    const QRegion viewportArea(viewport()->rect());
    // Chord 7 at 96 dpi: cell units 90..134 across, 67..127 down, times 50.
    const QRegion cell = QRegion(432, 322, 643 - 432, 610 - 322) & viewportArea;
    const QRegion title = QRegion(115, 0, 1056 - 115, 38) & viewportArea;

    dialogs.result = {true, Changed("Pad")};
    EXPECT_EQ(Edit(7), cell);
    EXPECT_EQ(doc->GetPadRow(7).w[0], 3);
    EXPECT_EQ(doc->m_astrPadNames[7], "new");
    EXPECT_EQ(doc->GetPadRow(7).Finger(4), 3);

    dialogs.result = {true, Changed("Barre chords")};
    EXPECT_EQ(Edit(7), cell | title);
    EXPECT_EQ(doc->m_strPadTitle, "Barre chords");
}

TEST_F(PadAttributesView, CancelChangesAndRepaintsNothing)
{
    Open(9);
    const ScratchPadChordRow before = doc->GetPadRow(7);
    dialogs.result = {false, Changed("Other")};
    EXPECT_TRUE(Edit(7).isEmpty());
    EXPECT_EQ(doc->GetPadRow(7).w, before.w);
    EXPECT_EQ(doc->m_astrPadNames[7], "7");
    EXPECT_EQ(doc->m_astrPadNames2[7], "second 7");
    EXPECT_EQ(doc->m_strPadTitle, "Pad");
    EXPECT_EQ(frame.m_nPgtitle, 1);
    ASSERT_EQ(dialogs.presets.size(), 1u);
    EXPECT_EQ(dialogs.presets[0].values.upperLine, "7");
}

TEST_F(PadAttributesView, OnlyChordsOfThePadOpen)
{
    Open(3);
    for (const int index : {-1, 3, 36})
        view->EditScratchPadChordAttributes(index);
    EXPECT_TRUE(dialogs.presets.empty());
}

}  // namespace
