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

// The regular tuning, then the open tunings in the order the Tuning page steps through them.
struct NamedTuning {
    const char* name;
    TuningNotes notes;
};
constexpr int kOpenTuningCount = 5;
constexpr std::array<NamedTuning, 1 + kOpenTuningCount> kNamedTunings = {{
    {"Regular", kStandardTuningNotes},
    {"Open A", {64, 61, 57, 52, 45, 40}},  // E C# A E A E
    {"Open C", {64, 60, 55, 48, 43, 36}},  // E C G C G C
    {"Open D", {62, 57, 54, 50, 45, 38}},  // D A F# D A D
    {"Open E", {64, 59, 56, 52, 47, 40}},  // E B G# E B E
    {"Open G", {62, 59, 55, 50, 43, 38}},  // D B G D G D
}};

}  // namespace engine
