#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/pitch.h"

constexpr UdirChordValue MakeUdirValue(FlatSpellingFlags flags, PitchClassMask mask)
{
    return static_cast<UdirChordValue>(static_cast<std::uint32_t>(flags) << 16 | mask);
}
constexpr PitchClassMask UdirMask(UdirChordValue value)
{
    return static_cast<PitchClassMask>(value & 0xFFFF);
}
constexpr FlatSpellingFlags UdirFlags(UdirChordValue value)
{
    return static_cast<FlatSpellingFlags>((value >> 16) & 0xFFFF);
}

// One chord the user named: the name and the spelling flags << 16 | mask.
struct CUdir {
    std::string m_strName;
    UdirChordValue m_nValue = 0;

    std::string GetName() const { return m_strName; }
    void Set(std::string name, UdirChordValue value)
    {
        m_strName = std::move(name);
        m_nValue = value;
    }
    PitchClassMask Mask() const { return UdirMask(m_nValue); }
    FlatSpellingFlags Flags() const { return UdirFlags(m_nValue); }
};

// The User Directory in the user's order.
using UserDirList = std::vector<CUdir>;

// Set by every add, modify and delete of a user chord; read when the file is written.
extern bool g_bUserDirModified;

// The changes the user makes; each sets g_bUserDirModified.
namespace engine {

// At the tail, where the file keeps new chords.
void AddUserChord(UserDirList& list, std::string name, UdirChordValue value);
void ModifyUserChord(UserDirList& list, std::size_t index, std::string name, UdirChordValue value);
void DeleteUserChord(UserDirList& list, std::size_t index);

// The entry a list line names: the first with exactly that name, else the
// last entry; -1 for an empty list.
int FindUserChord(const UserDirList& list, const std::string& name);

}  // namespace engine
