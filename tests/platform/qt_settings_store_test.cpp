#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt_settings_store.h"

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

    void WriteFile(const std::string& text) const
    {
        QFile file(QString::fromStdString(Path()));
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

TEST_F(QtSettingsStoreTest, DefaultStoreIsTheUsersConfFile)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        platform::QtSettingsStore store;
        EXPECT_EQ(store.Location(), dir.filePath(QStringLiteral("Varnoth/Tonalith.conf")).toStdString());
        store.WriteInt("Settings", "his_buf_sz", 80);
    }
    platform::QtSettingsStore store;
    EXPECT_EQ(store.ReadInt("Settings", "his_buf_sz"), 80);
}

}  // namespace
