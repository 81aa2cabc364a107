#include "engine/chord_names.h"

namespace engine {
namespace {

constexpr int kMaxUserNames = 3;

}  // namespace

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
