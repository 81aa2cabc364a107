#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "platform/list_boxes.h"
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

}  // namespace
