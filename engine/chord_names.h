#pragma once
#include <array>
#include <string>
#include <string_view>

#include "engine/pitch.h"
#include "engine/udir.h"

// Shown for a note set with no built-in and no user name.
inline constexpr std::string_view kNoChordIdFound = "No chord id found";

namespace engine {

// Names a note set: the built-in name, else up to three user names joined by
// ":", else kNoChordIdFound. True when a name was found.
bool GetChordName(PitchClassMask mask, std::string& name, const UserDirList& userDir);

// The built-in name of a mask, or nullptr; constant time.
const char* BuiltInChordName(unsigned mask);

namespace detail {
struct ChordNameEntry {
    PitchClassMask mask;
    const char* name;
};
constexpr int kChordNameCount = 325;
extern const std::array<ChordNameEntry, kChordNameCount> kChordNameTable;
}  // namespace detail

}  // namespace engine
