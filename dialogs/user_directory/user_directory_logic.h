#pragma once
#include <string>
#include <string_view>

#include "dialogs/common/note_box_logic.h"
#include "engine/udir.h"

// The User Directory dialogs without their widgets.
namespace dialogs {

inline constexpr const char* kNoChordName = "No chord name";
inline constexpr const char* kNoNotesSelected = "No notes selected";
inline constexpr const char* kNoSelection = "No selection";

// A value's notes from A up, written together, each black key in the
// spelling its flat flag gives: "BbC#E".
std::string UserChordNotes(UdirChordValue value);

// What OK in the user-chord dialog gives: a refusal, or the chord.
struct UserChordOk {
    const char* refusal = nullptr;  // kNoChordName or kNoNotesSelected
    std::string name;
    FlatSpellingFlags flags = 0;
    PitchClassMask mask = 0;

    UdirChordValue Value() const { return MakeUdirValue(flags, mask); }
};
// The name loses what IsAllowedName refuses; an empty set is refused unless
// the caller fixed the notes.
UserChordOk CheckUserChord(std::string_view name, const NoteBoxLogic& boxes, int lock);

// The list dialog's state: the document's list, changed in place, and the
// chosen value that OK hands back. Lines are entry names.
class UserDirectoryModel {
public:
    explicit UserDirectoryModel(UserDirList& list) : m_list(list) {}

    const UserDirList& List() const { return m_list; }
    bool Empty() const { return m_list.empty(); }
    UdirChordValue Chosen() const { return m_chosen; }
    PitchClassMask ChosenMask() const { return UdirMask(m_chosen); }
    FlatSpellingFlags ChosenFlags() const { return UdirFlags(m_chosen); }
    std::string ChosenNotes() const { return UserChordNotes(m_chosen); }

    // The entry a line names; null for an empty list.
    const CUdir* Find(const std::string& line) const;
    // A line was selected, or none (null).
    void Select(const std::string* line);
    // A new entry at the tail, chosen.
    void Add(const std::string& name, UdirChordValue value);
    // The line's entry takes the name and value; false when both were the
    // same and nothing changed. Either way its value is the chosen one.
    bool Modify(const std::string& line, const std::string& name, UdirChordValue value);
    // Removes the line's entry; nothing is chosen then.
    void Delete(const std::string& line);
    // Null when OK may close the dialog.
    const char* OkRefusal() const { return m_chosen == 0 ? kNoSelection : nullptr; }

private:
    UserDirList& m_list;
    UdirChordValue m_chosen = 0;
};

}  // namespace dialogs
