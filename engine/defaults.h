#pragma once
#include <array>
#include <cstdint>

#include "engine/pitch.h"

// The values a fresh user starts with and the ranges a setting is kept in,
// shared by the settings, the document and the Options pages.
namespace engine {

// An instrument is a string id; its General MIDI program is the id less the first.
constexpr int kFirstInstrument = 3000;
constexpr int kInstrumentCount = 128;
constexpr int kLastInstrument = kFirstInstrument + kInstrumentCount - 1;
constexpr int kDefaultInstrument = 3025;  // Acoustic Steel Guitar

// A sound setting's range and the value it starts at (and falls back to).
struct SettingRange {
    int minimum;
    int maximum;
    int fallback;

    constexpr bool Contains(int value) const { return value >= minimum && value <= maximum; }
    constexpr int OrFallback(int value) const { return Contains(value) ? value : fallback; }
};
constexpr SettingRange kInstrumentRange{kFirstInstrument, kLastInstrument, kDefaultInstrument};
constexpr SettingRange kVelocityRange{0, 127, 64};
constexpr SettingRange kDurationRange{1, 9999, 2500};     // ms a note sounds
constexpr SettingRange kStrumDelayRange{0, 2000, 30};     // ms between strummed strings

// MIDI notes of the open strings, string 1 (high E) first.
using TuningNotes = std::array<std::uint8_t, kStringCount>;
constexpr TuningNotes kStandardTuningNotes = {64, 59, 55, 50, 45, 40};

}  // namespace engine
