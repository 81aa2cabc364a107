#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/strum.h"
#include "engine/defaults.h"

// What the Sound and MIDI Out pages decide, without a window.
namespace sound {

// The three bars of the Sound page.
enum class Bar { Velocity, Duration, Separation };

struct BarSteps {
    int minimum;
    int maximum;
    int line;  // one arrow
    int page;  // a click beside the thumb
};
inline constexpr BarSteps kVelocityBar{engine::kVelocityRange.minimum, engine::kVelocityRange.maximum, 1, 5};
inline constexpr BarSteps kDurationBar{engine::kDurationRange.minimum, engine::kDurationRange.maximum, 1, 100};
inline constexpr BarSteps kSeparationBar{engine::kStrumDelayRange.minimum, engine::kStrumDelayRange.maximum, 1, 100};
const BarSteps& StepsOf(Bar bar);

enum class ScrollCode { LineLeft, LineRight, PageLeft, PageRight, Thumb, Other };

// The bar's value after one notification; thumb is where the thumb was
// dragged to. A step stops at the ends of the range.
int StepBar(Bar bar, ScrollCode code, int value, int thumb = 0);
// The value beside the bar: "%3d" for the velocity, "%4d" for the others.
std::string BarValueText(Bar bar, int value);

// The test chord's notes, lowest string first; 0 is a silent string.
using TestNotes = std::array<std::uint8_t, 6>;
inline constexpr TestNotes kDefaultTestChord = {40, 47, 52, 56, 59, 64};

using NoteCall = document::NoteEvent;
// One call per sounding string, each string keeping its time slot; all
// silent plays the page's own chord.
std::vector<NoteCall> TestChordCalls(const TestNotes& notes, int separation);

// The program changes of the Sound page. It remembers the program it last
// sent, so that Test, Apply Now and Cancel leave the output playing what the
// document's setting says.
class ProgramMemory {
public:
    // The instrument the document plays when the page opens.
    explicit ProgramMemory(int startInstrument = engine::kDefaultInstrument);

    // A choice in the list, or Default.
    void Choose(int instrument);
    int Instrument() const { return m_instrument; }

    // Before the test chord: the program to send, if any.
    std::optional<std::uint8_t> Test();
    // OK or Apply Now, before the document applies the instrument: the
    // program to send when the document will send none but the output plays
    // another. The applied instrument becomes the one to return to.
    std::optional<std::uint8_t> Apply();
    // Back to the instrument the page started with: the program to send, if any.
    std::optional<std::uint8_t> Cancel();

private:
    int m_start;
    int m_instrument;
    bool m_changed = false;                  // a program change is due before the next test
    std::optional<std::uint8_t> m_lastSent;  // none: the output plays the document's program
};

// Capability texts of the MIDI Out page.
std::string MidiTechnologyName(int technology);
// One line per supported feature; "None" when no bit is set.
std::vector<std::string> MidiFeatureLines(std::uint32_t support);

}  // namespace sound
