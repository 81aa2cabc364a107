#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QTest>

#include "platform/list_boxes.h"
#include "tests/support/active_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/signal_count.h"

using namespace platform;

namespace {

QStringList Items(const QListWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

TEST(ListBoxesTest, SortedInsertIgnoresCaseAndReturnsTheIndex)
{
    QListWidget list;
    QComboBox combo;
    const std::vector<std::pair<QString, int>> inserts = {
        {"Gm", 0}, {"am7", 0}, {"Bb", 1}, {"c", 2}, {"C", 3}, {"Zed", 5}, {"b", 1},
    };
    for (const auto& [text, index] : inserts) {
        EXPECT_EQ(InsertSorted(list, text), index) << text.toStdString();
        EXPECT_EQ(InsertSorted(combo, text), index) << text.toStdString();
    }
    EXPECT_EQ(Items(list), (QStringList{"am7", "b", "Bb", "c", "C", "Gm", "Zed"}));
    EXPECT_EQ(combo.currentIndex(), -1);  // inserting selects nothing
}

TEST(ListBoxesTest, AddStringSortsOnlySortedBoxes)
{
    QListWidget plain, sorted;
    sorted.setProperty("sorted", true);
    for (const char* t : {"b", "A"}) {
        AddString(plain, t);
        AddString(sorted, t);
    }
    EXPECT_EQ(Items(plain), (QStringList{"b", "A"}));
    EXPECT_EQ(Items(sorted), (QStringList{"A", "b"}));
}

TEST(ListBoxesTest, PrefixSelectionIsCaseInsensitiveAndSilent)
{
    QListWidget list;
    QComboBox combo;
    for (const char* t : {"Built-in Synth", "Midi Through", "midi keyboard"}) {
        list.addItem(t);
        combo.addItem(t);
    }
    combo.setCurrentIndex(0);
    SignalCount rowChanged(&list, &QListWidget::currentRowChanged);
    SignalCount indexChanged(&combo, &QComboBox::currentIndexChanged);
    EXPECT_EQ(SelectStringPrefix(list, "MIDI"), 1);
    EXPECT_EQ(SelectStringPrefix(combo, "midi k"), 2);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(SelectStringPrefix(list, "none"), -1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(rowChanged.count, 0);
    EXPECT_EQ(indexChanged.count, 0);
}

// A shown list with the focus and nothing selected, as a dialog opens it.
struct FocusedListBox : ::testing::Test {
    void Fill(int lines)
    {
        list.clear();
        for (int i = 0; i < lines; ++i)
            list.addItem(QStringLiteral("line %1").arg(i));
        SetCurSel(list, -1);
        list.clearFocus();
        list.setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), &list);
    }
    void SetUp() override
    {
        list.resize(120, 80);
        ASSERT_TRUE(testsupport::Activate(list));
    }
    ListBox list;
};

struct ArrowCase {
    int lines;
    std::vector<Qt::Key> keys;
    int selected;
};

TEST_F(FocusedListBox, ArrowsSelectFromTheFirstLine)
{
    const std::vector<ArrowCase> cases = {
        {1, {Qt::Key_Down}, 0},
        {1, {Qt::Key_Up}, 0},
        {1, {Qt::Key_Down, Qt::Key_Down}, 0},
        {2, {Qt::Key_Down}, 0},
        {2, {Qt::Key_Down, Qt::Key_Down}, 1},
        {3, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 0},
        {3, {Qt::Key_End}, 2},
        {0, {Qt::Key_Down}, -1},
    };
    for (const ArrowCase& c : cases) {
        Fill(c.lines);
        for (Qt::Key key : c.keys)
            QTest::keyClick(&list, key);
        const QList<QListWidgetItem*> selected = list.selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : list.row(selected.front()), c.selected)
            << c.lines << " lines, " << c.keys.size() << " keys";
        EXPECT_EQ(list.currentRow(), c.selected);
    }
}

TEST_F(FocusedListBox, TheFocusAloneDrawsNoSelection)
{
    Fill(2);
    ASSERT_TRUE(list.selectedItems().isEmpty());
    const QImage focused = list.grab().toImage();
    list.setCurrentRow(-1);
    ASSERT_TRUE(list.selectedItems().isEmpty());
    EXPECT_EQ(list.grab().toImage(), focused) << "the line holding the focus looks as the others";
}

}  // namespace
