#include "dialogs/options/sound_templates.h"

namespace dialogs {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;

namespace {

// Six columns, the 6th string on the left as the player sees the neck:
// play button on top, name and arrows below.
constexpr int kStringColumnX = 14;
constexpr int kStringColumnStep = 33;

constexpr auto kTuningControls = [] {
    std::array<ControlTemplate, 23> c{};
    std::size_t n = 0;
    c[n++] = {id::kSoundOnAdjust, ControlKind::CheckBox, "Enable sound on adjusting tuning", 7, 7, 160, 10, 0};
    c[n++] = {-1, ControlKind::GroupBox, "Open strings", 7, 22, 207, 54, 0};
    constexpr const char* kCaptions[6] = {"6th", "5th", "4th", "3rd", "2nd", "1st"};
    for (std::size_t k = 0; k < 6; ++k) {
        const int x = kStringColumnX + kStringColumnStep * static_cast<int>(k);
        const std::size_t s = 5 - k;  // string index
        c[n++] = {kPlayStringIds[s], ControlKind::PushButton, kCaptions[k], x, 34, 28, 14, 0};
        c[n++] = {kStringNameIds[s], ControlKind::Edit, "", x, 56, 19, 12, style::kReadOnly | style::kCenter};
        c[n++] = {kStringArrowIds[s], ControlKind::UpDown, "", x + 19, 52, 9, 20, 0};
    }
    c[n++] = {id::kSetRegular, ControlKind::PushButton, "Set &Regular", 7, 83, 60, 14, 0};
    c[n++] = {id::kSetOpen, ControlKind::PushButton, "Set &Open A", 72, 83, 60, 14, 0};
    c[n++] = {id::kOpenTuningLabel, ControlKind::Label, "", 140, 86, 74, 8, 0};
    return c;
}();

// One bar with its caption and value above, its ends beside it.
constexpr void PutBar(ControlTemplate* c, int barId, int valueId, const char* caption, const char* low,
                      const char* high, int top)
{
    c[0] = {-1, ControlKind::Label, caption, 7, top, 60, 8, 0};
    c[1] = {valueId, ControlKind::Label, "", 68, top, 24, 8, 0};
    c[2] = {-1, ControlKind::Label, low, 7, top + 11, 20, 8, style::kRight};
    c[3] = {barId, ControlKind::ScrollBar, "", 30, top + 10, 190, 10, 0};
    c[4] = {-1, ControlKind::Label, high, 224, top + 11, 35, 8, 0};
}

constexpr auto kSoundControls = [] {
    std::array<ControlTemplate, 19> c{};
    c[0] = {-1, ControlKind::Label, "Instrument", 7, 7, 100, 8, 0};
    c[1] = {id::kInstrument, ControlKind::ComboBox, "", 7, 17, 190, 100, 0};
    c[2] = {id::kDefaultSound, ControlKind::PushButton, "&Default", 204, 16, 55, 14, 0};
    c[3] = {id::kTest, ControlKind::PushButton, "&Test", 204, 34, 55, 14, 0};
    PutBar(&c[4], id::kVelocityBar, id::kVelocityValue, "Velocity:", "0", "127", 54);
    PutBar(&c[9], id::kDurationBar, id::kDurationValue, "Note Duration:", "1", "9999ms", 84);
    PutBar(&c[14], id::kSeparationBar, id::kSeparationValue, "Note Separation:", "0", "2000ms", 114);
    return c;
}();

constexpr ControlTemplate kMidiOutControls[] = {
    {-1, ControlKind::Label, "Output device", 7, 7, 100, 8, 0},
    {id::kOutputDevice, ControlKind::ComboBox, "", 7, 17, 152, 100, style::kSorted},
    {-1, ControlKind::Label, "Technology", 7, 40, 152, 8, 0},
    {id::kTechnology, ControlKind::Label, "Unrecognised Technology", 14, 50, 145, 8, 0},
    {-1, ControlKind::Label, "Number of voices", 7, 64, 120, 8, 0},
    {id::kVoices, ControlKind::Label, "", 130, 64, 29, 8, 0},
    {-1, ControlKind::Label, "Number of simultaneous notes", 7, 76, 120, 8, 0},
    {id::kNotes, ControlKind::Label, "", 130, 76, 29, 8, 0},
    {-1, ControlKind::Label, "Features supported", 7, 92, 152, 8, 0},
    {id::kFeatures, ControlKind::ListBox, "", 7, 102, 152, 54, style::kSorted},
};

}  // namespace

const platform::DialogTemplate kTuningTemplate{"Tuning", 221, 103, kTuningControls};
const platform::DialogTemplate kSoundTemplate{"Sound", 266, 153, kSoundControls};
const platform::DialogTemplate kMidiOutTemplate{"MIDI Out", 166, 163, kMidiOutControls};

}  // namespace dialogs
