#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "document/persistent_settings.h"
#include "support/memory_settings_store.h"

namespace {

using Field = std::function<std::int64_t(const PersistentSettings&)>;

// Every field away from its default, so a value that is not loaded shows.
PersistentSettings Customised()
{
    PersistentSettings s;
    s.m_wExp = 0x8005;
    s.m_bIncHis = 0;
    s.m_strMidiOutName = "Synth, port 2";
    s.m_nInstr = 3000;
    s.m_nVel = 127;
    s.m_nDur = 9999;
    s.m_nSep = 2000;
    s.m_nHisBufSz = 200;
    s.m_nSnotes = 1;
    s.m_nNotefret = 1;
    s.m_nNocol = 1;
    s.m_nKvClrprev = 1;
    s.m_nShtNames = 1;
    s.m_nDeutsch = 1;
    s.m_nGraphx = 16;
    s.m_nKvClrprevKvdgm = 1;
    s.m_nUdirLoc = 1;
    s.m_nBgcol = 0x123456;
    s.m_nTxtcol = 0xFFFFFF;
    s.m_nApplfont = 2;
    s.m_nApplLmgn = 80;
    s.m_nApplRwsep = 12;
    s.m_nApplRedScale = 1;
    s.m_nApplAp = 1;
    s.m_nApplSpUd = 1;
    s.m_nPgtitle = 0;
    s.m_nChdtitle = 0;
    s.m_nChtitleTop = 0;
    s.m_nApplShrinkPrt = 0;
    s.m_placement.m_rcNormal = {-120, 30, 1800, 1000};
    s.m_placement.m_bIcon = true;
    s.m_placement.m_bMax = true;
    s.m_placement.m_bToolbar = false;
    s.m_placement.m_bStatusBar = false;
    return s;
}

TEST(PersistentSettings, FreshUserGetsTheDefaults)
{
    MemorySettingsStore empty;
    PersistentSettings loaded = Customised();
    document::LoadSettings(empty, loaded);

    EXPECT_EQ(loaded, PersistentSettings{});
    EXPECT_EQ(loaded.m_placement.m_rcNormal, (WindowRect{10, 10, 500, 400}));
    EXPECT_EQ(document::ChooseShowCommand(loaded.m_placement), ShowCommand::Normal);
}

struct Written {
    const char* section;
    const char* key;
    const char* text;
};

// The store holds exactly these values.
void ExpectWritten(const MemorySettingsStore& store, const std::vector<Written>& rows)
{
    std::vector<std::pair<std::string, std::string>> expectedKeys;
    for (const Written& row : rows) {
        expectedKeys.emplace_back(row.section, row.key);
        EXPECT_EQ(store.ReadString(row.section, row.key).value_or("<missing>"), row.text)
            << row.section << "/" << row.key;
    }
    EXPECT_EQ(store.Keys(), expectedKeys);
}

TEST(PersistentSettings, DefaultsAsStored)
{
    MemorySettingsStore store;
    document::SaveSettings(store, PersistentSettings{});
    ExpectWritten(store, {
        {"HTML", "appl_ap", "0"},
        {"HTML", "appl_lmgn", "0"},
        {"HTML", "appl_red_scale", "0"},
        {"HTML", "appl_rwsep", "2"},
        {"HTML", "appl_shrink_prt", "1"},
        {"HTML", "appl_sp_ud", "0"},
        {"HTML", "applfont", "0"},
        {"HTML", "bgcol", "12632256"},
        {"HTML", "txtcol", "0"},
        {"Midi\\Output", "Name", ""},
        {"Misc", "UdirLoc", "0"},
        {"Misc", "deutsch", "0"},
        {"Misc", "dur", "2500"},
        {"Misc", "exp", "0"},
        {"Misc", "graphx", "32"},
        {"Misc", "instr", "3025"},
        {"Misc", "kv_clrprev", "0"},
        {"Misc", "kv_clrprev_kvdgm", "0"},
        {"Misc", "nocol", "0"},
        {"Misc", "notefret", "0"},
        {"Misc", "sep", "30"},
        {"Misc", "sht_names", "0"},
        {"Misc", "snotes", "0"},
        {"Misc", "vel", "64"},
        {"ScratchPad", "chdtitle", "1"},
        {"ScratchPad", "chtitle_top", "1"},
        {"ScratchPad", "pgtitle", "1"},
        {"Settings", "his_buf_sz", "50"},
        {"Settings", "inc_his", "1"},
        {"Window size", "Rect", "0010 0010 0500 0400"},
        {"Window size", "icon", "0"},
        {"Window size", "max", "0"},
        {"Window size", "status", "1"},
        {"Window size", "tool", "1"},
    });
}

TEST(PersistentSettings, EveryValueIsWrittenUnderItsSectionAndName)
{
    MemorySettingsStore store;
    document::SaveSettings(store, Customised());

    ExpectWritten(store, {
        {"HTML", "appl_ap", "1"},
        {"HTML", "appl_lmgn", "80"},
        {"HTML", "appl_red_scale", "1"},
        {"HTML", "appl_rwsep", "12"},
        {"HTML", "appl_shrink_prt", "0"},
        {"HTML", "appl_sp_ud", "1"},
        {"HTML", "applfont", "2"},
        {"HTML", "bgcol", "1193046"},
        {"HTML", "txtcol", "16777215"},
        {"Midi\\Output", "Name", "Synth, port 2"},
        {"Misc", "UdirLoc", "1"},
        {"Misc", "deutsch", "1"},
        {"Misc", "dur", "9999"},
        {"Misc", "exp", "32773"},  // zero-extended
        {"Misc", "graphx", "16"},
        {"Misc", "instr", "3000"},
        {"Misc", "kv_clrprev", "1"},
        {"Misc", "kv_clrprev_kvdgm", "1"},
        {"Misc", "nocol", "1"},
        {"Misc", "notefret", "1"},
        {"Misc", "sep", "2000"},
        {"Misc", "sht_names", "1"},
        {"Misc", "snotes", "1"},
        {"Misc", "vel", "127"},
        {"ScratchPad", "chdtitle", "0"},
        {"ScratchPad", "chtitle_top", "0"},
        {"ScratchPad", "pgtitle", "0"},
        {"Settings", "his_buf_sz", "200"},
        {"Settings", "inc_his", "0"},
        {"Window size", "Rect", "-120 0030 1800 1000"},
        {"Window size", "icon", "1"},
        {"Window size", "max", "1"},
        {"Window size", "status", "0"},
        {"Window size", "tool", "0"},
    });
}

TEST(PersistentSettings, RoundTripKeepsEveryField)
{
    MemorySettingsStore store;
    const PersistentSettings saved = Customised();
    document::SaveSettings(store, saved);
    PersistentSettings loaded;
    document::LoadSettings(store, loaded);
    EXPECT_EQ(loaded, saved);
}

// The store checks nothing: the document, the page writer and the history
// check what they use, and a value nobody changed is saved as it was read.
TEST(PersistentSettings, NumbersAreKeptAsRead)
{
    struct Row {
        const char* section;
        const char* key;
        std::int32_t stored;
        std::int64_t loaded;
        Field field;
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const Field instr = [](const PersistentSettings& s) { return s.m_nInstr; };
    const Field dur = [](const PersistentSettings& s) { return s.m_nDur; };
    const Field snotes = [](const PersistentSettings& s) { return s.m_nSnotes; };
    const Field graphx = [](const PersistentSettings& s) { return s.m_nGraphx; };
    const Field lmgn = [](const PersistentSettings& s) { return s.m_nApplLmgn; };
    const Field rwsep = [](const PersistentSettings& s) { return s.m_nApplRwsep; };
    const Field exp = [](const PersistentSettings& s) { return s.m_wExp; };
    const Field hisBufSz = [](const PersistentSettings& s) { return s.m_nHisBufSz; };
    const Field applfont = [](const PersistentSettings& s) { return s.m_nApplfont; };
    const Field bgcol = [](const PersistentSettings& s) { return s.m_nBgcol; };
    const std::vector<Row> rows = {
        {"Misc", "instr", 2999, 2999, instr},
        {"Misc", "dur", 0, 0, dur},
        {"Misc", "snotes", 2, 2, snotes},
        {"Misc", "graphx", 64, 64, graphx},
        {"Misc", "graphx", kMin, kMin, graphx},
        {"HTML", "appl_lmgn", 81, 81, lmgn},
        {"HTML", "appl_lmgn", -1, -1, lmgn},
        {"HTML", "appl_rwsep", kMax, kMax, rwsep},
        {"Settings", "his_buf_sz", 5000, 5000, hisBufSz},
        {"Settings", "his_buf_sz", kMin, kMin, hisBufSz},
        {"HTML", "applfont", -3, -3, applfont},
        {"HTML", "bgcol", -1, -1, bgcol},
        // exp is held in 16 bits.
        {"Misc", "exp", 0x12346, 0x2346, exp},
        {"Misc", "exp", -1, 0xFFFF, exp},
    };
    for (const Row& row : rows) {
        MemorySettingsStore store;
        store.WriteInt(row.section, row.key, row.stored);
        PersistentSettings loaded;
        document::LoadSettings(store, loaded);
        EXPECT_EQ(row.field(loaded), row.loaded) << row.section << "/" << row.key << " = " << row.stored;
        MemorySettingsStore saved;
        document::SaveSettings(saved, loaded);
        if (std::string_view(row.key) != "exp") {
            EXPECT_EQ(saved.ReadInt(row.section, row.key), row.stored) << row.key;
        }
    }
}

TEST(PersistentSettings, CorruptValuesGetTheirDefaults)
{
    struct Row {
        const char* section;
        const char* key;
        const char* text;
        std::int64_t loaded;
        Field field;
    };
    const Field vel = [](const PersistentSettings& s) { return s.m_nVel; };
    const Field hisBufSz = [](const PersistentSettings& s) { return s.m_nHisBufSz; };
    const Field exp = [](const PersistentSettings& s) { return s.m_wExp; };
    const Field tool = [](const PersistentSettings& s) { return s.m_placement.m_bToolbar; };
    const Field icon = [](const PersistentSettings& s) { return s.m_placement.m_bIcon; };
    const Field bgcol = [](const PersistentSettings& s) { return s.m_nBgcol; };
    const std::vector<Row> rows = {
        {"Misc", "vel", "loud", 64, vel},
        {"Misc", "vel", "", 64, vel},
        {"Misc", "vel", "100abc", 64, vel},
        {"Misc", "vel", "0x40", 64, vel},
        {"Misc", "vel", "1.5", 64, vel},
        {"Misc", "vel", " 100 ", 100, vel},
        {"Misc", "vel", "+100", 100, vel},
        {"Settings", "his_buf_sz", "4294967295", 50, hisBufSz},
        {"Settings", "his_buf_sz", "-2147483649", 50, hisBufSz},
        {"Settings", "his_buf_sz", "-2147483648", -2147483648LL, hisBufSz},
        {"Misc", "exp", "six", 0, exp},
        {"Window size", "tool", "hidden", 1, tool},
        {"Window size", "tool", "0", 0, tool},
        {"Window size", "icon", "yes", 0, icon},
        {"HTML", "bgcol", "#C0C0C0", 0xC0C0C0, bgcol},
    };
    for (const Row& row : rows) {
        MemorySettingsStore store;
        store.WriteString(row.section, row.key, row.text);
        PersistentSettings loaded = Customised();
        document::LoadSettings(store, loaded);
        EXPECT_EQ(row.field(loaded), row.loaded) << row.section << "/" << row.key << " = \"" << row.text << "\"";
    }
}

TEST(PersistentSettings, RectParsing)
{
    struct Row {
        const char* text;
        WindowRect rect;
    };
    const WindowRect fallback{10, 10, 500, 400};
    const std::vector<Row> rows = {
        {"0010 0010 0500 0400", {10, 10, 500, 400}},
        {"0100 0050 1380 0950", {100, 50, 1380, 950}},
        {"-999 -050 9999 1200", {-999, -50, 9999, 1200}},
        // Wider than the fixed fields: a monitor left of the primary one, a wide desktop.
        {"-1900 0010 -0100 0900", {-1900, 10, -100, 900}},
        {"10000 0020 12000 0800", {10000, 20, 12000, 800}},
        {" 1\t2   300 400 ", {1, 2, 300, 400}},
        {"", fallback},
        {"0010 0010 0500", fallback},
        {"0010 0010 0500 0400 0001", fallback},
        {"0010 0010 0500 04x0", fallback},
        {"a b c d", fallback},
        {"0010001005000400", fallback},
        {"0500 0010 0100 0400", fallback},  // right left of left
        {"0010 0400 0500 0400", fallback},  // no height
        {"0010 0010 0500 99999999999", fallback},
    };
    for (const Row& row : rows)
        EXPECT_EQ(document::ParseWindowRect(row.text), row.rect) << '"' << row.text << '"';
}

TEST(PersistentSettings, WindowIsPlacedOnAScreenOrAtTheDefault)
{
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // Two screens side by side; the first has a panel along its bottom.
    const std::vector<Rect> available = {{0, 0, 1920, 1160}, {1920, 0, 3200, 1024}};
    const Rect desktop{0, 0, 3200, 1200};
    const WindowRect fallback{10, 10, 500, 400};
    struct Row {
        const char* label;
        WindowRect stored, placed;
    };
    const std::vector<Row> rows = {
        {"on the first screen", {100, 50, 1380, 950}, {100, 50, 1380, 950}},
        {"across both", {1900, 100, 2600, 700}, {1900, 100, 2600, 700}},
        {"partly on the second", {3100, 900, 3600, 1300}, {3100, 900, 3600, 1300}},
        {"as large as the desktop", {0, 0, 3200, 1200}, {0, 0, 3200, 1200}},
        {"wider than the desktop", {0, 0, 3201, 1200}, fallback},
        {"taller than the desktop", {0, 0, 800, 1201}, fallback},
        {"largest numbers", {0, 0, kMax, kMax}, fallback},
        {"whole number range", {kMin, 0, kMax, 400}, fallback},
        {"off every screen", {-5000, -5000, -4000, -4000}, fallback},
        {"under the panel only", {100, 1165, 600, 1190}, fallback},
        {"no area", {100, 100, 100, 500}, fallback},
        {"turned over", {kMax, kMax, kMin, kMin}, fallback},
    };
    for (const Row& row : rows)
        EXPECT_EQ(document::PlaceWindowRect(row.stored, available, desktop), row.placed) << row.label;
    EXPECT_EQ(document::PlaceWindowRect({100, 50, 600, 450}, {}, Rect{}), fallback) << "no screen";
}

TEST(PersistentSettings, RectFormatting)
{
    struct Row {
        WindowRect rect;
        const char* text;
    };
    const std::vector<Row> rows = {
        {{10, 10, 500, 400}, "0010 0010 0500 0400"},
        {{-999, -5, 9999, 0}, "-999 -005 9999 0000"},
        {{-1900, 10, 12000, 900}, "-1900 0010 12000 0900"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(document::FormatWindowRect(row.rect), row.text);
        if (row.rect.right > row.rect.left && row.rect.bottom > row.rect.top) {
            EXPECT_EQ(document::ParseWindowRect(row.text), row.rect) << row.text;
        }
    }
}

TEST(PersistentSettings, ShowCommandFollowsTheStoredState)
{
    struct Row {
        bool icon, max;
        ShowCommand command;
    };
    const std::vector<Row> rows = {
        {false, false, ShowCommand::Normal},
        {false, true, ShowCommand::Maximized},
        {true, false, ShowCommand::MinimizedNoActivate},
        {true, true, ShowCommand::MinimizedNoActivate},  // and restores to maximised
    };
    for (const Row& row : rows) {
        PersistentSettings saved;
        saved.m_placement.m_bIcon = row.icon;
        saved.m_placement.m_bMax = row.max;
        MemorySettingsStore store;
        document::SaveSettings(store, saved);
        PersistentSettings loaded;
        document::LoadSettings(store, loaded);
        EXPECT_EQ(document::ChooseShowCommand(loaded.m_placement), row.command) << row.icon << row.max;
        EXPECT_EQ(loaded.m_placement.m_bMax, row.max);
    }
}

TEST(PersistentSettings, UnknownPlacementRestartsNormalAtTheDefaultRect)
{
    PersistentSettings saved = Customised();
    saved.m_placement.m_bRectKnown = false;
    MemorySettingsStore store;
    document::SaveSettings(store, saved);
    EXPECT_EQ(store.ReadString("Window size", "Rect"), "");
    EXPECT_EQ(store.ReadInt("Window size", "icon"), 0);
    EXPECT_EQ(store.ReadInt("Window size", "max"), 0);

    PersistentSettings loaded;
    document::LoadSettings(store, loaded);
    EXPECT_EQ(loaded.m_placement.m_rcNormal, (WindowRect{10, 10, 500, 400}));
    EXPECT_EQ(document::ChooseShowCommand(loaded.m_placement), ShowCommand::Normal);
    // The bars are stored whatever the placement.
    EXPECT_FALSE(loaded.m_placement.m_bToolbar);
    EXPECT_FALSE(loaded.m_placement.m_bStatusBar);
}

}  // namespace
