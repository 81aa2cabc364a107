#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/voicings.h"
#include "tests/support/voicings_baseline.h"

namespace {

using Row = std::array<std::uint16_t, 7>;
using Rows = std::vector<Row>;
constexpr std::uint16_t X = kFretNotPlayed;

CWord2DimArray fretTable(const engine::Tuning& tuning)
{
    CWord2DimArray notes;
    engine::BuildFretboardNotes(tuning, notes);
    return notes;
}

CWord2DimArray voicingTable()
{
    CWord2DimArray table;
    table.Create(engine::kVoicingRows, engine::kVoicingCols);
    return table;
}

Rows rowsOf(const CWord2DimArray& table, int count)
{
    Rows rows;
    for (int r = 0; r < count; ++r) {
        Row row{};
        for (std::uint16_t k = 0; k < 7; ++k)
            row[k] = *table.At(static_cast<std::uint16_t>(r), k);
        rows.push_back(row);
    }
    return rows;
}

Rows search(const CWord2DimArray& notes, PitchClassMask mask, int spanExtra)
{
    CWord2DimArray table = voicingTable();
    const int count = engine::FindVoicings(notes, mask, spanExtra, table);
    return rowsOf(table, count);
}

Rows searchBaseline(const CWord2DimArray& notes, PitchClassMask mask, int spanExtra)
{
    CWord2DimArray table = voicingTable();
    const int count = baseline::FindVoicings(notes, mask, spanExtra, table);
    return rowsOf(table, count);
}

// Every shape the rule admits, uncapped, built from the consequences of the
// rule rather than its loops: a shape belongs to the window that starts at its
// lowest played fret, stays inside that window, plays only chord notes, leaves
// a string silent only when the window has no chord note on it, and sounds the
// whole chord. Ordered by sorting on (start, string 1, ..., string 6).
Rows enumerateByRule(const CWord2DimArray& notes, PitchClassMask mask, bool reducedSpan)
{
    auto note = [&notes](int s, int f) {
        return *notes.At(static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(f));
    };
    auto isChordNote = [mask](PitchClassMask n) { return n != 0 && (n & mask) == n; };

    Rows shapes;
    for (int start = 0; start < 12; ++start) {
        int width = 4;
        if (start >= 1 && start <= 7)
            width = reducedSpan ? 3 : 4;
        else if (start >= 8)
            width = reducedSpan ? 4 : 5;
        const int last = start + width - 1;

        std::array<std::vector<std::uint16_t>, 6> choices;
        for (int s = 0; s < 6; ++s) {
            bool windowHasChordNote = false;
            for (int f = start; f <= last; ++f) {
                if ((note(s, f) & mask) != 0)
                    windowHasChordNote = true;
                if (isChordNote(note(s, f)))
                    choices[s].push_back(static_cast<std::uint16_t>(f));
            }
            if (!windowHasChordNote)
                choices[s].push_back(X);
        }

        std::size_t total = 1;
        for (const auto& c : choices)
            total *= c.size();
        for (std::size_t index = 0; index < total; ++index) {
            Row shape{};
            std::size_t rest = index;
            for (int s = 5; s >= 0; --s) {
                shape[s] = choices[s][rest % choices[s].size()];
                rest /= choices[s].size();
            }
            shape[6] = static_cast<std::uint16_t>(start);
            PitchClassMask sounding = 0;
            int lowest = X;
            for (int s = 0; s < 6; ++s) {
                if (shape[s] == X)
                    continue;
                sounding = static_cast<PitchClassMask>(sounding | note(s, shape[s]));
                lowest = std::min<int>(lowest, shape[s]);
            }
            if (sounding == mask && lowest == start)
                shapes.push_back(shape);
        }
    }
    std::sort(shapes.begin(), shapes.end(), [](const Row& a, const Row& b) {
        const std::array<std::uint16_t, 7> ka = {a[6], a[0], a[1], a[2], a[3], a[4], a[5]};
        const std::array<std::uint16_t, 7> kb = {b[6], b[0], b[1], b[2], b[3], b[4], b[5]};
        return ka < kb;
    });
    return shapes;
}

Rows capped(Rows rows)
{
    if (rows.size() > static_cast<std::size_t>(engine::kMaxVoicings))
        rows.resize(engine::kMaxVoicings);
    return rows;
}

std::string describe(const Rows& rows)
{
    std::string text;
    for (const Row& r : rows) {
        for (std::uint16_t v : r)
            text += std::to_string(v) + " ";
        text += "\n";
    }
    return text;
}

const CWord2DimArray& standardNotes()
{
    static const CWord2DimArray notes = fretTable(engine::kStandardTuning);
    return notes;
}

constexpr PitchClassMask kCMajor = 0x488;
constexpr int kReducedSpan = 0;
constexpr int kWide = 1;

TEST(FretboardNotes, HighFretsRepeatTheOpenOctave)
{
    const engine::Tuning tunings[] = {engine::kStandardTuning, {2048, 1, 0, 4, 2048, 8}};
    for (const auto& tuning : tunings) {
        CWord2DimArray notes;
        notes.Create(6, 17);
        for (std::uint16_t s = 0; s < 6; ++s)
            *notes.At(s, 16) = 0xFFFF;
        engine::BuildFretboardNotes(tuning, notes);
        for (std::uint16_t s = 0; s < 6; ++s) {
            EXPECT_EQ(*notes.At(s, 0), tuning[s]);
            for (std::uint16_t f = 12; f <= 15; ++f)
                EXPECT_EQ(*notes.At(s, f), *notes.At(s, static_cast<std::uint16_t>(f - 12))) << s << "/" << f;
            EXPECT_EQ(*notes.At(s, 16), 0) << s;
        }
    }
}

TEST(FretboardNotes, FretsRaiseTheOpenNoteBySemitones)
{
    struct Case {
        int string;
        int fret;
        PitchClassMask note;
    };
    const engine::Tuning tuning = {128, 4, 1024, 32, 2048, 0};
    const Case cases[] = {
        {0, 5, 0x001},   // E + 5 = A
        {0, 8, 0x008},   // E + 8 = C
        {0, 4, 0x800},   // E + 4 = G#
        {1, 1, 0x008},   // B + 1 = C
        {2, 14, 0x001},  // G + 2 = A
        {4, 1, 0x001},   // G# + 1 wraps to A
        {4, 13, 0x001},
        {5, 7, 0x000},   // a string with no note stays silent everywhere
    };
    const CWord2DimArray notes = fretTable(tuning);
    for (const auto& c : cases)
        EXPECT_EQ(*notes.At(static_cast<std::uint16_t>(c.string), static_cast<std::uint16_t>(c.fret)), c.note)
            << "string index " << c.string << " fret " << c.fret;
}

TEST(FretboardNotes, OnlyEBGDAEIsStandard)
{
    EXPECT_TRUE(engine::IsStandardTuning({128, 4, 1024, 32, 1, 128}));
    for (int s = 0; s < 6; ++s) {
        engine::Tuning changed = engine::kStandardTuning;
        changed[static_cast<std::size_t>(s)] = static_cast<PitchClassMask>(changed[static_cast<std::size_t>(s)] >> 1);
        EXPECT_FALSE(engine::IsStandardTuning(changed)) << "string index " << s;
    }
    EXPECT_FALSE(engine::IsStandardTuning({128, 128, 4, 1024, 32, 1}));
}

TEST(Voicings, CMajorWithReducedSpan)
{
    const Rows expected = {
        {0, 1, 0, 2, 3, 0, 0},      {0, 1, 0, 2, 3, 3, 0},      {3, 1, 0, 2, 3, 0, 0},
        {3, 1, 0, 2, 3, 3, 0},      {3, 1, X, 2, 3, 3, 1},      {3, X, X, 2, 3, 3, 2},
        {3, 5, 5, 5, 3, 3, 3},      {X, 5, 5, 5, 7, X, 5},      {8, 8, 9, X, 7, 8, 7},
        {8, 8, 9, 10, 10, 8, 8},    {12, X, 9, 10, 10, 12, 9},  {12, 13, 12, 10, 10, 12, 10},
    };
    const Rows found = search(standardNotes(), kCMajor, kReducedSpan);
    EXPECT_EQ(found, expected) << describe(found);
}

TEST(Voicings, CMajorWithWideWindows)
{
    const Rows found = search(standardNotes(), kCMajor, kWide);
    ASSERT_EQ(found.size(), 20u) << describe(found);
    const Rows reduced = search(standardNotes(), kCMajor, kReducedSpan);
    EXPECT_TRUE(std::equal(reduced.begin(), reduced.begin() + 4, found.begin()));
    EXPECT_EQ(found[4], (Row{3, 1, X, 2, 3, 3, 1}));
    EXPECT_EQ(found[5], (Row{3, 5, 5, 2, 3, 3, 2}));
}

TEST(Voicings, SingleNoteA)
{
    const Rows found = search(standardNotes(), 0x001, kReducedSpan);
    ASSERT_EQ(found.size(), 5u) << describe(found);
    EXPECT_EQ(found[0], (Row{X, X, 2, X, 0, X, 0}));
}

TEST(Voicings, EmptyChordFindsNothingAndLeavesTheTable)
{
    for (int span : {kReducedSpan, kWide}) {
        CWord2DimArray table = voicingTable();
        *table.At(0, 0) = 7;
        EXPECT_EQ(engine::FindVoicings(standardNotes(), 0, span, table), 0);
        EXPECT_EQ(*table.At(0, 0), 7);
    }
}

TEST(Voicings, ANoteOffTheFretboardFindsNothing)
{
    EXPECT_TRUE(search(standardNotes(), 0x1000, kWide).empty());
    EXPECT_TRUE(search(standardNotes(), 0x1488, kWide).empty());
}

TEST(Voicings, CapKeepsTheFirst150InOrder)
{
    const CWord2DimArray notes = fretTable({512, 2048, 256, 1024, 1, 256});
    const Rows all = enumerateByRule(notes, 0xF80, false);
    ASSERT_EQ(all.size(), 349u);
    CWord2DimArray table = voicingTable();
    *table.At(150, 0) = 99;
    ASSERT_EQ(engine::FindVoicings(notes, 0xF80, kWide, table), 150);
    EXPECT_EQ(rowsOf(table, 150), capped(all));
    EXPECT_EQ(searchBaseline(notes, 0xF80, kWide), capped(all));
    EXPECT_EQ(*table.At(150, 0), 99);
}

TEST(Voicings, StandardTuningMaxima)
{
    for (auto [span, most] : {std::pair{kReducedSpan, 35}, std::pair{kWide, 91}}) {
        int largest = 0;
        CWord2DimArray table = voicingTable();
        for (unsigned mask = 0; mask < 4096; ++mask)
            largest = std::max(largest, engine::FindVoicings(standardNotes(), static_cast<PitchClassMask>(mask), span, table));
        EXPECT_EQ(largest, most) << "span " << span;
    }
}

TEST(Voicings, MatchesThePlainSearchOnEveryChord)
{
    for (int span : {kReducedSpan, kWide})
        for (unsigned mask = 0; mask < 4096; ++mask) {
            const auto m = static_cast<PitchClassMask>(mask);
            ASSERT_EQ(search(standardNotes(), m, span), searchBaseline(standardNotes(), m, span))
                << "mask " << std::hex << mask << " span " << span;
        }
}

// Tables no tuning produces: random notes of several bits, frets that sound
// chord notes mixed with foreign ones, so a string can have a chord note in the
// window yet no fret it may be played at.
TEST(Voicings, MatchesThePlainSearchOnOddTables)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        CWord2DimArray notes;
        notes.Create(6, 17);
        std::uniform_int_distribution<int> bits(0, 11);
        for (std::uint16_t s = 0; s < 6; ++s)
            for (std::uint16_t f = 0; f < 16; ++f) {
                PitchClassMask n = static_cast<PitchClassMask>(1u << bits(random));
                if (random() % 4 == 0)
                    n = static_cast<PitchClassMask>(n | (1u << bits(random)));
                if (random() % 10 == 0)
                    n = 0;
                *notes.At(s, f) = n;
            }
        for (int k = 0; k < 20; ++k) {
            PitchClassMask mask = 0;
            for (int n = 0; n < 1 + k % 5; ++n)
                mask = static_cast<PitchClassMask>(mask | *notes.At(static_cast<std::uint16_t>(random() % 6),
                                                                    static_cast<std::uint16_t>(random() % 16)));
            for (int span : {kReducedSpan, kWide})
                ASSERT_EQ(search(notes, mask, span), searchBaseline(notes, mask, span))
                    << "trial " << trial << " mask " << std::hex << mask << " span " << span;
        }
    }
}

struct NamedTuning {
    const char* name;
    engine::Tuning tuning;
};

void PrintTo(const NamedTuning& t, std::ostream* out)
{
    *out << t.name;
}

class VoicingRule : public ::testing::TestWithParam<NamedTuning> {};

TEST_P(VoicingRule, SearchFindsWhatTheRuleAdmits)
{
    const CWord2DimArray notes = fretTable(GetParam().tuning);
    for (int span : {kReducedSpan, kWide})
        for (unsigned mask = 0; mask < 4096; ++mask) {
            const auto m = static_cast<PitchClassMask>(mask);
            // Six strings sound at most six notes.
            if (std::popcount(mask) > 6)
                ASSERT_TRUE(search(notes, m, span).empty()) << std::hex << mask;
            else
                ASSERT_EQ(search(notes, m, span), capped(enumerateByRule(notes, m, span == kReducedSpan)))
                    << "mask " << std::hex << mask << " span " << span;
        }
}

INSTANTIATE_TEST_SUITE_P(Tunings, VoicingRule,
                         ::testing::Values(NamedTuning{"standard", engine::kStandardTuning},
                                           NamedTuning{"dropD", {128, 4, 1024, 32, 1, 32}},
                                           NamedTuning{"DADGAD", {32, 1, 1024, 32, 1, 32}},
                                           NamedTuning{"openG", {32, 4, 1024, 32, 1024, 32}},
                                           NamedTuning{"openOfTheCapCase", {512, 2048, 256, 1024, 1, 256}},
                                           NamedTuning{"unison", {1, 1, 1, 1, 1, 1}},
                                           NamedTuning{"oneStringSilent", {128, 4, 1024, 32, 1, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
