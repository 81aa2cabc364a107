#pragma once
#include <span>

// A dialog as a table of controls in dialog units, as resource templates
// describe them; TemplateBuilder turns it into widgets.
namespace platform {

enum class ControlKind {
    Label,        // static text
    Frame,        // static frame or etched rectangle
    Picture,      // static picture (a pixmap label)
    Edit,         // one-line edit
    PushButton,
    CheckBox,     // auto check box
    RadioButton,  // auto radio button
    GroupBox,
    ListBox,
    ComboBox,     // drop-down list
    ScrollBar,
    Slider,
    UpDown,       // two arrows stepping a buddy edit
    Custom,       // made by the dialog itself
};

// Style bits of one control.
namespace style {
inline constexpr unsigned kGroup = 1u << 0;      // starts a group (a radio group runs to the next)
inline constexpr unsigned kHidden = 1u << 1;
inline constexpr unsigned kDisabled = 1u << 2;
inline constexpr unsigned kReadOnly = 1u << 3;
inline constexpr unsigned kSorted = 1u << 4;     // list and combo boxes
inline constexpr unsigned kDefault = 1u << 5;    // the default push button
inline constexpr unsigned kCenter = 1u << 6;     // text centred horizontally
inline constexpr unsigned kRight = 1u << 7;      // text right-aligned
inline constexpr unsigned kVCenter = 1u << 8;    // text centred vertically
inline constexpr unsigned kVertical = 1u << 9;   // scroll bars and sliders
inline constexpr unsigned kAutoBuddy = 1u << 10; // up-down: attach to the control before it
inline constexpr unsigned kSunken = 1u << 11;    // frames and labels drawn sunken
inline constexpr unsigned kWrap = 1u << 12;      // labels wrap words
inline constexpr unsigned kNotify = 1u << 13;    // labels send a click notification
}  // namespace style

struct ControlTemplate {
    int id = -1;  // -1 for controls nobody looks up
    ControlKind kind = ControlKind::Label;
    const char* text = "";  // UTF-8; "&" marks a mnemonic
    int x = 0, y = 0, w = 0, h = 0;  // dialog units
    unsigned style = 0;
};

struct DialogTemplate {
    const char* caption = "";
    int width = 0, height = 0;  // dialog units
    std::span<const ControlTemplate> controls;
    const char* fontFace = "MS Sans Serif";
    int pointSize = 8;
};

}  // namespace platform
