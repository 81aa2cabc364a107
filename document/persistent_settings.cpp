#include "document/persistent_settings.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <vector>

#include "document/settings_store.h"

namespace {

namespace section = settings_section;

struct IntSetting {
    std::string_view section;
    std::string_view key;
    std::int32_t PersistentSettings::*field;
};

// In load and save order; "exp" and "Name" are handled on their own. Every
// value is kept as read: the document, the page writer and the history check
// the ones they use, so a value the program does not use comes back unchanged.
const std::array<IntSetting, 27> kIntSettings = {{
    {section::kSettings, "inc_his", &PersistentSettings::m_bIncHis},
    {section::kSettings, "his_buf_sz", &PersistentSettings::m_nHisBufSz},
    {section::kMisc, "instr", &PersistentSettings::m_nInstr},
    {section::kMisc, "vel", &PersistentSettings::m_nVel},
    {section::kMisc, "dur", &PersistentSettings::m_nDur},
    {section::kMisc, "sep", &PersistentSettings::m_nSep},
    {section::kMisc, "snotes", &PersistentSettings::m_nSnotes},
    {section::kMisc, "notefret", &PersistentSettings::m_nNotefret},
    {section::kMisc, "nocol", &PersistentSettings::m_nNocol},
    {section::kMisc, "graphx", &PersistentSettings::m_nGraphx},
    {section::kMisc, "kv_clrprev", &PersistentSettings::m_nKvClrprev},
    {section::kMisc, "kv_clrprev_kvdgm", &PersistentSettings::m_nKvClrprevKvdgm},
    {section::kMisc, "sht_names", &PersistentSettings::m_nShtNames},
    {section::kMisc, "deutsch", &PersistentSettings::m_nDeutsch},
    {section::kMisc, "UdirLoc", &PersistentSettings::m_nUdirLoc},
    {section::kHtml, "bgcol", &PersistentSettings::m_nBgcol},
    {section::kHtml, "txtcol", &PersistentSettings::m_nTxtcol},
    {section::kHtml, "applfont", &PersistentSettings::m_nApplfont},
    {section::kHtml, "appl_lmgn", &PersistentSettings::m_nApplLmgn},
    {section::kHtml, "appl_red_scale", &PersistentSettings::m_nApplRedScale},
    {section::kHtml, "appl_ap", &PersistentSettings::m_nApplAp},
    {section::kHtml, "appl_sp_ud", &PersistentSettings::m_nApplSpUd},
    {section::kHtml, "appl_rwsep", &PersistentSettings::m_nApplRwsep},
    {section::kScratchPad, "pgtitle", &PersistentSettings::m_nPgtitle},
    {section::kScratchPad, "chdtitle", &PersistentSettings::m_nChdtitle},
    {section::kScratchPad, "chtitle_top", &PersistentSettings::m_nChtitleTop},
    {section::kHtml, "appl_shrink_prt", &PersistentSettings::m_nApplShrinkPrt},
}};

constexpr std::string_view kRect = "Rect";
constexpr std::string_view kIcon = "icon";
constexpr std::string_view kMax = "max";
constexpr std::string_view kTool = "tool";
constexpr std::string_view kStatus = "status";
constexpr std::string_view kExp = "exp";
constexpr std::string_view kName = "Name";

std::int32_t ReadIntOr(const SettingsStore& store, std::string_view sec, std::string_view key, std::int32_t def)
{
    return store.ReadInt(sec, key).value_or(def);
}

bool ReadFlag(const SettingsStore& store, std::string_view key, bool def)
{
    return ReadIntOr(store, section::kWindowSize, key, def ? 1 : 0) != 0;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// A whole token as a 32-bit decimal integer.
bool ParseToken(std::string_view token, std::int32_t& value)
{
    const std::string text(token);
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size() || errno == ERANGE || parsed < std::numeric_limits<std::int32_t>::min()
        || parsed > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(parsed);
    return true;
}

}  // namespace

namespace document {

std::string FormatWindowRect(const WindowRect& rect)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d %04d %04d %04d", static_cast<int>(rect.left),
                  static_cast<int>(rect.top), static_cast<int>(rect.right), static_cast<int>(rect.bottom));
    return buffer;
}

WindowRect ParseWindowRect(const std::string& text)
{
    std::vector<std::int32_t> numbers;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsSpace(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !IsSpace(text[end]))
            ++end;
        std::int32_t value = 0;
        if (numbers.size() == 4 || !ParseToken(std::string_view(text).substr(pos, end - pos), value))
            return WindowRect{};
        numbers.push_back(value);
        pos = end;
    }
    if (numbers.size() != 4)
        return WindowRect{};
    const WindowRect rect{numbers[0], numbers[1], numbers[2], numbers[3]};
    // A window with no area could not be seen or grabbed again.
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return WindowRect{};
    return rect;
}

WindowRect PlaceWindowRect(const WindowRect& stored, const std::vector<Rect>& available, const Rect& desktop)
{
    const std::int64_t width = std::int64_t{stored.right} - stored.left;
    const std::int64_t height = std::int64_t{stored.bottom} - stored.top;
    if (width <= 0 || height <= 0 || width > std::int64_t{desktop.right} - desktop.left
        || height > std::int64_t{desktop.bottom} - desktop.top)
        return WindowRect{};
    for (const Rect& screen : available) {
        if (std::max(stored.left, screen.left) < std::min(stored.right, screen.right)
            && std::max(stored.top, screen.top) < std::min(stored.bottom, screen.bottom))
            return stored;
    }
    return WindowRect{};
}

ShowCommand ChooseShowCommand(const WindowPlacement& placement)
{
    if (placement.m_bIcon)
        return ShowCommand::MinimizedNoActivate;
    if (placement.m_bMax)
        return ShowCommand::Maximized;
    return ShowCommand::Normal;
}

void LoadSettings(const SettingsStore& store, PersistentSettings& settings)
{
    const PersistentSettings defaults;

    WindowPlacement& placement = settings.m_placement;
    placement.m_rcNormal = ParseWindowRect(store.ReadString(section::kWindowSize, kRect).value_or(""));
    placement.m_bRectKnown = true;
    placement.m_bIcon = ReadFlag(store, kIcon, defaults.m_placement.m_bIcon);
    placement.m_bMax = ReadFlag(store, kMax, defaults.m_placement.m_bMax);

    settings.m_wExp = static_cast<std::uint16_t>(ReadIntOr(store, section::kMisc, kExp, defaults.m_wExp) & 0xFFFF);
    settings.m_strMidiOutName = store.ReadString(section::kMidiOutput, kName).value_or(defaults.m_strMidiOutName);
    for (const IntSetting& s : kIntSettings)
        settings.*s.field = ReadIntOr(store, s.section, s.key, defaults.*s.field);

    placement.m_bToolbar = ReadFlag(store, kTool, defaults.m_placement.m_bToolbar);
    placement.m_bStatusBar = ReadFlag(store, kStatus, defaults.m_placement.m_bStatusBar);
}

void SaveSettings(SettingsStore& store, const PersistentSettings& settings)
{
    const WindowPlacement& placement = settings.m_placement;
    const bool known = placement.m_bRectKnown;
    store.WriteString(section::kWindowSize, kRect, known ? FormatWindowRect(placement.m_rcNormal) : "");
    store.WriteInt(section::kWindowSize, kIcon, known && placement.m_bIcon ? 1 : 0);
    store.WriteInt(section::kWindowSize, kMax, known && placement.m_bMax ? 1 : 0);

    store.WriteInt(section::kMisc, kExp, settings.m_wExp);
    store.WriteString(section::kMidiOutput, kName, settings.m_strMidiOutName);
    for (const IntSetting& s : kIntSettings)
        store.WriteInt(s.section, s.key, settings.*s.field);

    store.WriteInt(section::kWindowSize, kTool, placement.m_bToolbar ? 1 : 0);
    store.WriteInt(section::kWindowSize, kStatus, placement.m_bStatusBar ? 1 : 0);
}

}  // namespace document
