#pragma once
// The Size and Language dialogs as the document sees them: a preset in, the
// choice out.

namespace ports {

struct SizeDialogResult {
    bool ok = false;
    int chordsPerRow = -1;  // radio index: a display size's index, -1 none
};

struct LanguageDialogResult {
    bool ok = false;
    int german = 0;
};

class SizeLanguageDialogPort {
public:
    virtual ~SizeLanguageDialogPort() = default;
    // chordsPerRow as in the result; after Cancel the result keeps the preset.
    virtual SizeDialogResult RunSizeDialog(int chordsPerRow) = 0;
    virtual LanguageDialogResult RunLanguageDialog(int german) = 0;
};

}  // namespace ports
