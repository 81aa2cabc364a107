#include "dialogs/search/search_templates.h"

namespace dialogs {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;
using note_box_template::PutNoteBoxes;

namespace {

constexpr auto kNotesControls = [] {
    std::array<ControlTemplate, 22> c{};
    c[0] = {-1, ControlKind::GroupBox, "Notes", 7, 5, 308, 58, 0};
    PutNoteBoxes(c, 1, 5);
    c[18] = {id::kClearPrevious, ControlKind::CheckBox, "Clear previous selection on initialisation", 7, 72, 160, 10, 0};
    c[19] = {id::kHiddenNotes, ControlKind::Edit, "", 170, 70, 30, 12, style::kHidden};
    c[20] = {id::kClear, ControlKind::PushButton, "Clear", 210, 70, 50, 14, 0};
    c[21] = {id::kAdd, ControlKind::PushButton, "&Add", 265, 70, 50, 14, 0};
    return c;
}();

constexpr ControlTemplate kChordDirectoryControls[] = {
    {-1, ControlKind::Label, "Chords", 7, 7, 60, 8, 0},
    {id::kChordList, ControlKind::ListBox, "", 7, 17, 158, 166, 0},
    {id::kShortNames, ControlKind::CheckBox, "Short names", 7, 189, 80, 10, 0},
    {id::kOk, ControlKind::PushButton, "OK", 171, 17, 34, 14, style::kDefault},
    {id::kCancel, ControlKind::PushButton, "Cancel", 171, 35, 34, 14, 0},
    {id::kRootUp, ControlKind::PushButton, "&UP", 171, 70, 34, 28, 0},
    {id::kRootDown, ControlKind::PushButton, "&DOWN", 171, 102, 34, 28, 0},
    {-1, ControlKind::Label, "Page", 171, 160, 34, 8, style::kHidden},
    {id::kRootPage, ControlKind::Edit, "", 171, 170, 34, 12, style::kReadOnly | style::kHidden},
};

// Six columns under "6th" .. "1st", and the tuning's name beside its notes.
constexpr int kTuningColumnX = 161;
constexpr int kTuningColumnStep = 17;

constexpr auto kDiagramControls = [] {
    std::array<ControlTemplate, 31> c{};
    std::size_t n = 0;
    c[n++] = {id::kDiagram, ControlKind::Custom, "", 10, 10, 65, 78, 0};
    c[n++] = {id::kMarkerGroup, ControlKind::GroupBox, "Marker", 85, 6, 62, 48, 0};
    c[n++] = {id::kMarkerDot, ControlKind::RadioButton, "", 93, 19, 12, 10, style::kGroup};
    c[n++] = {id::kDotPicture, ControlKind::Picture, "", 107, 15, 32, 16, 0};
    c[n++] = {id::kMarkerEraser, ControlKind::RadioButton, "", 93, 36, 12, 10, 0};
    c[n++] = {id::kEraserPicture, ControlKind::Picture, "", 107, 32, 32, 16, 0};
    c[n++] = {-1, ControlKind::Label, "Fret no.", 85, 60, 30, 12, style::kGroup | style::kVCenter};
    c[n++] = {id::kBaseFret, ControlKind::Edit, "", 117, 60, 30, 12, 0};
    c[n++] = {id::kBaseFretSpin, ControlKind::UpDown, "", 0, 0, 10, 12, style::kAutoBuddy};
    c[n++] = {-1, ControlKind::GroupBox, "Tuning", 155, 6, 140, 50, 0};
    const char* const labels[6] = {"6th", "5th", "4th", "3rd", "2nd", "1st"};
    const char* const standard[6] = {"E", "A", "D", "G", "B", "E"};
    for (int k = 0; k < 6; ++k)
        c[n++] = {-1, ControlKind::Label, labels[k], kTuningColumnX + kTuningColumnStep * k, 17, 17, 9, 0};
    for (int k = 0; k < 6; ++k)
        c[n++] = {kTuningNoteIds[static_cast<std::size_t>(k)], ControlKind::Label, standard[k],
                  kTuningColumnX + kTuningColumnStep * k, 28, 17, 9, 0};
    c[n++] = {id::kTuningName, ControlKind::Label, "", kTuningColumnX + kTuningColumnStep * 6, 28, 30, 9, 0};
    for (int k = 0; k < 6; ++k)
        c[n++] = {id::kFirstNoteName + k, ControlKind::Label, "", kTuningColumnX + kTuningColumnStep * k, 41, 17, 9, 0};
    c[n++] = {id::kAdd, ControlKind::PushButton, "&Add", 245, 60, 50, 14, 0};
    c[n++] = {id::kClearPrevious, ControlKind::CheckBox, "Clear previous selection on initialisation", 85, 77, 150, 10, 0};
    return c;
}();

}  // namespace

const platform::DialogTemplate kNotesTemplate{"Notes", 322, 90, kNotesControls};
const platform::DialogTemplate kChordDirectoryTemplate{"Chord Directory", 211, 208, kChordDirectoryControls};
const platform::DialogTemplate kDiagramTemplate{"Diagram", 300, 90, kDiagramControls};

}  // namespace dialogs
