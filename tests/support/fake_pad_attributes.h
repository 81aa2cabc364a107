#pragma once
// An attributes-dialog port that records its presets and returns a scripted result.
#include <vector>

#include "document/pad_attributes_port.h"

struct FakePadAttributes : ports::PadAttributesDialogPort {
    std::vector<ports::PadAttributesPreset> presets;
    ports::PadAttributesResult result;

    ports::PadAttributesResult RunPadChordAttributes(const ports::PadAttributesPreset& preset) override
    {
        presets.push_back(preset);
        return result;
    }

    // The upper title lines of the chords opened, in order.
    std::vector<std::string> Opened() const
    {
        std::vector<std::string> names;
        for (const auto& p : presets)
            names.push_back(p.values.upperLine);
        return names;
    }
};
