#pragma once
#include <string>
#include <vector>

#include "engine/pitch.h"

// One chord the user named: the name and the spelling flags << 16 | mask.
struct CUdir {
    std::string m_strName;
    UdirChordValue m_nValue = 0;

    PitchClassMask Mask() const { return static_cast<PitchClassMask>(m_nValue & 0xFFFF); }
    FlatSpellingFlags Flags() const { return static_cast<FlatSpellingFlags>((m_nValue >> 16) & 0xFFFF); }
};

// The User Directory in the user's order.
using UserDirList = std::vector<CUdir>;

// Set by every add, modify and delete of a user chord; read when the file is written.
extern bool g_bUserDirModified;
