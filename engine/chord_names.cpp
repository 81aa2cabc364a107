#include "engine/chord_names.h"

#include <cstdint>

namespace engine {
namespace {

constexpr int kMaxUserNames = 3;

// mask -> position in the name table, -1 where the mask has no built-in name.
std::array<std::int16_t, 4096> buildIndex()
{
    std::array<std::int16_t, 4096> index;
    index.fill(-1);
    for (std::size_t i = 0; i < detail::kChordNameTable.size(); ++i)
        index[detail::kChordNameTable[i].mask] = static_cast<std::int16_t>(i);
    return index;
}

const std::array<std::int16_t, 4096> kIndex = buildIndex();

}  // namespace

const char* BuiltInChordName(unsigned mask)
{
    if (mask >= kIndex.size())
        return nullptr;
    const int at = kIndex[mask];
    return at < 0 ? nullptr : detail::kChordNameTable[static_cast<std::size_t>(at)].name;
}

bool GetChordName(PitchClassMask mask, std::string& name, const UserDirList& userDir)
{
    name.clear();
    if (const char* builtIn = BuiltInChordName(mask)) {
        name = builtIn;
        return true;
    }
    int found = 0;
    for (const CUdir& entry : userDir) {
        if (entry.Mask() != mask)
            continue;
        if (found > 0)
            name += ':';
        name += entry.m_strName;
        if (++found == kMaxUserNames)
            break;
    }
    if (!name.empty())
        return true;
    name = kNoChordIdFound;
    return false;
}

}  // namespace engine
