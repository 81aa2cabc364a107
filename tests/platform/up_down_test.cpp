#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "platform/up_down.h"
#include "tests/support/qt_print.h"
#include "tests/support/signal_count.h"

using platform::UpDown;

namespace {

struct UpDownTest : ::testing::Test {
    void SetUp() override
    {
        arrows.setBuddy(&edit);
        arrows.setRange(1, 20);
        arrows.setPos(1);
    }
    QLineEdit edit;
    UpDown arrows;
};

struct StepCase {
    QString typed;
    int lower, upper;
    int steps;
    QString expected;
};

TEST_F(UpDownTest, ArrowsStepFromTheBuddysNumberWithinTheRange)
{
    const std::vector<StepCase> cases = {
        {"1", 1, 20, +1, "2"},
        {"20", 1, 20, +1, "20"},   // stops at the end
        {"1", 1, 20, -1, "1"},
        {"7", 1, 20, -1, "6"},     // a typed number is where stepping starts
        {"35", 1, 20, +1, "20"},   // out of range typed: from the last position (set to 19 below)
        {"x", 1, 20, +1, "20"},
        {"5", 20, 1, +1, "4"},     // inverted range: up moves towards upper
    };
    for (const StepCase& c : cases) {
        arrows.setRange(c.lower, c.upper);
        arrows.setPos(19);
        edit.setText(c.typed);
        arrows.step(c.steps);
        EXPECT_EQ(edit.text(), c.expected) << c.typed.toStdString() << " " << c.steps;
    }
}

TEST_F(UpDownTest, EveryClickIsReportedEvenAtTheEnd)
{
    SignalCount stepped(&arrows, &UpDown::stepped);
    SignalCount changed(&edit, &QLineEdit::textChanged);
    edit.setText("20");
    changed.count = 0;
    arrows.upButton()->click();
    arrows.downButton()->click();
    ASSERT_EQ(stepped.count, 2);
    EXPECT_EQ(stepped.values[0], 1);
    EXPECT_EQ(stepped.values[1], -1);
    // The buddy changed only once: the up click at 20 wrote nothing.
    EXPECT_EQ(changed.count, 1);
    EXPECT_EQ(edit.text(), "19");
}

TEST_F(UpDownTest, ArrowKeysInTheBuddyStep)
{
    edit.setText("3");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &up);
    EXPECT_EQ(edit.text(), "4");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &down);
    QCoreApplication::sendEvent(&edit, &down);
    EXPECT_EQ(edit.text(), "2");
}

TEST_F(UpDownTest, AKeysOnlyBuddyStepsButKeepsItsText)
{
    SignalCount stepped(&arrows, &UpDown::stepped);
    arrows.setBuddy(&edit, UpDown::BuddyRole::KeysOnly);
    edit.setText("E");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &up);
    arrows.upButton()->click();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &down);
    EXPECT_EQ(stepped.values, (std::vector<int>{1, 1, -1}));
    EXPECT_EQ(edit.text(), "E") << "the dialog writes the buddy";
    arrows.setPos(7);
    EXPECT_EQ(edit.text(), "E");
}

}  // namespace
