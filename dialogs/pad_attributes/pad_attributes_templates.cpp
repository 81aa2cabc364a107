#include "dialogs/pad_attributes/pad_attributes_templates.h"

#include "platform/template_dialog.h"

namespace dialogs {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;
using namespace pad_id;

namespace {

constexpr int kControlCount = 90;

// The top of each position's radio: the open row above the nut, then the
// middle of each fret space.
constexpr std::array<int, 6> kPositionTop = {125, 143, 163, 183, 203, 223};

// Column of string s (0 the 1st) in template units.
constexpr int StringX(std::size_t s)
{
    return kPadGridColumns[5 - s];
}

constexpr auto kPadAttributesControls = [] {
    std::array<ControlTemplate, kControlCount> c{};
    std::size_t n = 0;
    c[n++] = {-1, ControlKind::GroupBox, "Page Title", 7, 4, 183, 29, 0};
    c[n++] = {kPageTitle, ControlKind::Edit, "", 14, 15, 128, 12, 0};
    c[n++] = {kShowPageTitle, ControlKind::CheckBox, "Display", 148, 16, 38, 10, 0};

    c[n++] = {-1, ControlKind::GroupBox, "Chord Title", 7, 36, 183, 58, 0};
    c[n++] = {-1, ControlKind::Label, "Upper line", 14, 50, 40, 8, 0};
    c[n++] = {kUpperLine, ControlKind::Edit, "", 56, 48, 128, 12, 0};
    c[n++] = {-1, ControlKind::Label, "Lower line", 14, 66, 40, 8, 0};
    c[n++] = {kLowerLine, ControlKind::Edit, "", 56, 64, 128, 12, 0};
    c[n++] = {kShowChordTitle, ControlKind::CheckBox, "Display", 56, 80, 40, 10, 0};

    // One radio group a string, the 6th first: Not Played, then positions 0..5.
    c[n++] = {-1, ControlKind::GroupBox, "Not Played", 7, 97, 101, 26, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t s = 5 - k;
        const int x = StringX(s) - 4;
        c[n++] = {kNotPlayed[s], ControlKind::RadioButton, "", x, 108, 10, 10, style::kGroup};
        for (std::size_t p = 0; p < 6; ++p)
            c[n++] = {kPositions[s][p], ControlKind::RadioButton, "", x, kPositionTop[p], 10, 10, 0};
    }

    c[n++] = {-1, ControlKind::Label, "Fret", 112, 145, 20, 8, style::kGroup};
    c[n++] = {kBaseFret, ControlKind::Edit, "", 134, 143, 30, 12, 0};
    c[n++] = {kBaseFretSpin, ControlKind::UpDown, "", 0, 0, 10, 12, style::kAutoBuddy};

    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t s = 5 - k;
        c[n++] = {kNoteLabels[s], ControlKind::Label, "", StringX(s) - 7, 243, 14, 8, style::kCenter};
    }

    c[n++] = {-1, ControlKind::Label, "Accidental", 112, 255, 50, 8, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t s = 5 - k;
        c[n++] = {kAccidentals[s], ControlKind::PushButton, " ", StringX(s) - 6, 253, 12, 12, 0};
    }

    c[n++] = {-1, ControlKind::GroupBox, "Mark with X", 7, 267, 101, 28, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t s = 5 - k;
        c[n++] = {kXMarks[s], ControlKind::CheckBox, "", StringX(s) - 4, 279, 10, 10, 0};
    }

    c[n++] = {-1, ControlKind::Label, "Finger Position", 112, 306, 60, 8, 0};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t s = 5 - k;
        c[n++] = {kFingers[s], ControlKind::Edit, "", StringX(s) - 7, 304, 14, 12, style::kCenter};
        c[n++] = {kFingerSpins[s], ControlKind::UpDown, "", 0, 0, 5, 12, style::kAutoBuddy};
    }

    c[n++] = {platform::TemplateDialog::kIdOk, ControlKind::PushButton, "OK", 40, 322, 50, 14, style::kDefault};
    c[n++] = {platform::TemplateDialog::kIdCancel, ControlKind::PushButton, "Cancel", 107, 322, 50, 14, 0};
    if (n != c.size())
        throw "the template's count is off";  // stops the constant evaluation
    return c;
}();

}  // namespace

const platform::DialogTemplate kPadAttributesTemplate{"Scratch Pad Chord Attributes", 197, 341, kPadAttributesControls};

}  // namespace dialogs
