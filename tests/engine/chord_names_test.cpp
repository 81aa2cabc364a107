#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "engine/chord_names.h"
#include "engine/chord_types.h"

namespace {

std::set<unsigned> allRotations()
{
    std::set<unsigned> masks;
    for (PitchClassMask iv : g_ChordTypeIntervals)
        for (int root = 0; root < 12; ++root)
            masks.insert(engine::RotateInterval(iv, root));
    return masks;
}

TEST(ChordDictionary, KeysAreExactlyTheChordTypesOnEveryRoot)
{
    std::set<unsigned> keys;
    for (const auto& e : engine::detail::kChordNameTable)
        EXPECT_TRUE(keys.insert(e.mask).second) << "duplicate " << std::hex << e.mask;
    EXPECT_EQ(keys, allRotations());
}

TEST(ChordDictionary, EveryFlatSpellingKeyIsNamed)
{
    for (const auto& e : engine::detail::kFlatSpellingTable)
        EXPECT_NE(engine::BuiltInChordName(e.mask), nullptr) << std::hex << e.mask;
}

TEST(ChordDictionary, NamesAreWellFormed)
{
    int multi = 0;
    for (const auto& e : engine::detail::kChordNameTable) {
        const std::string name = e.name;
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name.find("::"), std::string::npos) << name;
        EXPECT_NE(name.front(), ':') << name;
        if (name.find(':') != std::string::npos)
            ++multi;
    }
    EXPECT_EQ(multi, 85);
}

struct NameCase {
    unsigned mask;
    const char* name;
};

TEST(ChordDictionary, NamesAsWritten)
{
    const NameCase cases[] = {
        {0x488, "C major"},
        {0x089, "A minor"},
        {0x249, "A dim:C dim:Eb dim:F# dim"},
        {0x111, "A augmented:Db aug:F aug"},
        {0x129, "D minor seventh:F maj sixth"},
        {0x021, "D fifth"},
        {0x042, "Eb fifth"},
        // The two irregular entries survive as they are.
        {0x444, "B augmented:Ebaug:G aug"},
        {0x693, "A 13th minor 9th "},
    };
    for (const auto& c : cases) {
        std::string name;
        EXPECT_TRUE(engine::GetChordName(static_cast<PitchClassMask>(c.mask), name, {}));
        EXPECT_EQ(name, c.name) << std::hex << c.mask;
    }
}

// The index is the compiler's: nothing can read it before it is filled.
static_assert(std::string_view(engine::BuiltInChordName(0x488)) == "C major");
static_assert(engine::BuiltInChordName(0x001) == nullptr);
static_assert(engine::BuiltInChordName(0x1488) == nullptr);

TEST(ChordNaming, UnknownSetsHaveNoName)
{
    for (unsigned mask : {0x000u, 0x001u, 0x003u, 0x1488u, 0xF091u}) {
        std::string name = "x";
        EXPECT_FALSE(engine::GetChordName(static_cast<PitchClassMask>(mask), name, {}));
        EXPECT_EQ(name, kNoChordIdFound) << std::hex << mask;
    }
    EXPECT_EQ(engine::BuiltInChordName(0x10000), nullptr);
}

TEST(ChordNaming, UserNamesFillTheGaps)
{
    // Spelling flags in the high half do not matter.
    const UserDirList userDir = {
        {"one", 0x0003},          {"major mine", 0x0488}, {"two", 0x00120003},
        {"other", 0x0005},        {"three", 0x0003},      {"four", 0x0003},
    };
    std::string name;
    EXPECT_TRUE(engine::GetChordName(0x003, name, userDir));
    EXPECT_EQ(name, "one:two:three");
    EXPECT_TRUE(engine::GetChordName(0x005, name, userDir));
    EXPECT_EQ(name, "other");
    // The built-in name wins over a user name of the same notes.
    EXPECT_TRUE(engine::GetChordName(0x488, name, userDir));
    EXPECT_EQ(name, "C major");
    EXPECT_FALSE(engine::GetChordName(0x007, name, userDir));
    EXPECT_EQ(name, kNoChordIdFound);
}

}  // namespace
