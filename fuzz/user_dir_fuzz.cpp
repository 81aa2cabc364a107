// Feeds any bytes to the User Directory reader, and checks that whatever it
// reads is written and read again unchanged, and that merging with another
// instance's file loses no chord either side added.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/user_dir_file.h"
#include "fuzz/quiet_ports.h"

namespace {

bool Same(const UserDirList& a, const UserDirList& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const CUdir& x, const CUdir& y) {
        return x.m_strName == y.m_strName && x.m_nValue == y.m_nValue;
    });
}

std::ptrdiff_t CountOf(const UserDirList& list, const CUdir& entry)
{
    return std::count_if(list.begin(), list.end(), [&entry](const CUdir& e) {
        return e.m_strName == entry.m_strName && e.m_nValue == entry.m_nValue;
    });
}

bool Holds(const UserDirList& list, const CUdir& entry)
{
    return CountOf(list, entry) != 0;
}

// The entries of `added` that `base` does not hold are all in `merged`.
void CheckAdditionsKept(const UserDirList& base, const UserDirList& added, const UserDirList& merged)
{
    for (const CUdir& entry : added)
        Check(Holds(base, entry) || Holds(merged, entry));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    UserDirList list;
    document::ParseUserDirFile(bytes, list);
    UserDirList again;
    document::ParseUserDirFile(document::FormatUserDirFile(list), again);
    Check(Same(list, again));

    // The same bytes cut in three: what was read, this instance's list, the file now.
    const std::size_t third = size / 3;
    UserDirList read, ours, theirs;
    document::ParseUserDirFile(bytes.substr(0, third), read);
    document::ParseUserDirFile(bytes.substr(third, third), ours);
    document::ParseUserDirFile(bytes.substr(2 * third), theirs);
    const UserDirList merged = document::MergeUserDirLists(read, ours, theirs);
    CheckAdditionsKept(read, ours, merged);
    CheckAdditionsKept(read, theirs, merged);
    // An entry read once that neither side deleted stays.
    for (const CUdir& entry : read)
        Check(CountOf(read, entry) != 1 || !Holds(ours, entry) || !Holds(theirs, entry) || Holds(merged, entry));
    return 0;
}
