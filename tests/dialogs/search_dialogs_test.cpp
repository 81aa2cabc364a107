// The search dialogs driven through the real widgets, on a document with
// fake ports: each script ticks, clicks and presses as a user would.
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTest>

#include "dialogs/search/chord_directory_dialog.h"
#include "dialogs/search/search_dialogs.h"
#include "dialogs/search/search_sheet.h"
#include "dialogs/search/search_templates.h"
#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "dialogs/user_directory/user_directory_templates.h"
#include "platform/text_limit.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/active_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"

using namespace dialogs;
using platform::Dialog;

namespace {

enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };
constexpr PitchClassMask kCMajor = 0x488;

QCheckBox* NoteBox(QWidget& page, Box box)
{
    return platform::Control<QCheckBox>(page, kNoteBoxIds[box]);
}

void Tick(QWidget& page, std::initializer_list<Box> boxes)
{
    for (Box b : boxes)
        NoteBox(page, b)->click();
}

SearchSheet& AsSheet(Dialog& d)
{
    return dynamic_cast<SearchSheet&>(d);
}

// A left press in the middle of a string's row, as the mouse delivers it.
void ClickDiagram(DiagramPage& page, int column, int position)
{
    auto* diagram = platform::Control<DiagramWidget>(page, id::kDiagram);
    const auto box = diagram->Geometry().MarkerBox(column, position);
    ASSERT_TRUE(box);
    const QPointF at(box->left + box->width / 2, box->top + box->height / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, diagram->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(diagram, &press);
}

QString NameUnder(QWidget& page, int column)
{
    return platform::Control<QLabel>(page, id::kFirstNoteName + column)->text();
}

struct SearchDialogsTest : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->GetPorts().searchDialogs = &port;
    }
    void TearDown() override
    {
        EXPECT_EQ(runner.PendingScripts(), 0u);
        EXPECT_EQ(runner.unexpectedDialogs, 0);
        DocFixture::TearDown();
    }
    void ExpectCMajorFound() const
    {
        EXPECT_EQ(doc->m_wChordMask, kCMajor);
        EXPECT_EQ(doc->m_nVoicingCount, 12);
        EXPECT_EQ(doc->m_strChordTitle, "C major");
        EXPECT_EQ(doc->m_awHistory, std::vector<PitchClassMask>{kCMajor});
        EXPECT_TRUE(ui.messages.empty());
    }

    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope{runner};
    SearchDialogs port;
};

TEST_F(SearchDialogsTest, TickingCEAndGOnTheNotesPageFindsCMajor)
{
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith"));
        Tick(sheet.Notes(), {C, E});
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith"));
        EXPECT_TRUE(platform::Control<QPushButton>(sheet.Notes(), id::kAdd)->isEnabled());
        Tick(sheet.Notes(), {G});
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith - C major"));
        EXPECT_FALSE(platform::Control<QPushButton>(sheet.Notes(), id::kAdd)->isEnabled());
        platform::PressOk(sheet);
    });
    doc->OnSearchTonalith();
    ExpectCMajorFound();
    EXPECT_EQ(doc->m_nSearchPage, 0);
}

TEST_F(SearchDialogsTest, NotesPageKeepsOneSpellingAndSixNotes)
{
    runner.Expect([&](Dialog& d) {
        NotesPage& notes = AsSheet(d).Notes();
        Tick(notes, {As});
        EXPECT_FALSE(NoteBox(notes, Bb)->isEnabled());
        Tick(notes, {As});
        EXPECT_TRUE(NoteBox(notes, Bb)->isEnabled());
        Tick(notes, {A, Cs, D, E, F, G});
        for (Box b : {As, Bb, B, C, Db, Ds, Eb, Fs, Gb, Gs, Ab})
            EXPECT_FALSE(NoteBox(notes, b)->isEnabled()) << b;
        Tick(notes, {E});
        EXPECT_TRUE(NoteBox(notes, B)->isEnabled());
        EXPECT_FALSE(NoteBox(notes, Db)->isEnabled());  // C# is still ticked
        // A disabled box cannot be ticked.
        NoteBox(notes, Db)->click();
        EXPECT_FALSE(NoteBox(notes, Db)->isChecked());
        platform::ClickControl(notes, id::kClear);
        EXPECT_FALSE(NoteBox(notes, A)->isChecked());
        EXPECT_TRUE(NoteBox(notes, Db)->isEnabled());
        EXPECT_FALSE(platform::Control<QPushButton>(notes, id::kClear)->isEnabled());
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
}

TEST_F(SearchDialogsTest, TheNotesPageReopensInTheLastSpellingUnlessCleared)
{
    struct Case {
        int clearPrevious;
        bool reopensTicked;
    };
    for (const Case c : {Case{0, true}, Case{1, false}}) {
        doc->m_awHistory.clear();
        doc->m_nHistoryPos = 0;
        runner.Expect([&](Dialog& d) {
            NotesPage& notes = AsSheet(d).Notes();
            platform::Control<QCheckBox>(notes, id::kClearPrevious)->setChecked(c.clearPrevious != 0);
            Tick(notes, {Bb, D, F});
            platform::PressOk(d);
        });
        doc->OnSearchTonalith();
        runner.Expect([&](Dialog& d) {
            NotesPage& notes = AsSheet(d).Notes();
            EXPECT_EQ(NoteBox(notes, Bb)->isChecked(), c.reopensTicked);
            EXPECT_FALSE(NoteBox(notes, As)->isChecked());
            EXPECT_EQ(NoteBox(notes, As)->isEnabled(), !c.reopensTicked);
            EXPECT_EQ(d.windowTitle(), c.reopensTicked ? QStringLiteral("Tonalith - Bb major") : QStringLiteral("Tonalith"));
            platform::PressCancel(d);
        });
        doc->OnSearchTonalith();
    }
}

TEST_F(SearchDialogsTest, GermanNamesOnTheNoteBoxes)
{
    doc->m_nDeutsch = 1;
    runner.Expect([&](Dialog& d) {
        NotesPage& notes = AsSheet(d).Notes();
        EXPECT_EQ(platform::Control<QCheckBox>(notes, 1010)->text(), QStringLiteral("H"));
        EXPECT_EQ(platform::Control<QCheckBox>(notes, 1017)->text(), QStringLiteral("B"));
        EXPECT_EQ(NoteBox(notes, Fs)->text(), QStringLiteral("Fis"));
        EXPECT_EQ(NoteBox(notes, C)->text(), QStringLiteral("C"));
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
}

TEST_F(SearchDialogsTest, CancelLeavesTheShownChordsSpelling)
{
    doc->m_wChordMask = 0x122;
    doc->m_wFlatFlags = 0x02;
    runner.Expect([&](Dialog& d) {
        Tick(AsSheet(d).Notes(), {C, E, G});
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
    EXPECT_EQ(doc->m_wFlatFlags, 0x02);
    EXPECT_EQ(doc->m_wChordMask, 0x122);
    EXPECT_TRUE(doc->m_awHistory.empty());
}

TEST_F(SearchDialogsTest, AddNamesAnUnnamedSetInTheUserDirectory)
{
    runner.Expect([&](Dialog& d) {
        NotesPage& notes = AsSheet(d).Notes();
        Tick(notes, {A, Bb, B});
        ASSERT_TRUE(platform::Control<QPushButton>(notes, id::kAdd)->isEnabled());
        platform::ClickControl(notes, id::kAdd);
        // Named now, but the caption and Add wait for the next change of notes.
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Tonalith"));
        Tick(notes, {B});
        Tick(notes, {B});
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Tonalith - Cluster"));
        EXPECT_FALSE(platform::Control<QPushButton>(notes, id::kAdd)->isEnabled());
        platform::PressCancel(d);
    });
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Add New Chord to User Directory"));
        // The notes are fixed: every box is disabled, Clear and the frame are hidden.
        EXPECT_FALSE(platform::Control<QCheckBox>(d, kNoteBoxIds[Bb])->isEnabled());
        EXPECT_TRUE(platform::Control<QCheckBox>(d, kNoteBoxIds[Bb])->isChecked());
        EXPECT_TRUE(platform::Control<QPushButton>(d, id::kClear)->isHidden());
        auto* name = platform::Control<QLineEdit>(d, id::kChordName);
        platform::PressOk(d);  // no name yet
        EXPECT_TRUE(d.isVisible());
        name->setText(QStringLiteral("Cluster"));
        platform::PressOk(d);
    });
    doc->OnSearchTonalith();
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("No chord name"));
    ASSERT_EQ(doc->m_listUserDir.size(), 1u);
    EXPECT_EQ(doc->m_listUserDir[0].m_strName, "Cluster");
    EXPECT_EQ(doc->m_listUserDir[0].m_nValue, (0x02 << 16) | 0x007);
    EXPECT_TRUE(g_bUserDirModified);
}

TEST_F(SearchDialogsTest, TheChordNameRefusesTheFileSeparators)
{
    AddUserChordDialog dialog;
    runner.Expect([&](Dialog& d) {
        auto* name = platform::Control<QLineEdit>(d, id::kChordName);
        auto* limit = qobject_cast<const platform::CharLimitValidator*>(name->validator());
        ASSERT_NE(limit, nullptr);
        EXPECT_EQ(limit->Limit(), 35);
        int pos = 0;
        for (const char* text : {"C~7", "C^7", "C\t7"}) {
            QString t = QString::fromLatin1(text);
            EXPECT_EQ(name->validator()->validate(t, pos), QValidator::Invalid) << text;
        }
        QString ok = QStringLiteral("Cmaj7 (Dur)");
        EXPECT_EQ(name->validator()->validate(ok, pos), QValidator::Acceptable);
        platform::PressCancel(d);
    });
    dialog.DoModal();
}

TEST_F(SearchDialogsTest, ClickingCMajorOnTheDiagramFindsIt)
{
    doc->m_nKvClrprevKvdgm = 0;
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        DiagramPage& page = sheet.Diagram();
        // x32010
        ClickDiagram(page, 1, 4);
        ClickDiagram(page, 2, 3);
        ClickDiagram(page, 3, 1);
        ClickDiagram(page, 4, 2);
        ClickDiagram(page, 5, 1);
        EXPECT_EQ((std::array<QString, 6>{NameUnder(page, 0), NameUnder(page, 1), NameUnder(page, 2),
                                          NameUnder(page, 3), NameUnder(page, 4), NameUnder(page, 5)}),
                  (std::array<QString, 6>{"  ", "C", "E", "G", "C", "E"}));
        // Named at once, before anything is painted; OK takes this set.
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith - C major"));
        EXPECT_FALSE(platform::Control<QPushButton>(page, id::kAdd)->isEnabled());
        platform::PressOk(sheet);
    });
    doc->OnSearchTonalith();
    ExpectCMajorFound();
    EXPECT_EQ(doc->m_nSearchPage, 1);
    EXPECT_EQ(doc->m_wFlatFlags, 0);
    EXPECT_EQ(doc->m_abDiagramEntry, (ports::DiagramEntry{0, 64 | 4, 64 | 3, 64 | 1, 64 | 2, 64 | 1, 1, 0, 0}));

    // It reopens on the Diagram page with the same entry.
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
        EXPECT_EQ(NameUnder(sheet.Diagram(), 2), QStringLiteral("E"));
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith - C major"));
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
}

TEST_F(SearchDialogsTest, TheDiagramIsMarkedFromTheKeyboard)
{
    doc->m_nKvClrprevKvdgm = 0;
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        DiagramPage& page = sheet.Diagram();
        ASSERT_TRUE(testsupport::Activate(d));
        page.Control(id::kBaseFret)->setFocus();
        const auto press = [](std::initializer_list<Qt::Key> keys) {
            for (Qt::Key key : keys)
                QTest::keyClick(QApplication::focusWidget(), key);
        };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), page.Control(id::kMarkerDot));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), page.Control(id::kDiagram));
        // From the 6th string's open row: x32010.
        press({Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        press({Qt::Key_Right, Qt::Key_Up, Qt::Key_Space});
        press({Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space});  // the open row is the top
        press({Qt::Key_Right, Qt::Key_Down, Qt::Key_Space});
        press({Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space});  // the 1st string is the last
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith - C major"));

        // The eraser takes a marker off the same way.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), page.Control(id::kMarkerDot));
        press({Qt::Key_Down});
        EXPECT_TRUE(platform::Control<QRadioButton>(page, id::kMarkerEraser)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), page.Control(id::kDiagram));
        press({Qt::Key_Space});
        EXPECT_EQ(NameUnder(page, 5), QStringLiteral("  "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        press({Qt::Key_Up});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        press({Qt::Key_Space, Qt::Key_Return});
    });
    doc->OnSearchTonalith();
    ExpectCMajorFound();
    EXPECT_EQ(doc->m_abDiagramEntry, (ports::DiagramEntry{0, 64 | 4, 64 | 3, 64 | 1, 64 | 2, 64 | 1, 1, 0, 0}));
}

TEST_F(SearchDialogsTest, DotsMoveAndTheEraserRemoves)
{
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        DiagramPage& page = sheet.Diagram();
        ClickDiagram(page, 0, 1);
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("E"));
        ClickDiagram(page, 0, 2);
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("F"));
        EXPECT_EQ(page.NoteMask(), 0x100);
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith"));  // a single note has no name
        EXPECT_TRUE(platform::Control<QPushButton>(page, id::kAdd)->isEnabled());
        platform::Control<QRadioButton>(page, id::kMarkerEraser)->click();
        ClickDiagram(page, 0, 4);
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("  "));
        EXPECT_EQ(page.NoteMask(), 0);
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Tonalith"));
        EXPECT_FALSE(platform::Control<QPushButton>(page, id::kAdd)->isEnabled());
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
}

TEST_F(SearchDialogsTest, TheBaseFretMovesTheRowsAndIsValidated)
{
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        DiagramPage& page = sheet.Diagram();
        auto* fret = platform::Control<QLineEdit>(page, id::kBaseFret);
        EXPECT_EQ(fret->text(), QStringLiteral("1"));
        ClickDiagram(page, 0, 2);
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("F"));
        fret->setText(QStringLiteral("10"));
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("D"));
        fret->setText(QStringLiteral("25"));  // ignored while typing
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("D"));
        platform::PressOk(sheet);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.focusWidget(), fret);
        fret->setText(QStringLiteral("20"));
        ClickDiagram(page, 0, 5);  // fret 23 sounds as fret 11
        EXPECT_EQ(NameUnder(page, 0), QStringLiteral("D#"));
        platform::PressOk(sheet);
    });
    doc->OnSearchTonalith();
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter an integer between 1 and 20."));
    EXPECT_EQ(doc->m_wChordMask, 0x040);
    EXPECT_EQ(doc->m_nDiagramEntryBaseFret, 20);
    EXPECT_EQ(doc->m_abDiagramEntry[ports::kDiagramBaseFretByte], 20);
}

TEST_F(SearchDialogsTest, LeavingTheDiagramWithABadBaseFretIsRefused)
{
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        platform::Control<QLineEdit>(sheet.Diagram(), id::kBaseFret)->setText(QStringLiteral("x"));
        sheet.Tabs()->setCurrentIndex(0);
        EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter an integer."));
}

TEST_F(SearchDialogsTest, TheDiagramShowsTheTuning)
{
    doc->m_awTuning = {32, 1, 512, 32, 1, 32};  // Open D
    doc->BuildFretboardNotes();
    runner.Expect([&](Dialog& d) {
        SearchSheet& sheet = AsSheet(d);
        sheet.Tabs()->setCurrentIndex(1);
        QStringList notes;
        for (int labelId : kTuningNoteIds)
            notes << platform::Control<QLabel>(sheet.Diagram(), labelId)->text();
        EXPECT_EQ(notes, (QStringList{"D", "A", "D", "F#", "A", "D"}));
        EXPECT_EQ(platform::Control<QLabel>(sheet.Diagram(), id::kTuningName)->text(), QStringLiteral("Open D"));
        ClickDiagram(sheet.Diagram(), 3, 1);
        EXPECT_EQ(NameUnder(sheet.Diagram(), 3), QStringLiteral("F#"));
        platform::PressCancel(d);
    });
    doc->OnSearchTonalith();
}

// Chord Directory.

ChordDirectoryDialog& AsDirectory(Dialog& d)
{
    return dynamic_cast<ChordDirectoryDialog&>(d);
}

QListWidget* ChordList(Dialog& d)
{
    return platform::Control<QListWidget>(d, id::kChordList);
}

TEST_F(SearchDialogsTest, CMajorFromTheChordDirectory)
{
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(ChordList(d)->item(0)->text(), QStringLiteral("A  major"));
        for (int i = 0; i < 3; ++i)
            platform::ClickControl(d, id::kRootUp);
        EXPECT_EQ(ChordList(d)->count(), 37);
        EXPECT_EQ(ChordList(d)->item(0)->text(), QStringLiteral("C  major"));
        ChordList(d)->setCurrentRow(0);
        platform::PressOk(d);
    });
    doc->OnSearchChordDirectory();
    ExpectCMajorFound();
    EXPECT_EQ(doc->m_wChdirRoot, 8);
    EXPECT_EQ(doc->m_nChdirType, 0);
}

TEST_F(SearchDialogsTest, TheDirectoryReopensOnTheLastRootAndTypeAndADoubleClickPicks)
{
    doc->m_wChdirRoot = 16;
    doc->m_nChdirType = 1;
    runner.Expect([&](Dialog& d) {
        QListWidget* list = ChordList(d);
        EXPECT_EQ(list->currentRow(), 1);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("C# minor"));
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Db major"));
        // The type picked stays selected through a change of names and roots.
        list->setCurrentRow(14);
        platform::ClickControl(d, id::kShortNames);
        EXPECT_EQ(list->currentRow(), 14);
        EXPECT_EQ(list->item(14)->text(), QStringLiteral("C#m#7 "));
        platform::ClickControl(d, id::kRootDown);
        EXPECT_EQ(list->currentRow(), 14);
        emit list->itemDoubleClicked(list->item(14));
    });
    doc->OnSearchChordDirectory();
    EXPECT_EQ(doc->m_wChdirRoot, 8);
    EXPECT_EQ(doc->m_nChdirType, 14);
    EXPECT_EQ(doc->m_nShtNames, 1);
    EXPECT_EQ(doc->m_wChordMask, 0x44C);  // C minor sharp seventh: B, C, D#, G
}

TEST_F(SearchDialogsTest, CtrlPageKeysStepTheRootFromAnywhereInTheDialog)
{
    runner.Expect([&](Dialog& d) {
        std::map<int, QShortcut*> shortcuts;
        for (QShortcut* s : d.findChildren<QShortcut*>())
            shortcuts[s->key()[0].toCombined()] = s;
        EXPECT_FALSE(shortcuts.contains(QKeyCombination(Qt::Key_PageUp).toCombined()));
        QShortcut* up = shortcuts[QKeyCombination(Qt::ControlModifier, Qt::Key_PageUp).toCombined()];
        QShortcut* down = shortcuts[QKeyCombination(Qt::ControlModifier, Qt::Key_PageDown).toCombined()];
        ASSERT_TRUE(up && down);
        EXPECT_EQ(up->context(), Qt::WindowShortcut);  // the list's focus does not hide it
        emit up->activated();
        EXPECT_EQ(AsDirectory(d).rootPage, 2);
        emit down->activated();
        emit down->activated();
        EXPECT_EQ(AsDirectory(d).rootPage, 2048);
        EXPECT_EQ(ChordList(d)->item(0)->text(), QStringLiteral("Ab major"));
        platform::PressCancel(d);
    });
    doc->OnSearchChordDirectory();
    EXPECT_EQ(doc->m_wChdirRoot, 1);  // Cancel stores nothing
}

TEST_F(SearchDialogsTest, OkWithoutASelectionSearchesNothing)
{
    runner.Expect([&](Dialog& d) { platform::PressOk(d); });
    doc->OnSearchChordDirectory();
    EXPECT_TRUE(doc->m_awHistory.empty());
    EXPECT_EQ(doc->m_nChdirType, -1);
}

}  // namespace
