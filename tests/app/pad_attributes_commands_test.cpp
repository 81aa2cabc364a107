// A C major shape copied to the Scratch Pad and given its attributes, through
// the main window as the user does it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include "app_fixture.h"
#include "choose_path.h"
#include "dialogs/pad_attributes/pad_attributes_dialog.h"
#include "dialogs/pad_attributes/pad_attributes_templates.h"
#include "document/command_ids.h"
#include "document/persistent_settings.h"
#include "platform/template_builder.h"
#include "platform/up_down.h"
#include "support/texts_painted.h"
#include "support/view_points.h"
#include "view/kvwin_view.h"

namespace {

using namespace dialogs::pad_id;

constexpr const char* kMarkChordToEdit =
    "To edit the attribute of the chord\nyou must mark the whole chord.\n"
    "Shortcut: Left mouse button double click just above chord frame.";

class PadAttributesCommands : public AppFixture {
protected:
    CKvwinView& View() { return *GetApp().View(); }
    QWidget* Viewport() { return View().viewport(); }
    QPoint At(int i, double u, double v) { return testsupport::ViewportPoint(View(), Doc(), i, u, v); }
    QAction* Action(int id) { return Frame().Commands().Action(id); }

    // Lets the queued refresh of the command states run.
    void Settle()
    {
        (void)Viewport()->grab();
        QCoreApplication::processEvents();
    }

    // A band around chord i's frame, from the gap left of it to below its band.
    void MarkChord(int i)
    {
        testsupport::Band(Viewport(), At(i, 2, 10), At(i, 38, 62));
        Settle();
    }
};

TEST_F(PadAttributesCommands, ACopiedChordGetsFingersAnXABaseFretAndTitles)
{
    Start();
    Doc().SearchNewChord(0x488, true);  // C major
    Settle();
    ASSERT_EQ(Doc().GetVoicing(1), (VoicingRow{0, 1, 0, 2, 3, 3, 0}));

    MarkChord(1);
    ASSERT_TRUE(Action(cmd::EditCopyToScratchPad)->isEnabled());
    Action(cmd::EditCopyToScratchPad)->trigger();
    Action(cmd::ViewScratchPad)->trigger();
    Settle();
    ASSERT_TRUE(Doc().m_bScratchPadMode);
    ASSERT_EQ(Doc().m_nPadCount, 1);
    EXPECT_FALSE(Action(cmd::EditAttributesOfScratchPadChord)->isEnabled()) << "no chord marked";

    runner.Expect([&](platform::Dialog& d) {
        EXPECT_EQ(d.parentWidget(), &Frame());
        platform::Control<QLineEdit>(d, kFingers[1])->setText(QStringLiteral("1"));
        platform::Control<QLineEdit>(d, kFingers[3])->setText(QStringLiteral("2"));
        platform::Control<QLineEdit>(d, kFingers[4])->setText(QStringLiteral("3"));
        platform::Control<platform::UpDown>(d, kFingerSpins[5])->step(4);
        platform::Control<QCheckBox>(d, kXMarks[0])->click();
        platform::Control<platform::UpDown>(d, kBaseFretSpin)->upButton()->click();
        platform::Control<QLineEdit>(d, kUpperLine)->setText(QStringLiteral("Barre"));
        platform::Control<QLineEdit>(d, kPageTitle)->setText(QStringLiteral("My chords"));
        platform::PressOk(d);
    });
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, At(0, 21, 14));
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
    EXPECT_TRUE(runner.messages.empty());

    // One fret up, the first fret's row below the nut; fingers 1, 2, 3 and 4
    // on the 2nd, 4th, 5th and 6th strings, an X on the 1st.
    const std::uint32_t attributes = 1u | 1u << (6 + 3) | 2u << (6 + 9) | 3u << (6 + 12) | 4u << (6 + 15);
    ScratchPadChordRow expected;
    expected.w = {1, 2, 1, 3, 4, 4, 1, 0, 1, 0, 0};
    expected.SetAttributes(attributes);
    EXPECT_EQ(Doc().GetPadRow(0).w, expected.w);
    EXPECT_EQ(Doc().m_astrPadNames[0], "Barre");
    EXPECT_EQ(Doc().m_astrPadNames2[0], "");
    EXPECT_EQ(Doc().m_strPadTitle, "My chords");
    EXPECT_EQ(Frame().m_settings.m_nPgtitle, 1);

    // Painted: the titles, a finger in each fingered string's dot, the X.
    const std::vector<std::string> texts = testsupport::TextsPainted(View());
    for (const char* text : {"Barre", "My chords", "2", "3", "4", "X"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << text;

    // The saved page carries the chord's base fret and offsets, and its
    // fingers and X as the record's last six digits.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("barre.html"));
    {
        ChoosePath chooser(path);
        const platform::ScopedDialogRunner scoped(chooser);
        ASSERT_TRUE(Frame().Commands().Execute(cmd::FileSaveAsHtml));
        EXPECT_TRUE(chooser.messages.empty());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    const int info = page.indexOf("<param name=\"info1\" value=\"");
    ASSERT_GE(info, 0);
    // One row of diagrams, plain names; then base fret 1 and the offsets
    // 2, 3, 2, 4, 5, 5 in three bits each from the 1st string.
    const QByteArray value = page.mid(info + 27, 3 + 20);
    EXPECT_EQ(value.left(3 + 8), QByteArray("018") + "012D89A0") << value.toStdString();
    EXPECT_EQ(value.right(6), QByteArray::number(attributes, 16).toUpper().rightJustified(6, '0'))
        << value.toStdString();
}

TEST_F(PadAttributesCommands, TheEditMenuOpensTheMarkedChordAndCancelKeepsIt)
{
    Start();
    Doc().SearchNewChord(0x488, true);
    Settle();
    MarkChord(0);
    Action(cmd::EditCopyToScratchPad)->trigger();
    Settle();
    ASSERT_TRUE(Doc().m_mark.marked);
    EXPECT_FALSE(Action(cmd::EditAttributesOfScratchPadChord)->isEnabled()) << "outside the Scratch Pad";
    Action(cmd::ViewScratchPad)->trigger();
    Settle();
    const ScratchPadChordRow before = Doc().GetPadRow(0);

    // A mark that holds no whole chord: the command is there, the chord is not.
    testsupport::Band(Viewport(), At(0, 2, 10), At(0, 30, 62));
    Settle();
    ASSERT_TRUE(Action(cmd::EditAttributesOfScratchPadChord)->isEnabled());
    Action(cmd::EditAttributesOfScratchPadChord)->trigger();
    EXPECT_EQ(runner.dialogsRun, 0);
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QString::fromLatin1(kMarkChordToEdit));

    MarkChord(0);
    ASSERT_TRUE(Action(cmd::EditAttributesOfScratchPadChord)->isEnabled());
    runner.Expect([&](platform::Dialog& d) {
        platform::Control<QLineEdit>(d, kUpperLine)->setText(QStringLiteral("gone"));
        platform::Control<QLineEdit>(d, kPageTitle)->setText(QStringLiteral("gone"));
        platform::Control<QCheckBox>(d, kShowPageTitle)->click();
        platform::Control<platform::UpDown>(d, kBaseFretSpin)->upButton()->click();
        platform::PressCancel(d);
    });
    Action(cmd::EditAttributesOfScratchPadChord)->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(Doc().GetPadRow(0).w, before.w);
    EXPECT_EQ(Doc().m_astrPadNames[0], "C major_1");
    EXPECT_EQ(Doc().m_strPadTitle, "Scratch Pad");
    EXPECT_EQ(Frame().m_settings.m_nPgtitle, 1);
}

}  // namespace
