// The User Directory dialogs driven through their widgets, on a document with
// fake ports: each script selects, ticks and presses as a user would.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/user_directory/user_directory_dialogs.h"
#include "dialogs/user_directory/user_directory_templates.h"
#include "engine/chord_names.h"
#include "platform/dialog.h"
#include "platform/template_builder.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"
#include "tests/support/template_layout.h"

using namespace dialogs;
using platform::Dialog;

namespace {

enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };

QCheckBox* NoteBox(Dialog& d, Box box)
{
    return platform::Control<QCheckBox>(d, kNoteBoxIds[box]);
}

void Click(Dialog& d, std::initializer_list<Box> boxes)
{
    for (Box b : boxes)
        NoteBox(d, b)->click();
}

QListWidget* List(Dialog& d)
{
    return platform::Control<QListWidget>(d, id::kUserDirList);
}

QStringList Lines(Dialog& d)
{
    QStringList lines;
    for (int i = 0; i < List(d)->count(); ++i)
        lines << List(d)->item(i)->text();
    return lines;
}

QString SelectedLine(Dialog& d)
{
    const QList<QListWidgetItem*> selected = List(d)->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QString NotesShown(Dialog& d)
{
    return platform::Control<QLineEdit>(d, id::kUserChordNotes)->text();
}

bool Enabled(Dialog& d, int id)
{
    return platform::Control<QWidget>(d, id)->isEnabled();
}

void Name(Dialog& d, const char* name)
{
    platform::Control<QLineEdit>(d, id::kChordName)->setText(QString::fromUtf8(name));
}

struct UserDirectoryDialogsTest : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->GetPorts().userDirDialogs = &port;
    }
    void TearDown() override
    {
        EXPECT_EQ(runner.PendingScripts(), 0u);
        EXPECT_EQ(runner.unexpectedDialogs, 0);
        EXPECT_EQ(runner.dialogsLeftOpen, 0);
        DocFixture::TearDown();
    }
    std::vector<QString> Messages() const
    {
        std::vector<QString> texts;
        for (const auto& m : runner.messages)
            texts.push_back(m.text);
        return texts;
    }

    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope{runner};
    UserDirectoryDialogs port;
};

TEST_F(UserDirectoryDialogsTest, AnAddedChordIsSelectedShownAndSearched)
{
    doc->m_listUserDir = {{"zeta", 0x488}, {"Alpha", 0x091}};
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("User Directory"));
        EXPECT_EQ(Lines(d), (QStringList{"Alpha", "zeta"}));
        EXPECT_EQ(SelectedLine(d), QString());
        EXPECT_TRUE(Enabled(d, id::kUserDirModify));
        platform::ClickControl(d, id::kUserDirAdd);
        EXPECT_EQ(Lines(d), (QStringList{"Alpha", "Db triad", "zeta"}));
        EXPECT_EQ(SelectedLine(d), QStringLiteral("Db triad"));
        EXPECT_EQ(NotesShown(d), QStringLiteral("DbFAb"));
        platform::PressOk(d);
    });
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add New Chord to User Directory"));
        EXPECT_TRUE(platform::Control<QPushButton>(d, id::kClear)->isVisible());
        Click(d, {Db, F, Ab});
        EXPECT_FALSE(NoteBox(d, Cs)->isEnabled());
        EXPECT_FALSE(NoteBox(d, Gs)->isEnabled());
        EXPECT_TRUE(NoteBox(d, Eb)->isEnabled());
        Name(d, "Db triad");
        platform::PressOk(d);
    });
    doc->OnSearchUserDirectory();
    ASSERT_EQ(doc->m_listUserDir.size(), 3u);
    EXPECT_EQ(doc->m_listUserDir.back().GetName(), "Db triad");
    EXPECT_EQ(doc->m_listUserDir.back().m_nValue, 592144);
    EXPECT_TRUE(g_bUserDirModified);
    EXPECT_EQ(doc->m_wChordMask, 0x910);
    EXPECT_EQ(doc->m_wFlatFlags, 0x09);
    EXPECT_GT(doc->m_nVoicingCount, 0);
    EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{0x910});
    EXPECT_TRUE(runner.messages.empty());
}

TEST_F(UserDirectoryDialogsTest, ModifyKeepsTheLineSelectedAndOkSearchesTheChordAsModified)
{
    doc->m_listUserDir = {{"Alpha", 0x091}, {"Beta", 0x488}};
    runner.Expect([&](Dialog& d) {
        List(d)->setCurrentRow(0);
        EXPECT_EQ(NotesShown(d), QStringLiteral("AC#E"));
        platform::ClickControl(d, id::kUserDirModify);
        // Renamed, it sorts after Beta and stays selected.
        EXPECT_EQ(Lines(d), (QStringList{"Beta", "Omega"}));
        EXPECT_EQ(SelectedLine(d), QStringLiteral("Omega"));
        EXPECT_EQ(NotesShown(d), QStringLiteral("BbDF"));
        platform::PressOk(d);
    });
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Modify Chord in User Directory"));
        EXPECT_EQ(platform::Control<QLineEdit>(d, id::kChordName)->text(), QStringLiteral("Alpha"));
        EXPECT_TRUE(NoteBox(d, Cs)->isChecked());
        EXPECT_FALSE(NoteBox(d, Db)->isEnabled());  // one spelling per key
        platform::ClickControl(d, id::kClear);
        Click(d, {Bb, D, F});
        Name(d, "Omega");
        platform::PressOk(d);
    });
    doc->OnSearchUserDirectory();
    ASSERT_EQ(doc->m_listUserDir.size(), 2u);
    EXPECT_EQ(doc->m_listUserDir[0].GetName(), "Omega");
    EXPECT_EQ(doc->m_listUserDir[0].m_nValue, 0x20122);
    EXPECT_EQ(doc->m_wChordMask, 0x122);
    EXPECT_EQ(doc->m_wFlatFlags, 0x02);
    EXPECT_EQ(doc->m_strChordTitle, "Bb major");
}

TEST_F(UserDirectoryDialogsTest, DeletingTheLastEntryLeavesNothingToChoose)
{
    doc->m_listUserDir = {{"Only", 0x488}};
    runner.Expect([&](Dialog& d) {
        List(d)->setCurrentRow(0);
        EXPECT_EQ(NotesShown(d), QStringLiteral("CEG"));
        platform::ClickControl(d, id::kUserDirDelete);
        EXPECT_TRUE(Lines(d).isEmpty());
        EXPECT_EQ(NotesShown(d), QString());
        EXPECT_FALSE(Enabled(d, id::kUserDirModify));
        EXPECT_FALSE(Enabled(d, id::kUserDirDelete));
        platform::PressOk(d);
        EXPECT_TRUE(d.isVisible());
        platform::PressCancel(d);
    });
    doc->OnSearchUserDirectory();
    EXPECT_EQ(Messages(), std::vector<QString>{"No selection"});
    EXPECT_TRUE(doc->m_listUserDir.empty());
    EXPECT_TRUE(g_bUserDirModified);
    EXPECT_EQ(doc->m_wChordMask, 0);
}

TEST_F(UserDirectoryDialogsTest, DeletingOneOfSeveralChoosesNoNeighbour)
{
    doc->m_listUserDir = {{"a", 0x488}, {"b", 0x091}, {"c", 0x122}};
    runner.Expect([&](Dialog& d) {
        List(d)->setCurrentRow(1);
        platform::ClickControl(d, id::kUserDirDelete);
        EXPECT_EQ(Lines(d), (QStringList{"a", "c"}));
        EXPECT_EQ(SelectedLine(d), QString());
        EXPECT_TRUE(Enabled(d, id::kUserDirModify));
        platform::PressOk(d);
        EXPECT_TRUE(d.isVisible());
        emit List(d)->itemDoubleClicked(List(d)->item(1));  // nothing chosen yet
        EXPECT_TRUE(d.isVisible());
        List(d)->setCurrentRow(1);
        emit List(d)->itemDoubleClicked(List(d)->item(1));
    });
    doc->OnSearchUserDirectory();
    EXPECT_EQ(Messages(), (std::vector<QString>{"No selection", "No selection"}));
    EXPECT_EQ(doc->m_listUserDir.size(), 2u);
    EXPECT_EQ(doc->m_wChordMask, 0x122);
}

TEST_F(UserDirectoryDialogsTest, WithoutASelectionTheButtonsSayNoSelection)
{
    doc->m_listUserDir = {{"Mine", 0x007}};
    runner.Expect([&](Dialog& d) {
        platform::PressOk(d);
        platform::ClickControl(d, id::kUserDirModify);
        platform::ClickControl(d, id::kUserDirDelete);
        EXPECT_TRUE(d.isVisible());
        platform::PressCancel(d);
    });
    doc->OnSearchUserDirectory();
    EXPECT_EQ(Messages(), std::vector<QString>(3, QStringLiteral("No selection")));
    EXPECT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_FALSE(g_bUserDirModified);

    doc->m_listUserDir.clear();
    runner.Expect([&](Dialog& d) {
        EXPECT_FALSE(Enabled(d, id::kUserDirModify));
        EXPECT_FALSE(Enabled(d, id::kUserDirDelete));
        platform::PressCancel(d);
    });
    doc->OnSearchUserDirectory();
}

TEST_F(UserDirectoryDialogsTest, ANameFromAnOlderFileLosesWhatTheEditRefuses)
{
    doc->m_listUserDir = {{"Old^name\t", 0x488}};
    runner.Expect([&](Dialog& d) {
        List(d)->setCurrentRow(0);
        platform::ClickControl(d, id::kUserDirModify);
        EXPECT_EQ(SelectedLine(d), QStringLiteral("Oldname"));
        platform::PressCancel(d);
    });
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(platform::Control<QLineEdit>(d, id::kChordName)->text(), QStringLiteral("Oldname"));
        platform::PressOk(d);
    });
    doc->OnSearchUserDirectory();
    EXPECT_EQ(doc->m_listUserDir[0].GetName(), "Oldname");
}

TEST_F(UserDirectoryDialogsTest, TheCurrentChordIsAddedWithItsNotesPreset)
{
    constexpr PitchClassMask kUnnamed = 0x098;  // C, Db, E
    doc->m_wFlatFlags = 0x08;
    doc->SearchNewChord(kUnnamed, true);
    ASSERT_EQ(doc->m_strChordTitle, kNoChordIdFound);
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add New Chord to User Directory"));
        EXPECT_TRUE(platform::Control<QPushButton>(d, id::kClear)->isHidden());
        for (Box b : {C, Db, E}) {
            EXPECT_TRUE(NoteBox(d, b)->isChecked()) << b;
            EXPECT_TRUE(NoteBox(d, b)->isEnabled()) << b;
        }
        EXPECT_FALSE(NoteBox(d, Cs)->isEnabled());
        EXPECT_FALSE(NoteBox(d, G)->isEnabled());
        Name(d, "My cluster");
        Click(d, {C, Db, E});
        platform::PressOk(d);  // nothing left to store
        EXPECT_TRUE(d.isVisible());
        Click(d, {C, Db, E});
        platform::PressOk(d);
    });
    doc->AddChordToUserDirectory();
    EXPECT_EQ(Messages(), std::vector<QString>{"No notes selected"});
    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_EQ(doc->m_listUserDir[0].m_nValue, 0x08 << 16 | kUnnamed);
    EXPECT_EQ(doc->m_strChordTitle, "My cluster");
    EXPECT_EQ(ui.title, "My cluster");
}

TEST_F(UserDirectoryDialogsTest, AddingTheCurrentSixNoteChordOffersOnlyItsOwnNotes)
{
    constexpr PitchClassMask kSix = 0x1B3;  // A, A#, C#, D, E, F
    doc->SearchNewChord(kSix, true);
    ASSERT_EQ(doc->m_strChordTitle, kNoChordIdFound);
    runner.Expect([&](Dialog& d) {
        Click(d, {D});
        for (int b = 0; b < notes::kNoteBoxCount; ++b) {
            const bool own = b == A || b == As || b == Cs || b == D || b == E || b == F;
            EXPECT_EQ(NoteBox(d, static_cast<Box>(b))->isEnabled(), own) << b;
        }
        Click(d, {G});  // not the chord's: the box stays as it is
        Name(d, "Cluster");
        platform::PressOk(d);
    });
    doc->AddChordToUserDirectory();
    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_EQ(doc->m_listUserDir[0].m_nValue, kSix & ~0x020u);
}

TEST_F(UserDirectoryDialogsTest, TheChordNameCountsCharactersAsTheyAreTyped)
{
    doc->SearchNewChord(0x098, true);  // C, Db, E: no name
    const QString clef = QString::fromUcs4(U"\U0001D12A");  // two UTF-16 units
    for (int typed : {20, 36}) {
        runner.Expect([&](Dialog& d) {
            auto* name = platform::Control<QLineEdit>(d, id::kChordName);
            name->setFocus();
            for (int i = 0; i < typed; ++i)
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, clef, Qt::NoModifier);
            platform::PressOk(d);
        });
        doc->AddChordToUserDirectory();
        doc->SearchNewChord(0x098, true);
    }
    EXPECT_TRUE(runner.messages.empty());
    ASSERT_EQ(doc->m_listUserDir.size(), 2u);
    EXPECT_EQ(doc->m_listUserDir[0].m_strName, clef.repeated(20).toStdString());
    EXPECT_EQ(doc->m_listUserDir[1].m_strName, clef.repeated(35).toStdString());
}

TEST_F(UserDirectoryDialogsTest, BothDialogsShowEveryControlWhole)
{
    doc->m_listUserDir = {{"Mine", 0x007}};
    runner.Expect([&](Dialog& d) {
        testsupport::ExpectWholeControls(d);
        List(d)->setCurrentRow(0);
        platform::ClickControl(d, id::kUserDirModify);
        platform::PressCancel(d);
    });
    runner.Expect([&](Dialog& d) {
        testsupport::ExpectWholeControls(d);
        platform::PressCancel(d);
    });
    doc->OnSearchUserDirectory();
}

}  // namespace
