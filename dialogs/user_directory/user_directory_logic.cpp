#include "dialogs/user_directory/user_directory_logic.h"

#include "dialogs/common/name_validator.h"

namespace dialogs {

std::string UserChordNotes(UdirChordValue value)
{
    // The boxes run from A up with each flat after its sharp.
    const notes::NoteChecks checks = notes::NoteChecksFromChord(UdirMask(value), UdirFlags(value));
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
    ok.name = AllowedName(name);
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
