// The User Directory through the main window: named from the chord header's
// menu, searched, modified and deleted in its dialog, and kept in its file
// across a restart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "tests/support/active_window.h"
#include "dialogs/search/search_sheet.h"
#include "dialogs/user_directory/user_directory_templates.h"
#include "document/command_ids.h"
#include "view/kvwin_view.h"

namespace {

namespace fs = std::filesystem;
using platform::Dialog;

enum Box { A, As, Bb, B, C, Cs, Db, D, Ds, Eb, E, F, Fs, Gb, G, Gs, Ab };

constexpr PitchClassMask kCMajor = 0x488;
constexpr PitchClassMask kCDbE = 0x098;  // no built-in name
constexpr const char* kHeader = "// Tonalith generated user directory file.\r\n// Used by kvwin32.exe - do not edit!\r\n";

QCheckBox* NoteBox(QWidget& host, Box box)
{
    return platform::Control<QCheckBox>(host, dialogs::kNoteBoxIds[box]);
}

QListWidget* List(Dialog& d)
{
    return platform::Control<QListWidget>(d, dialogs::id::kUserDirList);
}

void SelectLine(Dialog& d, const QString& text)
{
    const QList<QListWidgetItem*> found = List(d)->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    List(d)->setCurrentItem(found.front());
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class UserDirectoryCommands : public AppFixture {
protected:
    // Starts with a User Directory file of these entry lines in the
    // documents folder; returns the file's bytes.
    std::string StartOnFile(const std::string& entryLines)
    {
        m_folder = UseDocumentsFolder();
        const std::string bytes = kHeader + entryLines;
        WriteFile(File(), bytes);
        Start();
        return bytes;
    }
    fs::path File() const { return m_folder / "UserDir.kv"; }
    fs::path Backup() const { return m_folder / "UserDir.kv!"; }

    QString Pane(const char* name)
    {
        auto* pane = Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
        return pane ? pane->text() : QStringLiteral("<no pane>");
    }

    void Trigger(int command)
    {
        QCoreApplication::processEvents();  // the command states follow the last change
        QAction* action = Frame().Commands().Action(command);
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
    }

    // A right click on the chord header, the menu's one item chosen.
    void ChooseFromHeaderMenu()
    {
        CKvwinView& view = *GetApp().View();
        int offered = 0;
        view.SetMenuRunner([&offered](const std::vector<CKvwinView::MenuItem>& items, QPoint) {
            offered = static_cast<int>(items.size());
            return items.empty() ? 0 : items.front().id;
        });
        const QPoint at(100, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
        EXPECT_EQ(offered, 1) << "no menu over the header";
    }

    std::vector<std::pair<std::string, UdirChordValue>> Entries()
    {
        std::vector<std::pair<std::string, UdirChordValue>> out;
        for (const CUdir& entry : Doc().m_listUserDir)
            out.emplace_back(entry.GetName(), entry.m_nValue);
        return out;
    }

    std::vector<std::pair<std::string, PitchClassMask>> Masks()
    {
        std::vector<std::pair<std::string, PitchClassMask>> out;
        for (const CUdir& entry : Doc().m_listUserDir)
            out.emplace_back(entry.GetName(), entry.Mask());
        return out;
    }

    // Asks for a name for the current chord, which has none, and adds it.
    void AddCurrentChordAs(const char* name)
    {
        ASSERT_EQ(Doc().m_strChordTitle, "No chord id found");
        runner.Expect([name](Dialog& d) {
            platform::Control<QLineEdit>(d, dialogs::id::kChordName)->setText(QString::fromLatin1(name));
            platform::PressOk(d);
        });
        EXPECT_TRUE(Frame().Commands().Execute(cmd::AddChordToUserDirectory));
        EXPECT_EQ(runner.PendingScripts(), 0u);
    }

private:
    fs::path m_folder;
};

// The desktop's folders in a home of the test's own.
class ScopedHome {
public:
    explicit ScopedHome(const QString& home)
    {
        for (const auto& [name, value] : {std::pair{"HOME", home}, {"XDG_CONFIG_HOME", home + "/.config"},
                                          {"XDG_DATA_HOME", home + "/.local/share"}}) {
            m_saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qputenv(name, QFile::encodeName(value));
        }
    }
    ~ScopedHome()
    {
        for (const Saved& saved : m_saved) {
            if (saved.set)
                qputenv(saved.name, saved.value);
            else
                qunsetenv(saved.name);
        }
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> m_saved;
};

TEST_F(UserDirectoryCommands, AddFindModifyDeleteAndRestart)
{
    const std::string seed = StartOnFile("Kept~1160\r\r\n");
    ASSERT_EQ(Entries(), (std::vector<std::pair<std::string, UdirChordValue>>{{"Kept", kCMajor}}));

    // C, Db and E have no name; the header offers to give them one.
    runner.Expect([](Dialog& d) {
        auto& notes = dynamic_cast<dialogs::SearchSheet&>(d).Notes();
        for (Box b : {C, Db, E})
            NoteBox(notes, b)->click();
        platform::PressOk(d);
    });
    Trigger(cmd::SearchTonalith);
    ASSERT_EQ(Doc().m_strChordTitle, "No chord id found");
    const int unnamedVoicings = Doc().m_nVoicingCount;
    ASSERT_GT(unnamedVoicings, 0);

    runner.Expect([](Dialog& d) {
        EXPECT_TRUE(NoteBox(d, Db)->isChecked());
        EXPECT_FALSE(NoteBox(d, G)->isEnabled());
        platform::Control<QLineEdit>(d, dialogs::id::kChordName)->setText(QStringLiteral("My cluster"));
        platform::PressOk(d);
    });
    ChooseFromHeaderMenu();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("My cluster - Tonalith"));
    EXPECT_EQ(Pane("pane1"), QStringLiteral("My cluster"));
    // Named now, the command does nothing.
    const int dialogsRun = runner.dialogsRun;
    EXPECT_TRUE(Frame().Commands().Execute(cmd::AddChordToUserDirectory));
    EXPECT_EQ(runner.dialogsRun, dialogsRun);

    // Saved as a page, it carries the name too.
    runner.standardAnswer = QDialog::Accepted;
    Trigger(cmd::FileSaveAsHtml);
    runner.standardAnswer = QDialog::Rejected;
    EXPECT_NE(ReadFile(TempPath("My_cluster.html")).find("<title>My cluster</title>"), std::string::npos);

    // Found again in the User Directory.
    Doc().SearchNewChord(kCMajor, true);
    runner.Expect([](Dialog& d) {
        EXPECT_EQ(List(d)->count(), 2);
        SelectLine(d, QStringLiteral("My cluster"));
        EXPECT_EQ(platform::Control<QLineEdit>(d, dialogs::id::kUserChordNotes)->text(), QStringLiteral("CDbE"));
        platform::PressOk(d);
    });
    Trigger(cmd::SearchUserDirectory);
    EXPECT_EQ(Doc().m_wChordMask, kCDbE);
    EXPECT_EQ(Doc().m_nVoicingCount, unnamedVoicings);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("My cluster - Tonalith"));
    EXPECT_EQ(Doc().m_awHistory.back(), kCDbE);

    // Its notes changed to C, E and G: OK searches C major.
    runner.Expect([](Dialog& d) {
        SelectLine(d, QStringLiteral("My cluster"));
        platform::ClickControl(d, dialogs::id::kUserDirModify);
        EXPECT_EQ(platform::Control<QLineEdit>(d, dialogs::id::kUserChordNotes)->text(), QStringLiteral("CEG"));
        platform::PressOk(d);
    });
    runner.Expect([](Dialog& d) {
        for (Box b : {Db, G})
            NoteBox(d, b)->click();
        platform::PressOk(d);
    });
    Trigger(cmd::SearchUserDirectory);
    EXPECT_EQ(Doc().m_wChordMask, kCMajor);
    EXPECT_EQ(Doc().m_nVoicingCount, 12);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("C major - Tonalith"));

    // Deleted, nothing is chosen.
    runner.Expect([](Dialog& d) {
        SelectLine(d, QStringLiteral("My cluster"));
        platform::ClickControl(d, dialogs::id::kUserDirDelete);
        platform::PressOk(d);
        EXPECT_TRUE(d.isVisible());
        platform::PressCancel(d);
    });
    Trigger(cmd::SearchUserDirectory);
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("No selection"));
    EXPECT_EQ(runner.PendingScripts(), 0u);
    EXPECT_EQ(runner.unexpectedDialogs, 0);

    Stop();
    EXPECT_EQ(ReadFile(File()), std::string(kHeader) + "Kept~1160\r\r\n");
    EXPECT_EQ(ReadFile(Backup()), seed);
    Start();
    EXPECT_EQ(Entries(), (std::vector<std::pair<std::string, UdirChordValue>>{{"Kept", kCMajor}}));
}

TEST_F(UserDirectoryCommands, DeletedChordsStayDeletedWhenNoneIsLeft)
{
    const std::string seed = StartOnFile("One~1160\r\r\nTwo~145\r\r\n");
    ASSERT_EQ(Doc().m_listUserDir.size(), 2u);
    runner.Expect([](Dialog& d) {
        for (const char* name : {"Two", "One"}) {
            SelectLine(d, QString::fromLatin1(name));
            platform::ClickControl(d, dialogs::id::kUserDirDelete);
        }
        EXPECT_FALSE(platform::Control<QWidget>(d, dialogs::id::kUserDirDelete)->isEnabled());
        platform::PressCancel(d);
    });
    Trigger(cmd::SearchUserDirectory);
    EXPECT_TRUE(Doc().m_listUserDir.empty());

    Stop();
    EXPECT_EQ(ReadFile(File()), kHeader);
    EXPECT_EQ(ReadFile(Backup()), seed);
    Start();
    EXPECT_TRUE(Doc().m_listUserDir.empty());
}

// A fresh home without a Documents folder, the program started from one
// folder and then from another, as a menu and a terminal do: the second
// start finds the chords of the first, and neither folder gets a file.
TEST_F(UserDirectoryCommands, AHomeWithoutDocumentsKeepsTheChordsWhereverTheProgramStarts)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ScopedHome scoped(home.path());
    const fs::path first = home.filePath(QStringLiteral("first")).toStdString();
    const fs::path second = home.filePath(QStringLiteral("second")).toStdString();
    fs::create_directories(first);
    fs::create_directories(second);
    useSystemDocs = true;

    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(first.string())));
    Start();
    Doc().SearchNewChord(kCDbE, true);
    AddCurrentChordAs("First");
    Stop();

    constexpr PitchClassMask kCDbD = 0x038;
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(second.string())));
    Start();
    EXPECT_EQ(Masks(), (std::vector<std::pair<std::string, PitchClassMask>>{{"First", kCDbE}}));
    Doc().SearchNewChord(kCDbD, true);
    AddCurrentChordAs("Second");
    Stop();

    Start();
    EXPECT_EQ(Masks(), (std::vector<std::pair<std::string, PitchClassMask>>{{"First", kCDbE}, {"Second", kCDbD}}));
    Stop();
    EXPECT_TRUE(fs::is_empty(first));
    EXPECT_TRUE(fs::is_empty(second));
    const std::string file = ReadFile(home.filePath(QStringLiteral("Documents/UserDir.kv")).toStdString());
    EXPECT_EQ(file.rfind(kHeader, 0), 0u);
    EXPECT_NE(file.find("\nFirst~"), std::string::npos);
    EXPECT_NE(file.find("\nSecond~"), std::string::npos);
}

// The list from the keyboard alone: it opens with nothing selected, the
// arrows select from the first line on, Enter presses OK.
struct KeysCase {
    const char* entryLines;
    std::vector<Qt::Key> keys;
    PitchClassMask searched;
};

TEST_F(UserDirectoryCommands, ArrowsSelectAndEnterSearches)
{
    constexpr PitchClassMask kAMajor = 0x091;
    const std::vector<KeysCase> cases = {
        {"One~1160\r\r\n", {Qt::Key_Down}, kCMajor},
        {"One~1160\r\r\n", {Qt::Key_Up}, kCMajor},
        {"One~1160\r\r\nTwo~145\r\r\n", {Qt::Key_Down}, kCMajor},
        {"One~1160\r\r\nTwo~145\r\r\n", {Qt::Key_Down, Qt::Key_Down}, kAMajor},
        {"One~1160\r\r\nTwo~145\r\r\n", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, kCMajor},
    };
    for (const KeysCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.keys.size()) + " keys on " + c.entryLines);
        StartOnFile(c.entryLines);
        Doc().SearchNewChord(kCDbE, true);
        ASSERT_TRUE(testsupport::Activate(Frame()));
        runner.Expect([&c](Dialog& d) {
            ASSERT_TRUE(testsupport::Activate(d));
            ASSERT_EQ(QApplication::focusWidget(), List(d));
            EXPECT_TRUE(List(d)->selectedItems().isEmpty());
            for (Qt::Key key : c.keys)
                QTest::keyClick(QApplication::focusWidget(), key);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        Trigger(cmd::SearchUserDirectory);
        EXPECT_TRUE(runner.messages.empty()) << runner.messages.front().text.toStdString();
        EXPECT_EQ(runner.dialogsLeftOpen, 0);
        EXPECT_EQ(Doc().m_wChordMask, c.searched);
        runner.messages.clear();
        runner.dialogsLeftOpen = 0;
        Stop();
    }
}

}  // namespace
