#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chord_names_data.h"
#include "engine/pitch.h"
#include "engine/udir.h"

// Shown for a note set with no built-in and no user name.
inline constexpr std::string_view kNoChordIdFound = "No chord id found";

namespace engine {

// Names a note set: the built-in name, else up to three user names joined by
// ":", else kNoChordIdFound. True when a name was found.
bool GetChordName(PitchClassMask mask, std::string& name, const UserDirList& userDir);

namespace detail {
// mask -> row of the name table, -1 where the mask has no built-in name. The
// compiler builds it, so no code can run before it is filled.
inline constexpr std::array<std::int16_t, 4096> kChordNameIndex = [] {
    std::array<std::int16_t, 4096> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < kChordNameTable.size(); ++i)
        index[kChordNameTable[i].mask] = static_cast<std::int16_t>(i);
    return index;
}();
}  // namespace detail

// The built-in name of a mask, or nullptr; constant time.
constexpr const char* BuiltInChordName(unsigned mask)
{
    if (mask >= detail::kChordNameIndex.size())
        return nullptr;
    const int at = detail::kChordNameIndex[mask];
    return at < 0 ? nullptr : detail::kChordNameTable[static_cast<std::size_t>(at)].name;
}

}  // namespace engine
