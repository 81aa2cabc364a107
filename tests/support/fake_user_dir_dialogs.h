#pragma once
// A User Directory dialog port that records its presets and returns scripted results.
#include <functional>
#include <vector>

#include "document/user_dir_dialog_port.h"

struct FakeUserDirDialogs : ports::UserDirDialogPort {
    ports::UserDirectoryResult directoryResult;
    // Runs while the list dialog is open, on the document's list.
    std::function<void(UserDirList&)> whileDirectoryOpen;
    int directoryRuns = 0;

    std::vector<ports::UserChordPreset> chordPresets;
    ports::UserChordResult chordResult;

    ports::UserDirectoryResult RunUserDirectory(UserDirList& userDir) override
    {
        ++directoryRuns;
        if (whileDirectoryOpen)
            whileDirectoryOpen(userDir);
        return directoryResult;
    }
    ports::UserChordResult RunAddUserChord(const ports::UserChordPreset& preset) override
    {
        chordPresets.push_back(preset);
        return chordResult;
    }
};
