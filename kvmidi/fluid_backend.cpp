#include "kvmidi/fluid_backend.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>

#include "kvmidi/key_owners.h"
#include "kvmidi/limiter.h"
#include "kvmidi/quiet.h"

namespace kvmidi {

namespace {

static_assert(sizeof(std::uintptr_t) >= 8, "a sequencer event carries its note in the data pointer");

// A note event travels through the sequencer packed into its data pointer,
// so nothing has to be freed when pending events are dropped.
struct NoteEvent {
    std::uint32_t generation;
    std::uint8_t note;
    std::uint8_t velocity;
    bool on;

    void* Pack() const
    {
        const std::uintptr_t bits = std::uintptr_t{generation} << 32 | std::uintptr_t{on} << 16
                                    | std::uintptr_t{velocity} << 8 | note;
        return reinterpret_cast<void*>(bits);
    }
    static NoteEvent Unpack(void* data)
    {
        const auto bits = reinterpret_cast<std::uintptr_t>(data);
        return {static_cast<std::uint32_t>(bits >> 32), static_cast<std::uint8_t>(bits & 0x7F),
                static_cast<std::uint8_t>((bits >> 8) & 0x7F), ((bits >> 16) & 1) != 0};
    }
};

// The first of the drivers that starts, rendering through render.
fluid_audio_driver_t* StartAudio(fluid_settings_t* settings, const std::vector<std::string>& drivers,
                                 fluid_audio_func_t render, void* data)
{
    std::vector<std::string> tried;
    for (const std::string& wanted : drivers) {
        char* fallback = nullptr;
        if (wanted.empty() && fluid_settings_getstr_default(settings, "audio.driver", &fallback) != FLUID_OK)
            continue;
        if (fluid_settings_setstr(settings, "audio.driver", wanted.empty() ? fallback : wanted.c_str()) != FLUID_OK)
            continue;
        std::array<char, 64> name{};
        fluid_settings_copystr(settings, "audio.driver", name.data(), static_cast<int>(name.size()));
        if (std::find(tried.begin(), tried.end(), name.data()) != tried.end())
            continue;
        tried.emplace_back(name.data());
        if (fluid_audio_driver_t* driver = new_fluid_audio_driver2(settings, render, data))
            return driver;
    }
    return nullptr;
}

class FluidAudioOut : public AudioOut {
public:
    explicit FluidAudioOut(fluid_audio_driver_t* driver) : m_driver(driver) {}
    ~FluidAudioOut() override { delete_fluid_audio_driver(m_driver); }
    FluidAudioOut(const FluidAudioOut&) = delete;
    FluidAudioOut& operator=(const FluidAudioOut&) = delete;

private:
    fluid_audio_driver_t* m_driver;
};

AudioStarter FluidSynthDrivers(fluid_settings_t* settings, std::vector<std::string> drivers)
{
    return [settings, drivers = std::move(drivers)](RenderFunction render, void* data) -> std::unique_ptr<AudioOut> {
        fluid_audio_driver_t* driver = StartAudio(settings, drivers, render, data);
        if (!driver)
            return nullptr;
        return std::make_unique<FluidAudioOut>(driver);
    };
}

// The SoundFont default velocity-to-attenuation curve over a smaller range.
void SetVelocityRange(fluid_synth_t* synth)
{
    fluid_mod_t* mod = new_fluid_mod();
    if (!mod)
        return;
    fluid_mod_set_source1(mod, FLUID_MOD_VELOCITY,
                          FLUID_MOD_GC | FLUID_MOD_CONCAVE | FLUID_MOD_UNIPOLAR | FLUID_MOD_NEGATIVE);
    fluid_mod_set_source2(mod, FLUID_MOD_NONE, 0);
    fluid_mod_set_dest(mod, GEN_ATTENUATION);
    fluid_mod_set_amount(mod, kVelocityRangeCb);
    fluid_synth_add_default_mod(synth, mod, FLUID_SYNTH_OVERWRITE);
    delete_fluid_mod(mod);
}

// The synth's own sequencer times the notes: it advances with the rendered
// samples, on the audio thread or in whoever renders offline.
class FluidSynthDevice : public Device {
public:
    explicit FluidSynthDevice(std::shared_ptr<FluidSynthEngine> engine)
        : m_engine(std::move(engine)), m_synth(m_engine->Synth())
    {
    }

    std::uint32_t Start(const FluidSynthOptions& options)
    {
        m_event = new_fluid_event();
        m_sequencer = new_fluid_sequencer2(0);
        if (!m_event || !m_sequencer)
            return kNoMemory;
        if (fluid_sequencer_register_fluidsynth(m_sequencer, m_synth) < 0)
            return kNoMemory;
        m_client = fluid_sequencer_register_client(m_sequencer, "kvmidi", &FluidSynthDevice::OnEvent, this);
        if (m_client < 0)
            return kNoMemory;
        fluid_event_set_source(m_event, -1);
        fluid_event_set_dest(m_event, m_client);
        // The sequencer is bound before any audio thread renders the synth.
        if (options.audio) {
            m_audio = std::make_unique<RestingAudio>(
                m_synth, &FluidSynthDevice::Render, this,
                options.audioOut ? options.audioOut : FluidSynthDrivers(m_engine->Settings(), options.audioDrivers),
                options.restAfter);
            if (!m_audio->Start())
                return kNoAudioOutput;
        }
        return kOk;
    }

    ~FluidSynthDevice() override
    {
        if (m_sequencer) {
            // Waits for a dispatch in progress on the audio thread.
            fluid_sequencer_remove_events(m_sequencer, -1, -1, -1);
        }
        m_keys.ReleaseAll([this](std::uint8_t key) { fluid_synth_noteoff(m_synth, 0, key); });
        fluid_synth_cc(m_synth, 0, 123, 0);
        m_audio.reset();
        if (m_sequencer)
            delete_fluid_sequencer(m_sequencer);
        if (m_event)
            delete_fluid_event(m_event);
    }

    bool ProgramChange(std::uint8_t program) override
    {
        return fluid_synth_program_change(m_synth, 0, program) == FLUID_OK;
    }

    void PlayNote(std::uint8_t note, std::uint8_t velocity, std::chrono::milliseconds delay,
                  std::chrono::milliseconds duration) override
    {
        PlayNotes({{note, velocity, delay, duration}});
    }

    void PlayNotes(const std::vector<NoteCall>& notes) override
    {
        // The sequencer's clock is the whole millisecond of the last block it
        // ran, up to a block behind the sound. A note due then would come a
        // block late while the later strings came on time; one millisecond
        // on, every string comes in the next block that reaches its time.
        // Read once: while a new output fills its buffer, the synth renders
        // faster than the clock, and its time would run on between notes.
        const std::uint64_t now = fluid_sequencer_get_tick(m_sequencer) + 1;
        const auto send = [&] {
            for (const NoteCall& call : notes) {
                const std::uint32_t generation = m_keys.NextGeneration(call.note);
                const std::uint64_t on = now + static_cast<std::uint64_t>(call.delay.count());
                const std::uint64_t off = on + static_cast<std::uint64_t>(call.duration.count());
                Send(NoteEvent{generation, call.note, call.velocity, true}, on);
                Send(NoteEvent{generation, call.note, 0, false}, off);
            }
        };
        if (m_audio)
            m_audio->Send(2 * static_cast<int>(notes.size()), send);
        else
            send();
    }

private:
    void Send(const NoteEvent& note, std::uint64_t tick)
    {
        fluid_event_timer(m_event, note.Pack());
        const auto at = static_cast<unsigned int>(std::min<std::uint64_t>(tick, UINT_MAX));
        fluid_sequencer_send_at(m_sequencer, m_event, at, 1);
    }

    // On the audio thread: the synth with its effects on the two outputs,
    // then the limiter.
    static int Render(void* data, int frames, int, float*[], int outputs, float* out[])
    {
        auto* self = static_cast<FluidSynthDevice*>(data);
        if (outputs < 2)
            return FLUID_FAILED;
        const int result = fluid_synth_process(self->m_synth, frames, 2, out, 2, out);
        self->m_limiter.Process(out[0], out[1], frames);
        return result;
    }

    // Runs where the synth renders: on the audio thread, or in the offline renderer.
    static void OnEvent(unsigned int, fluid_event_t* event, fluid_sequencer_t*, void* data)
    {
        if (fluid_event_get_type(event) != FLUID_SEQ_TIMER)
            return;
        auto* self = static_cast<FluidSynthDevice*>(data);
        const NoteEvent note = NoteEvent::Unpack(fluid_event_get_data(event));
        if (note.on) {
            self->m_keys.Strike(note.note, note.generation);
            fluid_synth_noteon(self->m_synth, 0, note.note, note.velocity);
        } else if (self->m_keys.Release(note.note, note.generation)) {
            fluid_synth_noteoff(self->m_synth, 0, note.note);
        }
        if (self->m_audio)
            self->m_audio->Delivered();
    }

    std::shared_ptr<FluidSynthEngine> m_engine;
    fluid_synth_t* m_synth;
    fluid_sequencer_t* m_sequencer = nullptr;
    fluid_seq_id_t m_client = -1;
    fluid_event_t* m_event = nullptr;
    std::unique_ptr<RestingAudio> m_audio;
    KeyOwners m_keys;
    Limiter m_limiter{kSynthSampleRate};
};

bool SoundfontPresent(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

FluidSynthEngine::FluidSynthEngine(fluid_settings_t* settings, fluid_synth_t* synth)
    : m_settings(settings), m_synth(synth)
{
}

FluidSynthEngine::~FluidSynthEngine()
{
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

FluidSynthBackend::FluidSynthBackend(FluidSynthOptions options) : m_options(std::move(options))
{
    detail::QuietLibraryLogs();
}

std::vector<MidiOutCaps> FluidSynthBackend::ListDevices()
{
    if (!SoundfontPresent(m_options.soundfont))
        return {};
    if (m_polyphony < 0) {
        m_polyphony = 0;
        if (fluid_settings_t* settings = new_fluid_settings()) {
            fluid_settings_getint(settings, "synth.polyphony", &m_polyphony);
            delete_fluid_settings(settings);
        }
    }
    MidiOutCaps caps;
    caps.name = kBuiltInSynthName;
    caps.technology = kSoftwareSynth;
    caps.voices = caps.notes = static_cast<std::uint16_t>(std::clamp(m_polyphony, 0, 0xFFFF));
    return {caps};
}

std::uint32_t FluidSynthBackend::Open(std::size_t, const Clock&, std::unique_ptr<Device>& device)
{
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings)
        return kNoMemory;
    fluid_settings_setnum(settings, "synth.sample-rate", kSynthSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        return kNoMemory;
    }
    SetVelocityRange(synth);
    auto engine = std::make_shared<FluidSynthEngine>(settings, synth);
    // Checked first: given anything else, a loader behind FluidSynth prints.
    if (!fluid_is_soundfont(m_options.soundfont.c_str())
        || fluid_synth_sfload(synth, m_options.soundfont.c_str(), 1) == FLUID_FAILED)
        return kInvalidParam;

    auto opened = std::make_unique<FluidSynthDevice>(engine);
    if (const std::uint32_t result = opened->Start(m_options); result != kOk)
        return result;
    m_lastEngine = engine;
    device = std::move(opened);
    return kOk;
}

}  // namespace kvmidi
