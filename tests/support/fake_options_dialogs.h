#pragma once
// An Options port that records its presets and plays the user: it changes
// the pages' values, may press Apply Now, then closes with OK or Cancel.
#include <functional>
#include <vector>

#include "document/options_dialog_port.h"

struct FakeOptionsDialogs : ports::OptionsDialogPort {
    using ApplyNow = std::function<void(const ports::OptionsValues&)>;

    std::vector<ports::OptionsPreset> presets;
    std::function<void(ports::OptionsValues&, const ApplyNow&)> whileOpen;
    bool ok = true;
    int lastPage = 0;

    ports::OptionsResult RunOptionsSheet(const ports::OptionsPreset& preset, const ApplyNow& applyNow) override
    {
        presets.push_back(preset);
        ports::OptionsResult result{ok, lastPage, preset.values};
        if (whileOpen)
            whileOpen(result.values, applyNow);
        return result;
    }
};
