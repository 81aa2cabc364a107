#include "engine/udir.h"

bool g_bUserDirModified = false;

namespace engine {

void AddUserChord(UserDirList& list, std::string name, UdirChordValue value)
{
    list.push_back({std::move(name), value});
    g_bUserDirModified = true;
}

void ModifyUserChord(UserDirList& list, std::size_t index, std::string name, UdirChordValue value)
{
    if (index >= list.size())
        return;
    list[index].Set(std::move(name), value);
    g_bUserDirModified = true;
}

void DeleteUserChord(UserDirList& list, std::size_t index)
{
    if (index >= list.size())
        return;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    g_bUserDirModified = true;
}

int FindUserChord(const UserDirList& list, const std::string& name)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].m_strName == name)
            return static_cast<int>(i);
    }
    return static_cast<int>(list.size()) - 1;
}

}  // namespace engine
