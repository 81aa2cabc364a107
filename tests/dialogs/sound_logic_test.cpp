#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogs/options/sound_logic.h"
#include "res/string_table.h"
#include "tests/support/general_midi_names.h"

using sound::Bar;
using sound::ScrollCode;

namespace {

TEST(SoundBars, StepAsTheirTablesSayAndStopAtTheirEnds)
{
    struct Row {
        Bar bar;
        ScrollCode code;
        int from;
        int thumb;
        int to;
    };
    const Row rows[] = {
        {Bar::Velocity, ScrollCode::LineLeft, 0, 0, 0},
        {Bar::Velocity, ScrollCode::LineLeft, 64, 0, 63},
        {Bar::Velocity, ScrollCode::LineRight, 127, 0, 127},
        {Bar::Velocity, ScrollCode::PageLeft, 5, 0, 0},
        {Bar::Velocity, ScrollCode::PageLeft, 6, 0, 1},
        {Bar::Velocity, ScrollCode::PageRight, 121, 0, 126},
        {Bar::Velocity, ScrollCode::PageRight, 122, 0, 127},
        {Bar::Velocity, ScrollCode::PageRight, 125, 0, 127},
        {Bar::Velocity, ScrollCode::Thumb, 64, 100, 100},
        {Bar::Velocity, ScrollCode::Thumb, 64, 300, 127},
        {Bar::Velocity, ScrollCode::Other, 64, 0, 64},
        {Bar::Duration, ScrollCode::LineLeft, 1, 0, 1},
        {Bar::Duration, ScrollCode::LineRight, 9999, 0, 9999},
        {Bar::Duration, ScrollCode::PageLeft, 150, 0, 50},
        {Bar::Duration, ScrollCode::PageLeft, 60, 0, 1},
        {Bar::Duration, ScrollCode::PageLeft, 101, 0, 1},
        {Bar::Duration, ScrollCode::PageLeft, 102, 0, 2},
        {Bar::Duration, ScrollCode::PageRight, 9899, 0, 9999},
        {Bar::Duration, ScrollCode::PageRight, 9898, 0, 9998},
        {Bar::Duration, ScrollCode::Thumb, 2500, 0, 1},
        {Bar::Separation, ScrollCode::LineLeft, 0, 0, 0},
        {Bar::Separation, ScrollCode::LineRight, 30, 0, 31},
        {Bar::Separation, ScrollCode::LineRight, 2000, 0, 2000},
        {Bar::Separation, ScrollCode::PageLeft, 100, 0, 0},
        {Bar::Separation, ScrollCode::PageLeft, 130, 0, 30},
        {Bar::Separation, ScrollCode::PageRight, 1900, 0, 2000},
        {Bar::Separation, ScrollCode::PageRight, 1899, 0, 1999},
        {Bar::Separation, ScrollCode::Thumb, 30, -5, 0},
        // A hand-edited setting far out of range comes back into it on the first step.
        {Bar::Velocity, ScrollCode::LineLeft, 5000, 0, 127},
        {Bar::Duration, ScrollCode::LineRight, -7, 0, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(sound::StepBar(row.bar, row.code, row.from, row.thumb), row.to)
            << static_cast<int>(row.bar) << " code " << static_cast<int>(row.code) << " from " << row.from;
}

TEST(SoundBars, ValuesShowInTheirFieldWidths)
{
    EXPECT_EQ(sound::BarValueText(Bar::Velocity, 5), "  5");
    EXPECT_EQ(sound::BarValueText(Bar::Velocity, 127), "127");
    EXPECT_EQ(sound::BarValueText(Bar::Duration, 50), "  50");
    EXPECT_EQ(sound::BarValueText(Bar::Separation, 2000), "2000");
}

TEST(SoundTestChord, SilentStringsKeepTheirTimeSlots)
{
    using Calls = std::vector<sound::NoteCall>;
    EXPECT_EQ(sound::TestChordCalls({}, 30), (Calls{{0, 40}, {30, 47}, {60, 52}, {90, 56}, {120, 59}, {150, 64}}));
    EXPECT_EQ(sound::TestChordCalls({}, 0), (Calls{{0, 40}, {0, 47}, {0, 52}, {0, 56}, {0, 59}, {0, 64}}));
    // x32010: the 6th string silent, its slot kept.
    EXPECT_EQ(sound::TestChordCalls({0, 48, 52, 55, 60, 64}, 100),
              (Calls{{100, 48}, {200, 52}, {300, 55}, {400, 60}, {500, 64}}));
    EXPECT_EQ(sound::TestChordCalls({0, 0, 0, 0, 0, 64}, 10), (Calls{{50, 64}}));
}

// What the Sound page sends, step by step; the document itself sends a
// program only when an applied instrument differs from its own.
TEST(SoundProgramMemory, SendsWhatKeepsTheOutputOnTheSetting)
{
    struct Step {
        char op;  // c choose, t test, a apply (OK or Apply Now), x cancel
        int instrument = 0;
        int sent = -1;  // -1 nothing
    };
    struct Row {
        const char* what;
        std::vector<Step> steps;
    };
    const Row rows[] = {
        {"test then cancel sends the new and the old", {{'c', 3040}, {'t', 0, 40}, {'x', 0, 25}}},
        {"cancel without test still sends the old", {{'c', 3040}, {'x', 0, 25}}},
        {"nothing chosen sends nothing", {{'t'}, {'x'}, {'a'}}},
        {"default raises the change even on the same instrument", {{'c', 3025}, {'t', 0, 25}, {'x'}}},
        {"a second test sends no program", {{'c', 3040}, {'t', 0, 40}, {'t'}}},
        {"test, then the old instrument again, then cancel", {{'c', 3040}, {'t', 0, 40}, {'c', 3025}, {'x', 0, 25}}},
        {"test, then the old instrument again, then OK", {{'c', 3040}, {'t', 0, 40}, {'c', 3025}, {'a', 0, 25}}},
        {"apply now then cancel keeps the applied", {{'c', 3040}, {'a'}, {'x'}}},
        {"test, apply now, cancel", {{'c', 3040}, {'t', 0, 40}, {'a'}, {'x'}}},
        {"after apply now cancel returns to the applied",
         {{'c', 3040}, {'a'}, {'c', 3050}, {'t', 0, 50}, {'x', 0, 40}}},
        {"after apply now the old instrument is another again",
         {{'c', 3040}, {'a'}, {'c', 3025}, {'t', 0, 25}, {'a'}, {'x'}}},
    };
    for (const Row& row : rows) {
        sound::ProgramMemory memory(3025);
        for (const Step& step : row.steps) {
            std::optional<std::uint8_t> sent;
            switch (step.op) {
            case 'c':
                memory.Choose(step.instrument);
                break;
            case 't':
                sent = memory.Test();
                break;
            case 'a':
                sent = memory.Apply();
                break;
            default:
                sent = memory.Cancel();
                break;
            }
            EXPECT_EQ(sent ? int(*sent) : -1, step.sent) << row.what << ", step " << step.op;
        }
    }
}

TEST(SoundInstruments, TheListHasTheGeneralMidiNamesInProgramOrder)
{
    EXPECT_EQ(res::LoadString(3000), "Piano");
    EXPECT_EQ(res::LoadString(3025), "Acoustic Steel Guitar");
    EXPECT_EQ(res::LoadString(3073), "Flute");
    EXPECT_EQ(res::LoadString(3127), "Gunshot");
    EXPECT_EQ(res::LoadString(2999), "");
    EXPECT_EQ(res::LoadString(3128), "");
    for (std::size_t program = 0; program < testsupport::kGeneralMidiNames.size(); ++program)
        EXPECT_EQ(res::LoadString(engine::kFirstInstrument + static_cast<int>(program)),
                  testsupport::kGeneralMidiNames[program])
            << "program " << program;
    std::set<std::string_view> names;
    for (int id = engine::kFirstInstrument; id < engine::kFirstInstrument + engine::kInstrumentCount; ++id)
        names.insert(res::LoadString(id));
    EXPECT_EQ(names.size(), 128u);
    EXPECT_EQ(names.count(""), 0u);
}

TEST(MidiOutDevices, CapabilityTexts)
{
    const char* const names[] = {"Unrecognised Technology", "MIDI hardware port", "Synthesizer",
                                 "Square wave synthesizer", "FM synthesizer", "MIDI mapper",
                                 "Hardware wavetable synthesizer", "Software synthesizer", "Unrecognised Technology"};
    for (int t = 0; t <= 8; ++t)
        EXPECT_EQ(sound::MidiTechnologyName(t), names[t]) << t;
    EXPECT_EQ(sound::MidiTechnologyName(-1), "Unrecognised Technology");
    EXPECT_EQ(sound::MidiTechnologyName(65535), "Unrecognised Technology");

    using Lines = std::vector<std::string>;
    EXPECT_EQ(sound::MidiFeatureLines(0), Lines{"None"});
    EXPECT_EQ(sound::MidiFeatureLines(0x8), Lines{});
    EXPECT_EQ(sound::MidiFeatureLines(0x1), Lines{"Volume Control"});
    EXPECT_EQ(sound::MidiFeatureLines(0xF), (Lines{"Volume Control", "Left/Right Volume Controls", "Patch Caching"}));
    EXPECT_EQ(sound::MidiFeatureLines(0xFFFFFFF0), Lines{});
}

}  // namespace
