// The Scratch Pad chord attributes dialog driven through its widgets, on a
// chord of a started document.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTest>
#include <QValidator>

#include "dialogs/pad_attributes/pad_attributes_dialog.h"
#include "dialogs/pad_attributes/pad_attributes_templates.h"
#include "engine/word_table.h"
#include "platform/template_builder.h"
#include "platform/text_limit.h"
#include "platform/up_down.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/active_window.h"
#include "tests/support/pad_chords.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"

using namespace dialogs;
using namespace dialogs::pad_id;
using platform::Dialog;

namespace {

using Radios = std::array<int, 6>;  // string 1 first
using Texts = std::array<QString, 6>;

struct PadAttributesDialogTest : DocFixture {
    void SetUp() override { startDoc(); }
    void TearDown() override
    {
        EXPECT_EQ(runner.PendingScripts(), 0u);
        EXPECT_EQ(runner.unexpectedDialogs, 0);
        DocFixture::TearDown();
    }

    // x32010, C major, with a finger on each fretted string and an X on the 6th.
    void AddCMajor()
    {
        ScratchPadChordRow row;
        row.w = {0, 1, 0, 2, 3, 21, 0, 0, 1, 0, 0};
        row.SetAttributes(pad::PackAttributes({0, 1, 0, 2, 3, 0}, {0, 0, 0, 0, 0, 1}));
        testsupport::AppendPadChord(*doc, row, "C", "major");
    }

    ports::PadAttributesResult Run(std::function<void(Dialog&)> script, int index = 0)
    {
        runner.Expect(std::move(script));
        return port.RunPadChordAttributes(doc->MakePadAttributesPreset(index));
    }

    static Radios Checked(Dialog& d)
    {
        Radios radios{};
        for (std::size_t s = 0; s < 6; ++s)
            radios[s] = platform::RadioGroup(d, kNotPlayed[s])->checkedId();
        return radios;
    }
    static Texts Texts6(Dialog& d, const std::array<int, 6>& ids)
    {
        Texts texts;
        for (std::size_t s = 0; s < 6; ++s)
            texts[s] = platform::ControlText(platform::FindControl(d, ids[s]));
        return texts;
    }
    static QLineEdit* Edit(Dialog& d, int id) { return platform::Control<QLineEdit>(d, id); }
    static platform::UpDown* Spin(Dialog& d, int id) { return platform::Control<platform::UpDown>(d, id); }
    static QRadioButton* Position(Dialog& d, int s, int p)
    {
        return platform::Control<QRadioButton>(d, kPositions[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)]);
    }

    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope{runner};
    PadAttributesDialogs port;
};

TEST_F(PadAttributesDialogTest, OpensOnTheChordAndCancelReturnsNothing)
{
    AddCMajor();
    doc->m_strPadTitle = "Songbook";
    frame.m_nPgtitle = 0;
    const auto result = Run([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Scratch Pad Chord Attributes"));
        EXPECT_EQ(Checked(d), (Radios{1, 2, 1, 3, 4, 0}));
        EXPECT_EQ(Texts6(d, kNoteLabels), (Texts{"E", "C", "G", "E", "C", "  "}));
        EXPECT_EQ(Texts6(d, kAccidentals), (Texts{" ", " ", " ", " ", " ", " "}));
        EXPECT_EQ(Texts6(d, kFingers), (Texts{"0", "1", "0", "2", "3", "0"}));
        for (std::size_t s = 0; s < 6; ++s) {
            EXPECT_EQ(platform::Control<QCheckBox>(d, kXMarks[s])->isChecked(), s == 5) << s;
            EXPECT_TRUE(Position(d, static_cast<int>(s), 0)->isEnabled()) << "the open row at base fret 0";
        }
        EXPECT_EQ(Edit(d, kBaseFret)->text(), QStringLiteral("0"));
        EXPECT_EQ(Edit(d, kUpperLine)->text(), QStringLiteral("C"));
        EXPECT_EQ(Edit(d, kLowerLine)->text(), QStringLiteral("major"));
        EXPECT_TRUE(platform::Control<QCheckBox>(d, kShowChordTitle)->isChecked());
        EXPECT_FALSE(platform::Control<QCheckBox>(d, kShowPageTitle)->isChecked());
        EXPECT_EQ(Edit(d, kPageTitle)->text(), QStringLiteral("Songbook"));
        EXPECT_EQ(Spin(d, kBaseFretSpin)->upper(), 11);
        EXPECT_EQ(Spin(d, kFingerSpins[1])->pos(), 1);
        Edit(d, kUpperLine)->setText(QStringLiteral("changed"));
        platform::PressCancel(d);
    });
    EXPECT_FALSE(result.ok);
}

TEST_F(PadAttributesDialogTest, TheSpinMovesTheShapeAndKeepsWhatWasTyped)
{
    AddCMajor();
    const auto result = Run([&](Dialog& d) {
        Edit(d, kUpperLine)->setText(QStringLiteral("Barre"));
        Edit(d, kFingers[0])->setText(QStringLiteral("4"));
        platform::Control<QCheckBox>(d, kXMarks[2])->click();

        Spin(d, kBaseFretSpin)->upButton()->click();  // 0 to 1
        EXPECT_EQ(Edit(d, kBaseFret)->text(), QStringLiteral("1"));
        EXPECT_EQ(Checked(d), (Radios{2, 3, 2, 4, 5, 0}));
        EXPECT_EQ(Texts6(d, kNoteLabels), (Texts{"F", "C#", "G#", "F", "C#", "  "}));
        EXPECT_EQ(Texts6(d, kAccidentals), (Texts{" ", "b", "b", " ", "b", " "}));
        EXPECT_FALSE(Position(d, 0, 0)->isEnabled());
        EXPECT_EQ(Edit(d, kUpperLine)->text(), QStringLiteral("Barre")) << "moving the radios keeps typed text";
        EXPECT_EQ(Edit(d, kFingers[0])->text(), QStringLiteral("4"));
        EXPECT_TRUE(platform::Control<QCheckBox>(d, kXMarks[2])->isChecked());

        Spin(d, kBaseFretSpin)->upButton()->click();  // 1 to 2: the rows stay
        EXPECT_EQ(Checked(d), (Radios{2, 3, 2, 4, 5, 0}));
        Spin(d, kBaseFretSpin)->downButton()->click();
        Spin(d, kBaseFretSpin)->downButton()->click();  // back to 0
        EXPECT_EQ(Checked(d), (Radios{1, 2, 1, 3, 4, 0}));
        EXPECT_TRUE(Position(d, 0, 0)->isEnabled());
        Spin(d, kBaseFretSpin)->upButton()->click();
        platform::PressOk(d);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.words, (std::array<std::uint16_t, 8>{1, 2, 1, 3, 4, 21, 1, 0}));
    EXPECT_EQ(result.values.upperLine, "Barre");
    EXPECT_EQ(result.values.fingers, (std::array<int, 6>{4, 1, 0, 2, 3, 0}));
    EXPECT_EQ(result.values.marks, (std::array<int, 6>{0, 0, 1, 0, 0, 1}));
}

TEST_F(PadAttributesDialogTest, TabEntersEachStringOnItsFretAndSpaceKeepsIt)
{
    AddCMajor();
    const auto result = Run([&](Dialog& d) {
        ASSERT_TRUE(testsupport::Activate(d));
        platform::FindControl(d, kShowChordTitle)->setFocus();
        for (std::size_t s = 6; s-- > 0;) {  // the 6th string's group first
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), platform::RadioGroup(d, kNotPlayed[s])->checkedButton())
                << "string " << s + 1;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        EXPECT_EQ(Checked(d), (Radios{1, 2, 1, 3, 4, 0}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Edit(d, kBaseFret));

        // Back into the 1st string's group, open; Down frets it at 1.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), Position(d, 0, 0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), Position(d, 0, 1));
        EXPECT_EQ(Checked(d), (Radios{2, 2, 1, 3, 4, 0}));
        EXPECT_EQ(Texts6(d, kNoteLabels)[0], QStringLiteral("F"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.words, (std::array<std::uint16_t, 8>{1, 1, 0, 2, 3, 21, 0, 0}));
}

TEST_F(PadAttributesDialogTest, RadiosSetFretsAndAccidentalsRespell)
{
    ScratchPadChordRow row;
    row.w = {4, 6, 6, 6, 4, 21, 3, 0, 0, 0, 0};  // G# and C# at base fret 3
    testsupport::AppendPadChord(*doc, row, "", "");
    const auto result = Run([&](Dialog& d) {
        EXPECT_EQ(Checked(d), (Radios{3, 5, 5, 5, 3, 0}));
        Position(d, 3, 2)->click();  // the 4th string, position 2
        EXPECT_EQ(platform::ControlText(platform::FindControl(d, kNoteLabels[3])), QStringLiteral("F#"));
        platform::Control<QRadioButton>(d, kNotPlayed[4])->click();
        EXPECT_EQ(platform::ControlText(platform::FindControl(d, kNoteLabels[4])), QStringLiteral("  "));

        platform::ClickControl(d, kAccidentals[2]);  // C#, now on the 3rd string only
        EXPECT_EQ(Texts6(d, kNoteLabels), (Texts{"G#", "F", "Db", "F#", "  ", "  "}));
        EXPECT_EQ(Texts6(d, kAccidentals), (Texts{"b", " ", "#", "b", " ", " "}));
        platform::ClickControl(d, kAccidentals[0]);  // G#
        platform::ClickControl(d, kAccidentals[1]);  // F: nothing to respell
        EXPECT_EQ(Texts6(d, kNoteLabels), (Texts{"Ab", "F", "Db", "F#", "  ", "  "}));
        platform::PressOk(d);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.words, (std::array<std::uint16_t, 8>{4, 6, 6, 4, 21, 21, 3, 0x09}));
}

TEST_F(PadAttributesDialogTest, AnImportedRowOnHighFretsOpensWithoutATableError)
{
    std::vector<std::string> tableErrors;
    auto previous = engine::SetWordTableErrorSink([&](const std::string& m) { tableErrors.push_back(m); });
    ScratchPadChordRow row;
    row.w = {19, 20, 15, 17, 21, 16, 15, 0, 0, 0, 0};
    testsupport::AppendPadChord(*doc, row, "", "");
    const auto result = Run([&](Dialog& d) {
        EXPECT_EQ(Edit(d, kBaseFret)->text(), QStringLiteral("15"));
        EXPECT_EQ(Checked(d), (Radios{6, 0, 2, 4, 0, 3}));
        EXPECT_EQ(Texts6(d, kNoteLabels), (Texts{"B", "G", "A#", "G", "  ", "G#"}));
        Spin(d, kBaseFretSpin)->upButton()->click();  // the arrows stop at 11
        EXPECT_EQ(Edit(d, kBaseFret)->text(), QStringLiteral("15"));
        platform::PressOk(d);
    });
    engine::SetWordTableErrorSink(std::move(previous));
    EXPECT_TRUE(tableErrors.empty()) << tableErrors.front();
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.words, (std::array<std::uint16_t, 8>{19, 20, 15, 17, 21, 16, 15, 0}));
}

TEST_F(PadAttributesDialogTest, ATypedBaseFretAboveTheArrowsMovesTheShape)
{
    AddCMajor();
    *doc->m_aScratchPad.At(0, pad::BaseFret) = 3;
    for (int s = 0; s < 5; ++s)
        *doc->m_aScratchPad.At(0, static_cast<std::uint16_t>(s)) += 3;  // x65343
    const auto result = Run([&](Dialog& d) {
        Edit(d, kBaseFret)->setText(QStringLiteral("13"));
        EXPECT_EQ(Checked(d), (Radios{2, 3, 2, 4, 5, 0}));
        platform::PressOk(d);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.words, (std::array<std::uint16_t, 8>{13, 14, 13, 15, 16, 21, 13, 0}));
}

TEST_F(PadAttributesDialogTest, BadValuesAreRefusedAndChangeNothing)
{
    struct Case {
        int id;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {kBaseFret, "16", "Please enter an integer between 0 and 15."},
        {kBaseFret, "-1", "Please enter an integer between 0 and 15."},
        {kBaseFret, "x", "Please enter an integer."},
        {kFingers[5], "6", "Please enter an integer between 0 and 5."},
        {kFingers[0], "-1", "Please enter an integer between 0 and 5."},
        {kFingers[2], "", "Please enter an integer."},
    };
    AddCMajor();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        runner.messages.clear();
        const auto result = Run([&](Dialog& d) {
            Edit(d, c.id)->setText(c.text);
            EXPECT_EQ(Checked(d), (Radios{1, 2, 1, 3, 4, 0})) << "an unusable base fret moves nothing";
            platform::PressOk(d);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), Edit(d, c.id));
            platform::PressCancel(d);
        });
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(runner.messages.size(), 1u);
        EXPECT_EQ(runner.messages[0].text, c.message);
    }
}

TEST_F(PadAttributesDialogTest, TitleLinesHoldTwentyNineCharactersWithoutTheSeparators)
{
    AddCMajor();
    doc->m_astrPadNames[0] = std::string(35, 'n');  // longer than the dialog takes
    runner.messages.clear();
    const auto result = Run([&](Dialog& d) {
        QLineEdit* upper = Edit(d, kUpperLine);
        QLineEdit* lower = Edit(d, kLowerLine);
        EXPECT_EQ(upper->text().size(), 35) << "shown whole, not cut short unseen";
        platform::PressOk(d);
        ASSERT_EQ(runner.messages.size(), 1u);
        EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter no more than 29 characters."));
        EXPECT_TRUE(d.isVisible());

        upper->setText(QString(29, QLatin1Char('u')));
        auto* lowerLimit = qobject_cast<const platform::CharLimitValidator*>(lower->validator());
        ASSERT_NE(lowerLimit, nullptr);
        EXPECT_EQ(lowerLimit->Limit(), 29);
        int pos = 0;
        for (const char* text : {"C^7", "C~7", "C\t7", "C\n7"}) {
            QString t = QString::fromLatin1(text);
            EXPECT_EQ(upper->validator()->validate(t, pos), QValidator::Invalid) << text;
            EXPECT_EQ(lower->validator()->validate(t, pos), QValidator::Invalid) << text;
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("7\x01sus"));
        lower->selectAll();
        lower->paste();
        EXPECT_EQ(lower->text(), QStringLiteral("major")) << "a pasted control character is refused";
        // The page title has neither limit.
        Edit(d, kPageTitle)->setText(QString(40, QLatin1Char('p')) + QStringLiteral("^~"));
        platform::PressOk(d);
    });
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.values.upperLine, std::string(29, 'u'));
    EXPECT_EQ(result.values.lowerLine, "major");
    EXPECT_EQ(result.values.pageTitle, std::string(40, 'p') + "^~");
}

TEST_F(PadAttributesDialogTest, TitleLinesCountCharactersAsTheyAreTyped)
{
    AddCMajor();
    const QString clef = QString::fromUcs4(U"\U0001D12B");  // two UTF-16 units
    for (int typed : {16, 30}) {
        SCOPED_TRACE(typed);
        const auto result = Run([&](Dialog& d) {
            for (int id : {kUpperLine, kLowerLine}) {
                QLineEdit* line = Edit(d, id);
                line->clear();
                line->setFocus();
                for (int i = 0; i < typed; ++i)
                    QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, clef, Qt::NoModifier);
            }
            platform::PressOk(d);
        });
        ASSERT_TRUE(result.ok);
        const std::string kept = clef.repeated(std::min(typed, 29)).toStdString();
        EXPECT_EQ(result.values.upperLine, kept);
        EXPECT_EQ(result.values.lowerLine, kept);
    }
    EXPECT_TRUE(runner.messages.empty());
}

}  // namespace
