#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt_settings_store.h"
#include "tests/support/special_files.h"

namespace {

struct QtSettingsStoreTest : ::testing::Test {
    std::string Path() const { return dir.filePath(QStringLiteral("Tonalith.ini")).toStdString(); }

    std::string FileText() const
    {
        QFile file(QString::fromStdString(Path()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    void WriteFile(const std::string& text) const { WriteAt(Path(), text); }

    static void WriteAt(const std::string& path, const std::string& text)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    QTemporaryDir dir;
};

TEST_F(QtSettingsStoreTest, EverySectionRoundTripsThroughTheFile)
{
    const std::vector<std::string> sections = {"Window size", "Misc", "Midi\\Output", "HTML", "ScratchPad",
                                               "Settings"};
    {
        platform::QtSettingsStore store(Path());
        int n = 0;
        for (const std::string& section : sections) {
            store.WriteString(section, "text", section + " value");
            store.WriteInt(section, "number", -1000 * ++n);
        }
    }
    platform::QtSettingsStore store(Path());
    int n = 0;
    for (const std::string& section : sections) {
        EXPECT_EQ(store.ReadString(section, "text"), section + " value");
        EXPECT_EQ(store.ReadInt(section, "number"), -1000 * ++n) << section;
    }
}

TEST_F(QtSettingsStoreTest, MidiOutputStaysOneGroup)
{
    {
        platform::QtSettingsStore store(Path());
        store.WriteString("Midi\\Output", "Name", "Built-in Synth (FluidSynth)");
    }
    const std::string text = FileText();
    EXPECT_NE(text.find("[Midi%5COutput]\nName=Built-in Synth (FluidSynth)\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("[Midi]"), std::string::npos) << text;

    platform::QtSettingsStore store(Path());
    EXPECT_TRUE(store.Contains("Midi\\Output", "Name"));
    EXPECT_FALSE(store.Contains("Midi", "Output/Name"));
    EXPECT_FALSE(store.Contains("Midi/Output", "Name"));
    QSettings raw(QString::fromStdString(Path()), QSettings::IniFormat);
    EXPECT_EQ(raw.childGroups(), QStringList{QStringLiteral("Midi\\Output")});
}

TEST_F(QtSettingsStoreTest, StringsComeBackUnchanged)
{
    const std::vector<std::string> values = {
        "",
        "0010 0010 0500 0400",
        "Synth, port 2",
        "@Variant(x)",
        "a=b; c",
        "\"quoted\"",
        "  padded  ",
        "back\\slash/and/slash",
        "Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC",
    };
    {
        platform::QtSettingsStore store(Path());
        for (std::size_t i = 0; i < values.size(); ++i)
            store.WriteString("Misc", "v" + std::to_string(i), values[i]);
    }
    platform::QtSettingsStore store(Path());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_TRUE(store.Contains("Misc", "v" + std::to_string(i)));
        EXPECT_EQ(store.ReadString("Misc", "v" + std::to_string(i)), values[i]);
    }
}

TEST_F(QtSettingsStoreTest, IntegersFromAHandEditedFile)
{
    WriteFile("[Misc]\n"
              "plain=42\n"
              "negative=-2147483648\n"
              "spaced= 12 \n"
              "plus=+7\n"
              "word=loud\n"
              "hex=0x10\n"
              "tail=12abc\n"
              "wide=4294967295\n"
              "empty=\n"
              "list=1, 2\n"
              "Name=Port A, Port B\n");
    platform::QtSettingsStore store(Path());
    struct Row {
        const char* key;
        std::optional<std::int32_t> value;
    };
    const std::vector<Row> rows = {
        {"plain", 42},
        {"negative", -2147483648LL},
        {"spaced", 12},
        {"plus", 7},
        {"word", {}},
        {"hex", {}},
        {"tail", {}},
        {"wide", {}},  // QVariant::toInt would give -1
        {"empty", {}},
        {"list", {}},
        {"missing", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(store.ReadInt("Misc", row.key), row.value) << row.key;

    EXPECT_TRUE(store.Contains("Misc", "word"));
    EXPECT_FALSE(store.Contains("Misc", "missing"));
    EXPECT_EQ(store.ReadString("Misc", "missing"), std::nullopt);
    EXPECT_EQ(store.ReadString("Misc", "Name"), "Port A, Port B");
}

TEST_F(QtSettingsStoreTest, FlushSaysWhetherTheFileWasWritten)
{
    struct Row {
        const char* label;
        std::function<void()> make;
        bool written;
    };
    const QString path = QString::fromStdString(Path());
    std::string junk;
    for (int i = 0; i < 4000; ++i)
        junk += static_cast<char>(i * 7919 % 256);
    const std::vector<Row> rows = {
        {"no file yet", [] {}, true},
        {"malformed file", [&] { WriteFile(junk + "\n[Misc]\nvel=\"open\n[[[\n=5\n"); }, true},
        {"a folder in its place", [&] { ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/in the way"))); }, false},
        {"far larger than a settings file",
         [&] {
             WriteFile("[Misc]\nvel=1\n");
             std::filesystem::resize_file(Path(), platform::kMaxSettingsFileBytes + 1);
         },
         false},
    };
    for (const Row& row : rows) {
        QDir(path).removeRecursively();
        QFile::remove(path);
        row.make();
        platform::QtSettingsStore store(Path());
        store.WriteInt("Misc", "vel", 3);
        store.WriteString("Midi\\Output", "Name", "Port A, Port B");
        EXPECT_EQ(store.Flush(), row.written) << row.label;
    }
}

// The settings file is saved as the program's other files are: through a
// link to a regular file, and never over a device, a pipe or a folder,
// whether it stands there or a link leads to it.
TEST_F(QtSettingsStoreTest, OnlyARegularFileIsReadAndWritten)
{
    struct Row {
        const char* label;
        std::function<bool(const std::string&)> make;  // false: cannot be made here
        bool linked;
        bool written;
    };
    using testsupport::SpecialFile;
    const auto special = [](SpecialFile kind) {
        return [kind](const std::string& p) { return testsupport::MakeSpecialFile(kind, p); };
    };
    const auto device = special(SpecialFile::ZeroDevice);
    const auto pipe = special(SpecialFile::Fifo);
    const auto folder = special(SpecialFile::Folder);
    const auto file = [](const std::string& p) {
        WriteAt(p, "[Misc]\nvel=9\n");
        return true;
    };
    const std::vector<Row> rows = {
        {"a link to a regular file", file, true, true},
        {"a link to a device", device, true, false},
        {"a link to a pipe", pipe, true, false},
        {"a link to a folder", folder, true, false},
        {"a device", device, false, false},
        {"a pipe", pipe, false, false},
    };
    namespace fs = std::filesystem;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const fs::path where = fs::path(dir.path().toStdString()) / "case";
        fs::remove_all(where);
        fs::create_directories(where);
        const fs::path target = where / "target";
        if (!row.make(target.string()))
            continue;
        const fs::path ini = row.linked ? where / "Tonalith.conf" : target;
        if (row.linked)
            fs::create_symlink("target", ini);
        const fs::file_type type = fs::symlink_status(target).type();
        {
            platform::QtSettingsStore store(ini.string());
            EXPECT_EQ(store.ReadInt("Misc", "vel"), row.written ? std::optional<int>(9) : std::nullopt);
            store.WriteInt("Misc", "vel", 3);
            EXPECT_EQ(store.ReadInt("Misc", "vel"), 3);
            EXPECT_EQ(store.Flush(), row.written);
            EXPECT_EQ(store.Location(), ini.string());
        }
        // Nor when the store goes.
        EXPECT_EQ(fs::symlink_status(target).type(), type);
        EXPECT_EQ(fs::is_symlink(ini), row.linked);
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(where))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, row.linked ? (std::vector<std::string>{"Tonalith.conf", "target"})
                                    : std::vector<std::string>{"target"});
        if (row.written) {
            EXPECT_EQ(platform::QtSettingsStore(ini.string()).ReadInt("Misc", "vel"), 3);
        }
    }
}

// The desktop's configuration folder pointed elsewhere while a test runs.
class ScopedConfigHome {
public:
    explicit ScopedConfigHome(const QString& folder)
        : m_saved(qgetenv("XDG_CONFIG_HOME")), m_wasSet(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }
    ~ScopedConfigHome()
    {
        if (m_wasSet)
            qputenv("XDG_CONFIG_HOME", m_saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

private:
    QByteArray m_saved;
    bool m_wasSet;
};

TEST_F(QtSettingsStoreTest, DefaultStoreIsTheUsersConfFile)
{
    const ScopedConfigHome home(dir.path());
    {
        platform::QtSettingsStore store;
        EXPECT_EQ(store.Location(), dir.filePath(QStringLiteral("Varnoth/Tonalith.conf")).toStdString());
        store.WriteInt("Settings", "his_buf_sz", 80);
    }
    platform::QtSettingsStore store;
    EXPECT_EQ(store.ReadInt("Settings", "his_buf_sz"), 80);
}

// Finding the file opens no file: the company's file beside the folder
// (Varnoth.conf), whatever stands there, is never opened, and the
// settings are read and written as usual.
TEST_F(QtSettingsStoreTest, NothingBesideTheSettingsFolderIsOpened)
{
    using testsupport::SpecialFile;
    namespace fs = std::filesystem;
    for (const SpecialFile kind :
         {SpecialFile::Fifo, SpecialFile::ZeroDevice, SpecialFile::Folder, SpecialFile::LinkLoop}) {
        SCOPED_TRACE(testsupport::Describe(kind));
        const fs::path config = fs::path(dir.path().toStdString()) / testsupport::Describe(kind);
        fs::create_directories(config / "Varnoth");
        const fs::path company = config / "Varnoth.conf";
        if (!testsupport::MakeSpecialFile(kind, company))
            continue;
        std::optional<testsupport::FifoOpenWatch> watch;
        if (kind == SpecialFile::Fifo)
            watch.emplace(company);
        const ScopedConfigHome home(QString::fromStdString(config.string()));
        {
            platform::QtSettingsStore store;
            EXPECT_EQ(store.Location(), (config / "Varnoth" / "Tonalith.conf").string());
            store.WriteInt("Misc", "vel", 7);
            EXPECT_TRUE(store.Flush());
        }
        EXPECT_EQ(platform::QtSettingsStore().ReadInt("Misc", "vel"), 7);
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the company's file was opened";
        }
        EXPECT_EQ(fs::symlink_status(company).type(), testsupport::TypeOf(kind));
    }
}

// Another instance wrote the file after this one read it: a save keeps its
// keys, puts this one's changes over them, and reads back what is there.
TEST_F(QtSettingsStoreTest, AFlushKeepsWhatAnotherInstanceWroteSince)
{
    WriteFile("[Misc]\nvel=1\ninstr=2\n");
    platform::QtSettingsStore first(Path());
    platform::QtSettingsStore second(Path());
    first.WriteInt("Misc", "vel", 10);
    first.WriteString("HTML", "title", "first");
    second.WriteInt("Misc", "instr", 20);
    second.WriteString("HTML", "title", "second");
    ASSERT_TRUE(first.Flush());
    ASSERT_TRUE(second.Flush());

    EXPECT_EQ(second.ReadInt("Misc", "vel"), 10);
    const platform::QtSettingsStore after(Path());
    EXPECT_EQ(after.ReadInt("Misc", "vel"), 10);
    EXPECT_EQ(after.ReadInt("Misc", "instr"), 20);
    EXPECT_EQ(after.ReadString("HTML", "title"), "second");
}

// The text QSettings itself writes for the same settings.
TEST_F(QtSettingsStoreTest, TheFileHoldsQSettingsOwnText)
{
    const std::string start = "[Misc]\nvel=1\n\n[Settings]\nnote_fnt=Times New Roman\n";
    WriteFile(start);
    {
        platform::QtSettingsStore store(Path());
        store.WriteInt("Misc", "vel", 3);
        store.WriteString("Midi\\Output", "Name", "Port A, Port B");
        store.WriteString("Window size", "Rect", "0010 0010 0500 0400");
    }
    QTemporaryDir other;
    const QString reference = other.filePath(QStringLiteral("reference.ini"));
    WriteAt(reference.toStdString(), start);
    {
        QSettings settings(reference, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Misc/vel"), 3);
        settings.setValue(QStringLiteral("Midi\\Output/Name"), QStringLiteral("Port A, Port B"));
        settings.setValue(QStringLiteral("Window size/Rect"), QStringLiteral("0010 0010 0500 0400"));
    }
    QFile file(reference);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(FileText(), file.readAll().toStdString());
}

// As the superuser too: a file without its write bit keeps its bytes and
// its mode, and the save says it failed.
TEST_F(QtSettingsStoreTest, AFileWithoutItsWriteBitIsLeftAlone)
{
    namespace fs = std::filesystem;
    const std::string bytes = "[Misc]\nvel=9\n";
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                                 fs::perms::none}) {
        SCOPED_TRACE(static_cast<int>(mode));
        fs::remove(Path());
        WriteFile(bytes);
        fs::permissions(Path(), mode);
        {
            platform::QtSettingsStore store(Path());
            store.WriteInt("Misc", "vel", 3);
            EXPECT_FALSE(store.Flush());
        }
        EXPECT_EQ(fs::status(Path()).permissions(), mode);
        fs::permissions(Path(), fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(FileText(), bytes);
    }
}

// A lock beside the file that is no writer's lock, a folder or a pipe, is
// neither waited on nor opened: the settings are not written, and say so.
TEST_F(QtSettingsStoreTest, ALockThatCannotBeTakenLeavesTheFileAsItIs)
{
    using testsupport::SpecialFile;
    namespace fs = std::filesystem;
    const std::string bytes = "[Misc]\nvel=9\n";
    const fs::path lock = Path() + ".lock";
    for (const SpecialFile kind : {SpecialFile::Folder, SpecialFile::Fifo}) {
        SCOPED_TRACE(testsupport::Describe(kind));
        fs::remove_all(lock);
        WriteFile(bytes);
        ASSERT_TRUE(testsupport::MakeSpecialFile(kind, lock));
        std::optional<testsupport::FifoOpenWatch> watch;
        if (kind == SpecialFile::Fifo)
            watch.emplace(lock);
        {
            platform::QtSettingsStore store(Path());
            EXPECT_EQ(store.ReadInt("Misc", "vel"), 9);
            store.WriteInt("Misc", "vel", 3);
            EXPECT_FALSE(store.Flush());
        }
        if (watch) {
            EXPECT_FALSE(watch->Opened()) << "the lock was opened";
        }
        EXPECT_EQ(FileText(), bytes);
        EXPECT_EQ(fs::symlink_status(lock).type(), testsupport::TypeOf(kind));
    }
}

}  // namespace
