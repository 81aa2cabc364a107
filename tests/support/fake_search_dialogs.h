#pragma once
// A search-dialog port that records its presets and returns scripted results.
#include <functional>
#include <vector>

#include "document/search_dialog_port.h"

struct FakeSearchDialogs : ports::SearchDialogPort {
    std::vector<ports::SearchSheetPreset> sheetPresets;
    ports::SearchSheetResult sheetResult;
    // Runs while the sheet is open, on the document's User Directory.
    std::function<void(UserDirList&)> whileSheetOpen;

    std::vector<ports::ChordDirectoryPreset> directoryPresets;
    ports::ChordDirectoryResult directoryResult;

    ports::SearchSheetResult RunSearchSheet(const ports::SearchSheetPreset& preset, UserDirList& userDir) override
    {
        sheetPresets.push_back(preset);
        if (whileSheetOpen)
            whileSheetOpen(userDir);
        return sheetResult;
    }
    ports::ChordDirectoryResult RunChordDirectory(const ports::ChordDirectoryPreset& preset) override
    {
        directoryPresets.push_back(preset);
        return directoryResult;
    }
};
