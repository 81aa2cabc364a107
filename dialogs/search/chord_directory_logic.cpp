#include "dialogs/search/chord_directory_logic.h"

#include "engine/chord_types.h"

namespace dialogs {

int RootUp(int rootPage)
{
    return rootPage == 2048 ? 1 : rootPage * 2;
}

int RootDown(int rootPage)
{
    return rootPage == 1 ? 2048 : rootPage / 2;
}

namespace {

struct RootSpellings {
    int rootPage;
    const char* text;
    const char* flatText;  // null for a root with one spelling
    int table;             // index into g_SpellingTables, -1 for one spelling
};

constexpr RootSpellings kRoots[] = {
    {1, "A ", nullptr, -1},   {2, "Bb", nullptr, -1},   {4, "B ", nullptr, -1},   {8, "C ", nullptr, -1},
    {16, "C#", "Db", 0},      {32, "D ", nullptr, -1},  {64, "Eb", nullptr, -1},  {128, "E ", nullptr, -1},
    {256, "F ", nullptr, -1}, {512, "F#", "Gb", 1},     {1024, "G ", nullptr, -1}, {2048, "G#", "Ab", 2},
};
constexpr RootSpellings kNoRoot = {0, "ZZ", nullptr, -1};

const RootSpellings& Root(int rootPage)
{
    for (const RootSpellings& r : kRoots) {
        if (r.rootPage == rootPage)
            return r;
    }
    return kNoRoot;
}

// Only a natural root stands as its letter alone in a short name.
std::string ShortRoot(const std::string& text)
{
    return text[1] == ' ' ? text.substr(0, 1) : text;
}

std::string Line(const std::string& longName, int type, const RootSpellings& root, bool shortNames)
{
    const std::string& base = shortNames ? g_ChordTypeShortNames[static_cast<std::size_t>(type)] : longName;
    const std::size_t field = shortNames ? 1 : 2;
    const std::string rest = base.size() > field ? base.substr(field) : std::string();
    if (root.table < 0) {
        const std::string text = root.text;
        return (shortNames ? ShortRoot(text) : text) + rest;
    }
    switch (g_SpellingTables[static_cast<std::size_t>(root.table)][static_cast<std::size_t>(type)]) {
    case kSpellFlat:
        return root.flatText + rest;
    case kSpellBoth:
        return std::string(root.text) + "/" + root.flatText + rest;
    default:
        return root.text + rest;
    }
}

}  // namespace

std::string RootText(int rootPage)
{
    return Root(rootPage).text;
}

std::vector<std::string> FillChordList(int rootPage, bool shortNames)
{
    const RootSpellings& root = Root(rootPage);
    std::vector<std::string> lines;
    lines.reserve(kChordTypeCount);
    for (int type = 0; type < kChordTypeCount; ++type) {
        std::string& longName = g_ChordTypeLongNames[static_cast<std::size_t>(type)];
        if (!shortNames && root.table < 0) {
            longName.replace(0, 2, root.text);
            lines.push_back(longName);
        } else {
            lines.push_back(Line(longName, type, root, shortNames));
        }
    }
    return lines;
}

}  // namespace dialogs
