#pragma once
// The User Directory's dialogs as the document runs them.
#include <string>

#include "document/note_boxes.h"
#include "engine/pitch.h"
#include "engine/udir.h"

namespace ports {

struct UserChordPreset {
    bool modifyMode = false;
    int lock = notes::kNotesFree;
    notes::NoteChecks checks{};
    std::string name;
};

struct UserChordResult {
    bool ok = false;
    std::string name;
    FlatSpellingFlags flags = 0;
    PitchClassMask mask = 0;

    UdirChordValue Value() const { return MakeUdirValue(flags, mask); }
};

struct UserDirectoryResult {
    bool ok = false;
    PitchClassMask mask = 0;
    FlatSpellingFlags flags = 0;
};

class UserDirDialogPort {
public:
    virtual ~UserDirDialogPort() = default;
    // The list dialog adds, modifies and deletes entries of userDir as the
    // user asks, at once and also when it is cancelled; OK hands back the
    // chosen chord.
    virtual UserDirectoryResult RunUserDirectory(UserDirList& userDir) = 0;
    virtual UserChordResult RunAddUserChord(const UserChordPreset& preset) = 0;
};

}  // namespace ports
