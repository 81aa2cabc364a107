#include "dialogs/options/options_templates.h"

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

constexpr ControlTemplate kScratchPadControls[] = {
    {id::kDefaultChordTitles, ControlKind::CheckBox, "Default to Display Chord Titles\non saving to Scratch Pad",
     14, 10, 170, 20, style::kGroup},
    {id::kShowPageTitle, ControlKind::CheckBox, "Display Page Title", 14, 36, 170, 10, 0},
    {id::kSetAllChordTitles, ControlKind::CheckBox, "Set All Chord Titles in\nActive Scratch Pad", 14, 54, 170, 20,
     0},
    {-1, ControlKind::GroupBox, "", 24, 76, 90, 40, 0},
    {id::kAllTitlesDisplay, ControlKind::RadioButton, "Display", 32, 87, 70, 10, style::kGroup},
    {id::kAllTitlesHide, ControlKind::RadioButton, "Hide", 32, 101, 70, 10, 0},
    {id::kTitleAtBottom, ControlKind::CheckBox, "Display Chord Title at\nbottom of chord frame", 14, 124, 170, 20,
     style::kGroup},
};

constexpr ControlTemplate kHtmlAppletControls[] = {
    {id::kAppletFontGroup, ControlKind::GroupBox, "Tonalith Applet Font", 7, 7, 160, 68, 0},
    {-1, ControlKind::Label, "Java Font Name      Corresponding\n                                Windows Font", 14, 17,
     146, 18, 0},
    {id::kAppletHelvetica, ControlKind::RadioButton, "Helvetica            Arial", 14, 37, 146, 10, style::kGroup},
    {id::kAppletTimesRoman, ControlKind::RadioButton, "TimesRoman      Times New Roman", 14, 49, 146, 10, 0},
    {id::kAppletCourier, ControlKind::RadioButton, "Courier                Courier New", 14, 61, 146, 10, 0},

    {id::kColourGroup, ControlKind::GroupBox, "Colour settings", 175, 7, 90, 68, style::kGroup},
    {id::kTextColour, ControlKind::PushButton, "Text", 185, 19, 70, 14, 0},
    {id::kBackgroundColour, ControlKind::PushButton, "Background", 185, 37, 70, 14, 0},
    {id::kDefaultColours, ControlKind::PushButton, "Default", 185, 55, 70, 14, 0},

    {id::kReducedScaleGroup, ControlKind::GroupBox, "Reduced scale settings", 7, 80, 258, 70, 0},
    {id::kReducedScale, ControlKind::CheckBox, "Reduced Scale", 14, 91, 80, 10, 0},
    {id::kLeftMarginCaption, ControlKind::Label, "Left Margin:", 14, 105, 48, 8, 0},
    {id::kLeftMarginValue, ControlKind::Label, "", 64, 105, 16, 8, 0},
    {id::kLeftMargin, ControlKind::Slider, "", 14, 114, 120, 14, 0},
    {id::kLeftMarginLow, ControlKind::Label, "", 14, 129, 12, 8, 0},
    {id::kLeftMarginHigh, ControlKind::Label, "", 118, 129, 16, 8, style::kRight},
    {id::kChordFrameWidth, ControlKind::Label, "(Chord frame width = 30 units)", 14, 139, 130, 8, 0},

    {-1, ControlKind::Label, "     Row\nseparation:", 150, 91, 48, 18, 0},
    {id::kRowSeparationValue, ControlKind::Label, "", 150, 112, 16, 8, 0},
    {id::kRowSeparation, ControlKind::Slider, "", 202, 91, 14, 46, style::kVertical},
    {id::kRowSeparationLow, ControlKind::Label, "", 218, 92, 12, 8, 0},
    {id::kRowSeparationHigh, ControlKind::Label, "", 218, 129, 12, 8, 0},
    {-1, ControlKind::Label, "(Fret separation = 6 units)", 150, 139, 110, 8, 0},

    {id::kSaveAllPages, ControlKind::CheckBox, "Save\nAll Pages", 14, 154, 64, 18, 0},
    {id::kShrinkToA4, ControlKind::CheckBox, "Shrink print output to A4", 90, 158, 130, 10, 0},
};

constexpr ControlTemplate kDisplayControls[] = {
    {id::kNotesOnFrets, ControlKind::CheckBox, "Notes on frets", 14, 14, 110, 10, 0},
    {id::kNotesColour, ControlKind::CheckBox, "Notes Colour", 14, 30, 110, 10, 0},
};

constexpr ControlTemplate kGeneralControls[] = {
    {-1, ControlKind::GroupBox, "Filter", 7, 7, 156, 32, 0},
    {id::kReducedSpan, ControlKind::CheckBox, "Reduced Span", 15, 20, 110, 10, 0},
    {-1, ControlKind::GroupBox, "History", 7, 45, 156, 52, 0},
    {id::kIncludeHistory, ControlKind::CheckBox, "Include History", 15, 58, 110, 10, 0},
    {-1, ControlKind::Label, "Buffer size", 15, 75, 45, 12, style::kVCenter},
    {id::kHistorySize, ControlKind::Edit, "", 62, 75, 40, 12, 0},
    {id::kHistorySizeSpin, ControlKind::UpDown, "", 0, 0, 10, 12, style::kAutoBuddy},
};

}  // namespace

const platform::DialogTemplate kTuningTemplate{"Tuning", 221, 103, kTuningControls};
const platform::DialogTemplate kSoundTemplate{"Sound", 266, 153, kSoundControls};
const platform::DialogTemplate kMidiOutTemplate{"MIDI Out", 166, 163, kMidiOutControls};

const platform::DialogTemplate kScratchPadOptionsTemplate{"Scratch Pad", 200, 150, kScratchPadControls};
const platform::DialogTemplate kHtmlAppletTemplate{"HTML/Applet", 272, 175, kHtmlAppletControls};
const platform::DialogTemplate kDisplayTemplate{"Display", 170, 50, kDisplayControls};
const platform::DialogTemplate kGeneralTemplate{"General", 170, 105, kGeneralControls};

}  // namespace dialogs
