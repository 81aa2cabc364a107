#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fluidsynth/types.h>

#include "kvmidi/device.h"
#include "kvmidi/resting_audio.h"

namespace kvmidi {

inline constexpr const char* kDefaultSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
inline constexpr const char* kBuiltInSynthName = "Built-in Synth (FluidSynth)";
// What sound servers run at; a 64-frame block (1.33 ms) then starts every
// note within 1 ms of its millisecond tick.
inline constexpr double kSynthSampleRate = 48000.0;
// A C major strum at the default velocity 64 then peaks near -9 dBFS, and
// at velocity 127 near -3 dBFS; FluidSynth's own 0.2 left it near -30.
inline constexpr double kSynthGain = 1.0;
// How far the softest note lies below the loudest, in centibels: half the
// SoundFont default, or velocity 127 would clip where 64 is loud enough.
inline constexpr double kVelocityRangeCb = 480.0;
// How long the synth must have been silent, with no voice and no pending
// event, before its audio output is let go.
inline constexpr std::chrono::milliseconds kRestAfter{3000};

// A synth with its settings. Shared, so that a test can keep rendering the
// synth of a closed device.
class FluidSynthEngine {
public:
    FluidSynthEngine(fluid_settings_t* settings, fluid_synth_t* synth);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    fluid_synth_t* Synth() const { return m_synth; }
    fluid_settings_t* Settings() const { return m_settings; }

private:
    fluid_settings_t* m_settings;
    fluid_synth_t* m_synth;
};

struct FluidSynthOptions {
    std::string soundfont = kDefaultSoundfont;
    // Without audio nothing renders the synth but its holder, through
    // fluid_synth_write_float; the sequencer's time follows that rendering.
    bool audio = true;
    // Tried in turn until one starts; empty names FluidSynth's own default.
    std::vector<std::string> audioDrivers = {"", "pulseaudio", "pipewire", "alsa"};
    // Starts the audio output; empty means FluidSynth's own drivers.
    AudioStarter audioOut = {};
    // nullopt keeps the output running while nothing plays.
    std::optional<std::chrono::milliseconds> restAfter = kRestAfter;
    // Opened on the output's own thread: creating the synth and loading the
    // soundfont take tens of milliseconds.
    bool openAside = false;
};

// Device 0: FluidSynth with the General MIDI soundfont, present when the
// soundfont file is.
class FluidSynthBackend : public Backend {
public:
    explicit FluidSynthBackend(FluidSynthOptions options = {});

    std::vector<MidiOutCaps> ListDevices() override;
    std::uint32_t Open(std::size_t index, const Clock& clock, std::unique_ptr<Device>& device) override;
    bool SlowToOpen() const override { return m_options.openAside; }

    // The engine of the device opened last, for as long as anyone holds it.
    std::shared_ptr<FluidSynthEngine> LastEngine() const { return m_lastEngine.lock(); }

private:
    FluidSynthOptions m_options;
    std::weak_ptr<FluidSynthEngine> m_lastEngine;
    int m_polyphony = -1;
};

}  // namespace kvmidi
