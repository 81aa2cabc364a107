#include "dialogs/user_dir_logic.h"

namespace dialogs {

namespace {

// C0 controls, DEL, and the C1 controls as UTF-8 (C2 80 .. C2 9F).
std::size_t DisallowedLength(std::string_view s, std::size_t at)
{
    const auto c = static_cast<unsigned char>(s[at]);
    if (c == '~' || c == '^' || c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && at + 1 < s.size()) {
        const auto next = static_cast<unsigned char>(s[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

}  // namespace

bool IsChordNameAllowed(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (DisallowedLength(utf8, i) != 0)
            return false;
    }
    return true;
}

std::string AllowedChordName(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (const std::size_t skip = DisallowedLength(utf8, i); skip != 0) {
            i += skip;
            continue;
        }
        out += utf8[i++];
    }
    return out;
}

std::string UserChordNotes(UdirChordValue value)
{
    const auto mask = static_cast<PitchClassMask>(value & 0xFFFF);
    const auto flags = static_cast<FlatSpellingFlags>((value >> 16) & 0xFFFF);
    // The boxes run from A up with each flat after its sharp.
    const notes::NoteChecks checks = notes::NoteChecksFromChord(mask, flags);
    std::string text;
    for (int i = 0; i < notes::kNoteBoxCount; ++i) {
        if (checks[static_cast<std::size_t>(i)])
            text += notes::kNoteBoxes[static_cast<std::size_t>(i)].caption;
    }
    return text;
}

UserChordOk CheckUserChord(std::string_view name, const NoteBoxLogic& boxes, int lock)
{
    UserChordOk ok;
    ok.name = AllowedChordName(name);
    if (ok.name.empty()) {
        ok.refusal = kNoChordName;
        return ok;
    }
    if (boxes.Count() == 0 && !(lock & notes::kNotesFixed)) {
        ok.refusal = kNoNotesSelected;
        return ok;
    }
    ok.mask = notes::MaskFromNoteChecks(boxes.Checks());
    ok.flags = notes::FlatFlagsFromNoteChecks(boxes.Checks());
    return ok;
}

const CUdir* UserDirectoryModel::Find(const std::string& line) const
{
    const int index = engine::FindUserChord(m_list, line);
    return index < 0 ? nullptr : &m_list[static_cast<std::size_t>(index)];
}

void UserDirectoryModel::Select(const std::string* line)
{
    const CUdir* entry = line ? Find(*line) : nullptr;
    m_chosen = entry ? entry->m_nValue : 0;
}

void UserDirectoryModel::Add(const std::string& name, UdirChordValue value)
{
    engine::AddUserChord(m_list, name, value);
    m_chosen = value;
}

bool UserDirectoryModel::Modify(const std::string& line, const std::string& name, UdirChordValue value)
{
    const int index = engine::FindUserChord(m_list, line);
    if (index < 0)
        return false;
    const CUdir& entry = m_list[static_cast<std::size_t>(index)];
    const bool changed = entry.m_strName != name || entry.m_nValue != value;
    if (changed)
        engine::ModifyUserChord(m_list, static_cast<std::size_t>(index), name, value);
    m_chosen = m_list[static_cast<std::size_t>(index)].m_nValue;
    return changed;
}

void UserDirectoryModel::Delete(const std::string& line)
{
    const int index = engine::FindUserChord(m_list, line);
    if (index >= 0)
        engine::DeleteUserChord(m_list, static_cast<std::size_t>(index));
    m_chosen = 0;
}

}  // namespace dialogs
