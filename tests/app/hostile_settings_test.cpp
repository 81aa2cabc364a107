#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include "app_fixture.h"
#include "dialogs/search/search_sheet.h"
#include "dialogs/search/search_templates.h"
#include "document/command_ids.h"
#include "document/html_page.h"
#include "document/persistent_settings.h"
#include "document/settings_store.h"
#include "support/memory_settings_store.h"
#include "support/scripted_dialog_runner.h"
#include "support/special_files.h"

namespace {

using Key = std::pair<std::string, std::string>;

// Every number the settings block stores, as the save names it.
std::vector<Key> NumericKeys()
{
    MemorySettingsStore store;
    document::SaveSettings(store, PersistentSettings{});
    std::vector<Key> keys;
    for (const Key& key : store.Keys())
        if (key.second != "Rect" && key.second != "Name")
            keys.push_back(key);
    return keys;
}

// Numbers a use may change: the document checks and writes back the sound
// and display values, the search sheet's OK stores its two check boxes,
// exp is held in 16 bits, and the window reports its own state.
bool ChangedByUse(const Key& key)
{
    static const std::set<std::string> kUsed = {"instr",  "vel",   "dur",        "sep",
                                                "snotes", "notefret", "nocol",   "exp",
                                                "kv_clrprev", "kv_clrprev_kvdgm"};
    return key.first == settings_section::kWindowSize || kUsed.contains(key.second);
}

class HostileSettings : public AppFixture {
protected:
    void WriteSettings(const std::vector<std::pair<Key, std::string>>& values)
    {
        QFile::remove(QString::fromStdString(IniPath()));
        platform::QtSettingsStore store(IniPath());
        for (const auto& [key, text] : values)
            store.WriteString(key.first, key.second, text);
    }

    // On at least one screen's available area, and no larger than the desktop.
    void ExpectWindowOnScreen(const char* label)
    {
        const QRect window = Frame().normalGeometry();
        QRect desktop;
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens()) {
            desktop |= screen->geometry();
            onScreen = onScreen || screen->availableGeometry().intersects(window);
        }
        EXPECT_TRUE(onScreen) << label;
        EXPECT_LE(window.width(), desktop.width()) << label;
        EXPECT_LE(window.height(), desktop.height()) << label;
    }

    // The first search through the sheet, more to fill the history, then
    // every history command and a page export.
    void Use(const char* label)
    {
        runner.Expect([](platform::Dialog& d) {
            auto& notes = dynamic_cast<dialogs::SearchSheet&>(d).Notes();
            for (int box : {4, 10, 14})  // C, E, G
                platform::Control<QCheckBox>(notes, dialogs::kNoteBoxIds[static_cast<std::size_t>(box)])->click();
            platform::PressOk(d);
        });
        Frame().Commands().Execute(cmd::SearchTonalith);
        EXPECT_GT(Doc().m_nVoicingCount, 0) << label;
        for (int i = 0; i < 24; ++i)
            Doc().SearchNewChord(i % 2 ? 0x488 : 0x091, false);
        for (int id : {cmd::ViewBack, cmd::ViewStartHistory, cmd::ViewForward, cmd::ViewEndHistory, cmd::ViewClear,
                       cmd::ViewBack, cmd::ViewClearAll})
            Frame().Commands().Execute(id);
        EXPECT_LE(Doc().m_nHistoryPos, static_cast<int>(Doc().m_awHistory.size())) << label;
        EXPECT_FALSE(document::buildHtmlPage(Doc(), Frame().m_settings).empty()) << label;
    }
};

TEST_F(HostileSettings, AnyStoredValueStartsAWindowOnTheScreenAndTheUnusedOnesAreSavedUnchanged)
{
    struct Row {
        const char* label;
        std::vector<std::pair<Key, std::string>> values;
        bool keptOnSave;  // the numbers come back as written
    };
    const std::vector<Key> keys = NumericKeys();
    auto everyNumber = [&keys](const std::string& text) {
        std::vector<std::pair<Key, std::string>> values;
        for (const Key& key : keys)
            values.emplace_back(key, text);
        return values;
    };
    auto history = [](const std::string& size) {
        return std::vector<std::pair<Key, std::string>>{{{"Settings", "inc_his"}, "1"},
                                                         {{"Settings", "his_buf_sz"}, size}};
    };
    auto rect = [](const std::string& text) {
        return std::vector<std::pair<Key, std::string>>{{{"Window size", "Rect"}, text}};
    };
    const std::vector<Row> rows = {
        {"every number the smallest", everyNumber("-2147483648"), true},
        {"every number the largest", everyNumber("2147483647"), true},
        {"every number -1", everyNumber("-1"), true},
        {"every number 0", everyNumber("0"), true},
        {"every number beyond 32 bits", everyNumber("99999999999"), false},
        {"every number not a number", everyNumber("lots"), false},
        {"history of the smallest size", history("-2147483648"), true},
        {"history of size -2147483647", history("-2147483647"), true},
        {"history of size -1", history("-1"), true},
        {"history of the largest size", history("2147483647"), true},
        {"window of the largest numbers", rect("0 0 2147483647 2147483647"), true},
        {"window across the number range", rect("-2147483648 0 2147483647 400"), true},
        {"window off every screen", rect("-5000 -5000 -4000 -4000"), true},
        {"window with no area", rect("0100 0100 0100 0500"), true},
        {"window rectangle empty", rect(""), true},
        {"window rectangle not numbers", rect("left top right bottom"), true},
    };
    for (const Row& row : rows) {
        WriteSettings(row.values);
        Start();
        ExpectWindowOnScreen(row.label);
        Use(row.label);
        Stop();

        if (!row.keptOnSave)
            continue;
        platform::QtSettingsStore store(IniPath());
        for (const auto& [key, text] : row.values) {
            if (key.second != "Rect" && !ChangedByUse(key)) {
                EXPECT_EQ(store.ReadString(key.first, key.second), text) << row.label << ": " << key.second;
            }
        }
    }
}

TEST_F(HostileSettings, AWindowPartlyOnTheScreenKeepsItsPlace)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect partly(screen.right() - 100, screen.bottom() - 100, 600, 400);
    const std::string text = document::FormatWindowRect(
        {partly.x(), partly.y(), partly.x() + partly.width(), partly.y() + partly.height()});
    WriteSettings({{{"Window size", "Rect"}, text}});
    Start();
    EXPECT_EQ(Frame().normalGeometry(), partly);
}

// A frame that was never created whole closes without its settings loaded:
// writing them would put the defaults over the user's.
TEST_F(HostileSettings, AFrameClosedBeforeItsSettingsLoadedWritesNothing)
{
    WriteSettings({{{"Misc", "instr"}, "3001"}, {{"Settings", "note_fnt"}, "Mine"}});
    platform::QtSettingsStore store(IniPath());
    {
        CMainFrame frame(store);
        frame.close();
    }
    EXPECT_TRUE(store.Flush());
    EXPECT_EQ(store.ReadString("Misc", "instr"), "3001");
    EXPECT_EQ(store.ReadString("Settings", "note_fnt"), "Mine");
    EXPECT_FALSE(store.Contains("Window size", "Rect"));
    EXPECT_TRUE(runner.messages.empty());
}

TEST_F(HostileSettings, ASettingsFileThatCannotBeWrittenIsReportedOnceAtExit)
{
    Start();
    Stop();
    EXPECT_TRUE(runner.messages.empty()) << "written, so nothing to say";

    Start();
    // A folder where the file goes, as a read-only or full disk would refuse it.
    const QString ini = QString::fromStdString(IniPath());
    QFile::remove(ini);
    ASSERT_TRUE(QDir().mkpath(ini + QStringLiteral("/in the way")));
    Frame().close();
    Frame().close();
    Stop();

    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Your settings could not be saved to ") + ini + u'.');
    EXPECT_EQ(runner.messages[0].caption, QStringLiteral("Tonalith"));
    EXPECT_EQ(runner.messages[0].icon, platform::MessageIcon::Exclamation);
}

// The settings file a link to something that is no file: File > Exit leaves
// it alone and says so, as the User Directory does.
TEST_F(HostileSettings, ALinkToADeviceAPipeOrAFolderIsLeftAloneAndReported)
{
    namespace fs = std::filesystem;
    using testsupport::SpecialFile;
    const fs::path ini = IniPath();
    for (const SpecialFile kind : {SpecialFile::ZeroDevice, SpecialFile::Fifo, SpecialFile::Folder}) {
        SCOPED_TRACE(testsupport::Describe(kind));
        const fs::path target = TempPath("target");
        fs::remove_all(target);
        fs::remove(ini);
        if (!testsupport::MakeSpecialFile(kind, target))
            continue;
        fs::create_symlink(target, ini);
        runner.messages.clear();

        Start();
        Frame().close();
        Stop();

        ASSERT_EQ(runner.messages.size(), 1u);
        EXPECT_EQ(runner.messages[0].text,
                  QStringLiteral("Your settings could not be saved to ") + QString::fromStdString(IniPath()) + u'.');
        EXPECT_EQ(fs::symlink_status(target).type(), testsupport::TypeOf(kind));
        EXPECT_TRUE(fs::is_symlink(ini));
    }
}

// A lock beside the settings file that no writer can take, a folder or a
// pipe: File > Exit neither waits on it nor opens it, says the settings
// were not saved, and the chord added meanwhile is in the User Directory.
TEST_F(HostileSettings, AStuckSettingsLockNeitherHoldsUpTheCloseNorLosesAChord)
{
    namespace fs = std::filesystem;
    using testsupport::SpecialFile;
    const fs::path documents = UseDocumentsFolder();
    const fs::path lock = IniPath() + ".lock";
    for (const SpecialFile kind : {SpecialFile::Folder, SpecialFile::Fifo}) {
        SCOPED_TRACE(testsupport::Describe(kind));
        fs::remove_all(lock);
        fs::remove(documents / "UserDir.kv");
        WriteSettings({{{"Misc", "instr"}, "3001"}});
        const std::string settings = [&] {
            std::ifstream in(IniPath(), std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        }();
        ASSERT_TRUE(testsupport::MakeSpecialFile(kind, lock));
        std::optional<testsupport::FifoOpenWatch> watch;
        if (kind == SpecialFile::Fifo)
            watch.emplace(lock);
        runner.messages.clear();

        Start();
        Doc().m_listUserDir.push_back({"Mine", 0x091});
        g_bUserDirModified = true;
        Frame().close();
        Stop();

        ASSERT_EQ(runner.messages.size(), 1u);
        EXPECT_EQ(runner.messages[0].text,
                  QStringLiteral("Your settings could not be saved to ") + QString::fromStdString(IniPath()) + u'.');
        std::ifstream in(documents / "UserDir.kv", std::ios::binary);
        const std::string chords(std::istreambuf_iterator<char>(in), {});
        EXPECT_NE(chords.find("\nMine~145\r\r\n"), std::string::npos) << chords;
        std::ifstream now(IniPath(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(now), {}), settings);
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the lock was opened";
        }
        EXPECT_EQ(fs::symlink_status(lock).type(), testsupport::TypeOf(kind));
    }
}

// At close the User Directory is saved before the settings: when neither
// can be written, its box comes first.
TEST_F(HostileSettings, TheUserDirectoryIsSavedBeforeTheSettings)
{
    namespace fs = std::filesystem;
    const fs::path documents = UseDocumentsFolder();
    const fs::path chords = documents / "UserDir.kv";
    std::ofstream(chords, std::ios::binary) << "// a\r\n// b\r\nKept~1160\r\r\n";
    WriteSettings({{{"Misc", "instr"}, "3001"}});
    constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(chords, kReadOnly);
    fs::permissions(IniPath(), kReadOnly);

    Start();
    Doc().m_listUserDir.push_back({"Mine", 0x091});
    g_bUserDirModified = true;
    Frame().close();
    Stop();

    std::vector<std::string> texts;
    for (const auto& message : runner.messages)
        texts.push_back(message.text.toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"User directory file error",
                                               "Your settings could not be saved to " + IniPath() + "."}));
    EXPECT_EQ(fs::status(IniPath()).permissions(), kReadOnly);
}

}  // namespace
