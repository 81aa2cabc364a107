#pragma once
// The Options sheet as the document sees it: the pages' values in, the
// values after OK or Apply Now out.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/defaults.h"
#include "engine/pitch.h"

namespace ports {

class MidiPort;

struct ScratchPadOptions {
    int showPageTitle = 1;
    int defaultChordTitles = 1;
    int titleAtBottom = 0;
    int padCount = 0;         // read only
    int allTitlesChoice = -1; // 0 Display, 1 Hide, -1 none
    int setAllChordTitles = 0;
};

struct TuningOptions {
    int tuningChanged = 0;
    std::array<std::string, 6> stringNames;  // string 1 first
    int soundOnAdjust = 0;
    engine::TuningNotes stringNotes = engine::kStandardTuningNotes;
    std::uint8_t previewVelocity = 0;  // read only
    int previewDuration = 0;           // read only
};

struct HtmlOptions {
    COLORREF background = 0xC0C0C0;
    COLORREF text = 0;
    int appletFont = -1;  // 0 Helvetica, 1 TimesRoman, 2 Courier
    int reducedScale = 0;
    int saveAllPages = 0;
    int leftMargin = 0;
    int rowSeparation = 2;
    int shrinkToA4 = 1;
};

struct DisplayOptions {
    int notesOnFrets = 0;
    int notesColour = 1;
};

struct GeneralOptions {
    int reducedSpan = 0;
    int includeHistory = 1;
    int historySize = 50;
};

struct SoundOptions {
    int instrument = engine::kDefaultInstrument;
    int velocity = 0;
    int duration = 0;
    int separation = 0;
    std::array<std::uint8_t, 6> testNotes{};  // lowest string first, 0 silent; read only
};

struct MidiOutOptions {
    std::string device;
};

// Every page's values; a page that is not in the sheet keeps what it was given.
struct OptionsValues {
    ScratchPadOptions pad;
    TuningOptions tuning;
    HtmlOptions html;
    DisplayOptions display;
    GeneralOptions general;
    SoundOptions sound;
    MidiOutOptions midiOut;
};

// Page order: Scratch Pad, Tuning, HTML/Applet, Display, General, Sound,
// MIDI Out; without allPages (Scratch Pad mode) Tuning and General are left out.
inline constexpr int kOptionsPageCount = 7;
inline constexpr int kOptionsPadModePageCount = 5;

struct OptionsPreset {
    int startPage = 0;
    bool allPages = true;
    bool deutsch = false;
    OptionsValues values;
    MidiPort* midi = nullptr;  // the pages that sound play through it
    int midiDevCount = 0;      // MIDI texts show only when devices were counted
};

struct OptionsResult {
    bool ok = false;
    int lastPage = 0;  // active when the sheet closed, whatever closed it
    OptionsValues values;
};

class OptionsDialogPort {
public:
    virtual ~OptionsDialogPort() = default;
    // applyNow runs ApplyOptions on the values of Apply Now; on OK the caller
    // applies result.values itself.
    virtual OptionsResult RunOptionsSheet(const OptionsPreset& preset,
                                          const std::function<void(const OptionsValues&)>& applyNow) = 0;
};

}  // namespace ports
