#include <gtest/gtest.h>

#include "document/strum.h"

namespace {

using document::NoteEvent;
using document::StrumSlots;

constexpr document::ChordFrets kCMajor = {0, 1, 0, 2, 3, 21};  // string 1 first; the 6th not played

TEST(Strum, SlotsFollowTheDirectionAndSilenceUnplayedStrings)
{
    struct Case {
        const char* name;
        document::ChordFrets frets;
        bool fromSixth;
        StrumSlots want;
    };
    const Case cases[] = {
        {"from the 6th up", kCMajor, true, {0, 48, 52, 55, 60, 64}},
        {"from the 1st down", kCMajor, false, {64, 60, 55, 52, 48, 0}},
        // A foreign page may hold any fret; above 20 the string is silent.
        {"frets above 20", {20, 22, 65535, 0, 0, 0}, false, {84, 0, 0, 50, 45, 40}},
        {"a negative fret", {-1, 0, 0, 0, 0, 0}, false, {0, 59, 55, 50, 45, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document::StrumOrder(c.frets, engine::kStandardTuningNotes, c.fromSixth), c.want) << c.name;
}

TEST(Strum, EverySlotKeepsItsTimeFromTheFirstSlotOn)
{
    using Events = std::vector<NoteEvent>;
    struct Case {
        const char* name;
        StrumSlots slots;
        int delay, first;
        Events want;
    };
    const Case cases[] = {
        {"all six", {40, 47, 52, 56, 59, 64}, 30, 0, {{0, 40}, {30, 47}, {60, 52}, {90, 56}, {120, 59}, {150, 64}}},
        {"a silent slot keeps its time", {0, 48, 0, 55, 60, 64}, 10, 0, {{10, 48}, {30, 55}, {40, 60}, {50, 64}}},
        {"from slot 3", {40, 47, 52, 56, 59, 64}, 30, 3, {{90, 56}, {120, 59}, {150, 64}}},
        {"past the last slot", {40, 47, 52, 56, 59, 64}, 30, 6, {}},
        {"no delay", {40, 0, 0, 0, 0, 64}, 0, 0, {{0, 40}, {0, 64}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document::StrumEvents(c.slots, c.delay, c.first), c.want) << c.name;
}

}  // namespace
