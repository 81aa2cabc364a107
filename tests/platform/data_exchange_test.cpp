#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "platform/data_exchange.h"
#include "platform/template_builder.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"
#include "tests/support/signal_count.h"

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {10, ControlKind::Edit, "", 5, 5, 40, 12, 0},
    {11, ControlKind::CheckBox, "Box", 5, 20, 40, 10, 0},
    {12, ControlKind::RadioButton, "One", 5, 32, 40, 10, style::kGroup},
    {13, ControlKind::RadioButton, "Two", 5, 44, 40, 10, 0},
    {14, ControlKind::RadioButton, "Three", 5, 56, 40, 10, 0},
    {15, ControlKind::ListBox, "", 50, 5, 60, 40, 0},
    {16, ControlKind::Edit, "", 50, 50, 60, 12, 0},
};
constexpr DialogTemplate kTemplate{"Exchange", 120, 70, kControls};

struct DataExchangeTest : ::testing::Test {
    void SetUp() override
    {
        TemplateBuilder::Build(host, kTemplate);
        host.show();
    }
    QLineEdit* edit() const { return Control<QLineEdit>(host, 10); }

    QWidget host;
    ScriptedDialogRunner runner;
    ScopedDialogRunner scope{runner};
};

struct IntCase {
    QString typed;
    int minimum, maximum;
    QString message;  // empty: accepted
    int value;
};

TEST_F(DataExchangeTest, IntegersAreParsedAndRangeChecked)
{
    const std::vector<IntCase> cases = {
        {"7", 1, 20, "", 7},
        {" 12 ", 1, 20, "", 12},
        {"20", 1, 20, "", 20},
        {"abc", 1, 20, "Please enter an integer.", -99},
        {"", 1, 20, "Please enter an integer.", -99},
        {"12x", 1, 20, "Please enter an integer.", -99},
        {"99999999999", 1, 20, "Please enter an integer.", -99},
        {"21", 1, 20, "Please enter an integer between 1 and 20.", 21},
        {"-3", 10, 200, "Please enter an integer between 10 and 200.", -3},
    };
    for (const IntCase& c : cases) {
        runner.messages.clear();
        edit()->setText(c.typed);
        int value = -99;
        DataExchange dx(host, true);
        dx.Text(10, value);
        dx.MinMaxInt(value, c.minimum, c.maximum);
        EXPECT_EQ(dx.Failed(), !c.message.isEmpty()) << c.typed.toStdString();
        EXPECT_EQ(value, c.value) << c.typed.toStdString();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(runner.messages.empty());
        } else {
            ASSERT_EQ(runner.messages.size(), 1u) << c.typed.toStdString();
            EXPECT_EQ(runner.messages[0].text, c.message);
            EXPECT_EQ(runner.messages[0].caption, QStringLiteral("Tonalith"));
            EXPECT_EQ(runner.messages[0].icon, MessageIcon::Exclamation);
        }
    }
}

TEST_F(DataExchangeTest, AFailureFocusesAndSelectsTheControlAndStopsTheRest)
{
    edit()->setText("abc");
    Control<QCheckBox>(host, 11)->setChecked(true);
    int number = 0, check = 5;
    DataExchange dx(host, true);
    dx.Text(10, number);
    dx.Check(11, check);
    EXPECT_TRUE(dx.Failed());
    EXPECT_EQ(check, 5);  // not read after the failure
    EXPECT_EQ(host.focusWidget(), edit());
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(runner.messages.size(), 1u);
}

TEST_F(DataExchangeTest, MaxCharsCountsCodePointsAndLimitsTheEdit)
{
    const QString accented(35, QChar(0x00E9));  // 35 characters, 70 bytes of UTF-8
    auto* edit = Control<QLineEdit>(host, 16);
    for (const QString& typed : {accented, accented + "x"}) {
        runner.messages.clear();
        edit->setText(typed);
        std::string name;
        DataExchange save(host, true);
        save.Text(16, name);
        save.MaxChars(name, 35);
        EXPECT_EQ(save.Failed(), typed.size() > 35);
        if (save.Failed()) {
            ASSERT_EQ(runner.messages.size(), 1u);
            EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter no more than 35 characters."));
        }
    }
    std::string name = "C";
    DataExchange load(host, false);
    load.Text(16, name);
    load.MaxChars(name, 35);
    edit->setFocus();
    edit->end(false);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), "C" + QString(34, QLatin1Char('x')));

    // A longer text that comes in stays whole, for the saving to refuse, also
    // 35 characters that Qt counts as 70.
    for (const QString& loaded : {QString(40, QLatin1Char('x')), QString::fromUcs4(U"\U0001F3B8").repeated(35)}) {
        std::string text = loaded.toStdString();
        DataExchange again(host, false);
        again.Text(16, text);
        again.MaxChars(text, 35);
        EXPECT_EQ(edit->text(), loaded);
    }
}

TEST_F(DataExchangeTest, CharacterLimitsNeverKeepHalfACharacter)
{
    const QString clef = QString::fromUcs4(U"\U0001D12A");  // two UTF-16 units
    auto* edit = Control<QLineEdit>(host, 16);
    struct Case {
        const char* how;
        std::function<void(QLineEdit*, const QString&)> put;
    };
    const Case cases[] = {
        {"typed", [](QLineEdit* e, const QString& text) {
             for (qsizetype i = 0; i < text.size(); i += 2)
                 QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, text.mid(i, 2), Qt::NoModifier);
         }},
        {"pasted", [](QLineEdit* e, const QString& text) { e->insert(text); }},
    };
    for (const Case& c : cases) {
        for (int count : {20, 36}) {
            SCOPED_TRACE(std::string(c.how) + " " + std::to_string(count));
            std::string name;
            DataExchange load(host, false);
            load.Text(16, name);
            load.MaxChars(name, 35);
            edit->setFocus();
            c.put(edit, clef.repeated(count));
            DataExchange save(host, true);
            save.Text(16, name);
            save.MaxChars(name, 35);
            EXPECT_FALSE(save.Failed());
            EXPECT_EQ(name, clef.repeated(std::min(count, 35)).toStdString());
        }
    }
    // Half a character that came in some other way is not stored as "?".
    edit->setText(QStringLiteral("C") + clef.left(1));
    std::string name;
    DataExchange save(host, true);
    save.Text(16, name);
    EXPECT_EQ(name, "C");
}

TEST_F(DataExchangeTest, RadioIndexIsThePositionInTheGroup)
{
    struct Case {
        int load;
        std::array<bool, 3> checked;
        int saved;
    };
    const std::vector<Case> cases = {
        {1, {false, true, false}, 1},
        {2, {false, false, true}, 2},
        {-1, {false, false, false}, -1},  // none
        {0, {true, false, false}, 0},
        {7, {false, false, false}, -1},   // outside the group: nothing checked
    };
    for (const Case& c : cases) {
        int value = c.load;
        DataExchange(host, false).Radio(12, value);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Control<QRadioButton>(host, 12 + i)->isChecked(), c.checked[static_cast<std::size_t>(i)])
                << c.load << " " << i;
        int saved = 99;
        DataExchange(host, true).Radio(12, saved);
        EXPECT_EQ(saved, c.saved) << c.load;
    }
}

TEST_F(DataExchangeTest, LoadingRunsNoClickOrSelectionHandlers)
{
    auto* list = Control<QListWidget>(host, 15);
    list->addItems({"a", "b", "c"});
    SignalCount boxClicked(Control<QCheckBox>(host, 11), &QCheckBox::clicked);
    SignalCount radioClicked(Control<QRadioButton>(host, 13), &QRadioButton::clicked);
    SignalCount rowChanged(list, &QListWidget::currentRowChanged);
    int check = 1, radio = 1, row = 2;
    DataExchange dx(host, false);
    dx.Check(11, check);
    dx.Radio(12, radio);
    dx.ListIndex(15, row);
    EXPECT_TRUE(Control<QCheckBox>(host, 11)->isChecked());
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(boxClicked.count + radioClicked.count + rowChanged.count, 0);

    int savedRow = 0;
    list->clearSelection();
    DataExchange(host, true).ListIndex(15, savedRow);
    EXPECT_EQ(savedRow, -1);  // a current row without a selection is no choice
}

}  // namespace
