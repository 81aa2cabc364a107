#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/template_builder.h"
#include "platform/up_down.h"
#include "tests/support/active_window.h"
#include "tests/support/qt_print.h"

using namespace platform;

namespace {

struct PixelCase {
    BaseUnits units;
    int x, y, w, h;
    QRect expected;
};

TEST(TemplateBuilderTest, DialogUnitsMapThroughTheBaseUnits)
{
    const std::vector<PixelCase> cases = {
        // 4 horizontal units are one base unit x, 8 vertical ones base unit y.
        {{6, 13}, 4, 8, 8, 16, QRect(6, 13, 12, 26)},
        // Edges are rounded, halves away from zero: 10*6/4 = 15, 75*6/4 = 112.5.
        {{6, 13}, 10, 10, 65, 78, QRect(15, 16, 98, 127)},
        {{7, 15}, 1, 1, 1, 1, QRect(2, 2, 2, 2)},
        {{7, 15}, 0, 0, 322, 90, QRect(0, 0, 564, 169)},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(TemplateBuilder::ToPixels(c.units, c.x, c.y, c.w, c.h), c.expected)
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
}

TEST(TemplateBuilderTest, NeighboursShareTheirPixelEdges)
{
    const BaseUnits units{7, 15};
    for (int x = 0; x < 40; ++x) {
        const QRect left = TemplateBuilder::ToPixels(units, x, 0, 13, 10);
        const QRect right = TemplateBuilder::ToPixels(units, x + 13, 0, 13, 10);
        EXPECT_EQ(left.right() + 1, right.left()) << x;
    }
}

TEST(TemplateBuilderTest, BaseUnitsFollowTheFont)
{
    QFont small(QStringLiteral("DejaVu Sans"), 8);
    QFont large(QStringLiteral("DejaVu Sans"), 16);
    const BaseUnits s = TemplateBuilder::BaseUnitsOf(small);
    const BaseUnits l = TemplateBuilder::BaseUnitsOf(large);
    EXPECT_GT(s.x, 2);
    EXPECT_GT(s.y, 8);
    EXPECT_NEAR(l.x, 2 * s.x, 2);
    EXPECT_NEAR(l.y, 2 * s.y, 3);
}

constexpr ControlTemplate kControls[] = {
    {100, ControlKind::GroupBox, "Marker", 5, 5, 100, 60, 0},
    {101, ControlKind::RadioButton, "Dot", 10, 15, 40, 10, style::kGroup},
    {102, ControlKind::RadioButton, "Eraser", 10, 27, 40, 10, 0},
    {103, ControlKind::RadioButton, "Other", 10, 39, 40, 10, style::kGroup},
    {104, ControlKind::RadioButton, "More", 10, 51, 40, 10, 0},
    {-1, ControlKind::Label, "&Fret no.", 110, 10, 30, 8, 0},
    {105, ControlKind::Label, "static", 110, 20, 30, 8, style::kHidden},
    {106, ControlKind::Edit, "", 140, 10, 30, 12, 0},
    {107, ControlKind::UpDown, "", 0, 0, 10, 12, style::kAutoBuddy},
    {108, ControlKind::CheckBox, "Check", 110, 30, 60, 10, style::kDisabled},
    {109, ControlKind::ListBox, "", 110, 45, 60, 40, style::kSorted},
    {110, ControlKind::ComboBox, "", 110, 90, 60, 100, 0},
    {1, ControlKind::PushButton, "OK", 5, 90, 50, 14, style::kDefault},
};
constexpr DialogTemplate kTemplate{"Test", 200, 110, kControls};

struct BuiltHost : ::testing::Test {
    void SetUp() override
    {
        TemplateBuilder::Build(host, kTemplate);
    }
    QWidget host;
};

TEST_F(BuiltHost, ControlsAreFoundByIdWithTheirKinds)
{
    EXPECT_NE(Control<QGroupBox>(host, 100), nullptr);
    EXPECT_NE(Control<QRadioButton>(host, 101), nullptr);
    EXPECT_NE(Control<QLabel>(host, 105), nullptr);
    EXPECT_NE(Control<QLineEdit>(host, 106), nullptr);
    EXPECT_NE(Control<UpDown>(host, 107), nullptr);
    EXPECT_NE(Control<QCheckBox>(host, 108), nullptr);
    EXPECT_NE(Control<QListWidget>(host, 109), nullptr);
    EXPECT_NE(Control<QComboBox>(host, 110), nullptr);
    EXPECT_TRUE(Control<QPushButton>(host, 1)->isDefault());
    EXPECT_EQ(FindControl(host, 999), nullptr);
    EXPECT_EQ(Control<QCheckBox>(host, 106), nullptr);  // an edit is not a check box
}

TEST_F(BuiltHost, IdsAreLookedUpPerHostOnly)
{
    // Pages of one sheet reuse ids; a page must not find its neighbour's control.
    QWidget outer;
    host.setParent(&outer);
    EXPECT_EQ(FindControl(outer, 106), nullptr);
    EXPECT_NE(FindControl(host, 106), nullptr);
    host.setParent(nullptr);
}

TEST_F(BuiltHost, GeometryIsInTheTemplateFont)
{
    const BaseUnits u = TemplateBuilder::BaseUnitsOf(TemplateBuilder::TemplateFont(kTemplate));
    EXPECT_EQ(host.font(), TemplateBuilder::TemplateFont(kTemplate));
    EXPECT_EQ(Control<QCheckBox>(host, 108)->geometry(), TemplateBuilder::ToPixels(u, 110, 30, 60, 10));
    EXPECT_EQ(TemplateBuilder::DialogSize(kTemplate), TemplateBuilder::ToPixels(u, 0, 0, 200, 110).size());
}

TEST_F(BuiltHost, StylesHideAndDisable)
{
    EXPECT_TRUE(Control<QLabel>(host, 105)->isHidden());
    EXPECT_FALSE(Control<QCheckBox>(host, 108)->isEnabled());
    EXPECT_TRUE(Control<QLineEdit>(host, 106)->isEnabled());
}

TEST_F(BuiltHost, RadioGroupsRunFromTheGroupFlagInTemplateOrder)
{
    QButtonGroup* first = RadioGroup(host, 101);
    QButtonGroup* second = RadioGroup(host, 103);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(RadioGroup(host, 102), nullptr);  // not a group's first radio
    EXPECT_EQ(first->id(Control<QRadioButton>(host, 101)), 0);
    EXPECT_EQ(first->id(Control<QRadioButton>(host, 102)), 1);
    EXPECT_EQ(second->id(Control<QRadioButton>(host, 104)), 1);
    // Checking in one group leaves the other group's choice alone.
    Control<QRadioButton>(host, 101)->click();
    Control<QRadioButton>(host, 104)->click();
    Control<QRadioButton>(host, 102)->click();
    EXPECT_FALSE(Control<QRadioButton>(host, 101)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(host, 104)->isChecked());
}

// Tab and Shift+Tab enter a group on its checked radio, however it was
// checked; while that one cannot take the focus, the group's first can.
struct TabStopCase {
    int checkFirst;   // 0: none
    int checkSecond;
    int disable;
    int firstStop;
    int secondStop;
};

TEST_F(BuiltHost, TabEntersARadioGroupOnItsCheckedRadio)
{
    ASSERT_TRUE(testsupport::Activate(host));
    const std::vector<TabStopCase> cases = {
        {0, 0, 0, 101, 103},
        {102, 104, 0, 102, 104},
        {101, 104, 0, 101, 104},
        {102, 104, 102, 101, 104},
        {102, 0, 104, 102, 103},
    };
    for (const TabStopCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.checkFirst << " " << c.checkSecond << " " << c.disable);
        for (QButtonGroup* group : {RadioGroup(host, 101), RadioGroup(host, 103)}) {
            group->setExclusive(false);
            for (QAbstractButton* radio : group->buttons()) {
                radio->setChecked(false);
                radio->setEnabled(true);
            }
            group->setExclusive(true);
        }
        for (int id : {c.checkFirst, c.checkSecond})
            if (id)
                Control<QRadioButton>(host, id)->setChecked(true);
        if (c.disable)
            FindControl(host, c.disable)->setEnabled(false);

        FindControl(host, 1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), FindControl(host, c.firstStop));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), FindControl(host, c.secondStop));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), FindControl(host, c.firstStop));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), FindControl(host, 1));
    }
}

TEST_F(BuiltHost, ArrowsMoveWithinARadioGroupAndCheck)
{
    ASSERT_TRUE(testsupport::Activate(host));
    auto* dot = Control<QRadioButton>(host, 101);
    auto* eraser = Control<QRadioButton>(host, 102);
    dot->setChecked(true);
    dot->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), eraser);
    EXPECT_TRUE(eraser->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), eraser) << "the group ends at its last radio";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(eraser->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(dot->isChecked());
}

TEST_F(BuiltHost, AutoBuddyAttachesTheArrowsInsideTheEdit)
{
    const BaseUnits u = TemplateBuilder::BaseUnitsOf(host.font());
    const QRect editArea = TemplateBuilder::ToPixels(u, 140, 10, 30, 12);
    auto* edit = Control<QLineEdit>(host, 106);
    auto* updown = Control<UpDown>(host, 107);
    EXPECT_EQ(updown->buddy(), edit);
    EXPECT_EQ(edit->geometry().left(), editArea.left());
    EXPECT_EQ(updown->geometry().right(), editArea.right());
    EXPECT_EQ(edit->geometry().right() + 1, updown->geometry().left());
    EXPECT_EQ(updown->height(), edit->height());
}

TEST_F(BuiltHost, MnemonicLabelFocusesTheNextControl)
{
    // The hidden static between them takes no focus; the edit does.
    const auto labels = host.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    QLabel* fret = nullptr;
    for (QLabel* l : labels)
        if (l->text() == QStringLiteral("&Fret no."))
            fret = l;
    ASSERT_NE(fret, nullptr);
    EXPECT_EQ(fret->buddy(), FindControl(host, 106));
}

TEST_F(BuiltHost, ComboTakesItsOwnHeightAndGroupBoxesLieUnderneath)
{
    auto* combo = Control<QComboBox>(host, 110);
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
    const QPoint inBoth = Control<QRadioButton>(host, 101)->geometry().center();
    EXPECT_EQ(host.childAt(inBoth), FindControl(host, 101));
}

TEST(ControlTextTest, ReadsAndWritesEveryKindWithText)
{
    QLabel label;
    QLineEdit edit;
    QPushButton button;
    QGroupBox box;
    for (QWidget* w : std::initializer_list<QWidget*>{&label, &edit, &button, &box}) {
        SetControlText(w, QStringLiteral("Cis"));
        EXPECT_EQ(ControlText(w), QStringLiteral("Cis")) << w->metaObject()->className();
    }
}

}  // namespace
