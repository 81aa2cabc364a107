#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "kvmidi/clock.h"
#include "kvmidi/fluid_backend.h"
#include "kvmidi/kvmidi.h"
#include "kvmidi/rtmidi_backend.h"

namespace {

bool SoundfontInstalled()
{
    return std::filesystem::is_regular_file(kvmidi::kDefaultSoundfont);
}

// Opens the one device of the backend, expecting the code and no device,
// with nothing printed.
void ExpectQuietFailure(kvmidi::FluidSynthBackend& backend, std::uint32_t code)
{
    ASSERT_EQ(backend.ListDevices().size(), 1u);
    std::unique_ptr<kvmidi::Device> device;
    testing::internal::CaptureStderr();
    EXPECT_EQ(backend.Open(0, kvmidi::SteadyClock::Instance(), device), code);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(device, nullptr);
}

TEST(KvMidiPortNames, TrailingClientAndPortNumbersAreStripped)
{
    struct Row {
        const char* raw;
        const char* stored;
    };
    const Row rows[] = {
        {"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0"},
        {"USB Midi Cable:USB Midi Cable MIDI 1 128:0", "USB Midi Cable:USB Midi Cable MIDI 1"},
        {"FLUID Synth (1234):Synth input port (1234:0) 129:0", "FLUID Synth (1234):Synth input port (1234:0)"},
        {"Keyboard", "Keyboard"},
        {"Port 14:", "Port 14:"},
        {"Port :0", "Port :0"},
        {"Port 1a:0", "Port 1a:0"},
        {"14:0", "14:0"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kvmidi::StripClientPort(row.raw), row.stored) << row.raw;
}

// A port is found again by its name when the ports moved since the list was
// taken, and is gone when no port has it.
TEST(KvMidiPortNames, ListedPortIsFoundAgainByName)
{
    struct Row {
        const char* name;
        std::vector<std::string> present;
        std::size_t listed;
        std::optional<std::size_t> found;
    };
    const Row rows[] = {
        {"still there", {"Through", "Keyboard"}, 1, 1},
        {"moved up", {"Keyboard"}, 1, 0},
        {"two of that name", {"Keyboard", "Through", "Keyboard"}, 2, 2},
        {"two, the listed place taken", {"Keyboard", "Synth", "Keyboard"}, 1, 0},
        {"unplugged", {"Through"}, 1, std::nullopt},
        {"no ports left", {}, 0, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(kvmidi::FindListedPort(row.present, "Keyboard", row.listed), row.found) << row.name;
}

TEST(KvMidiSynthBackend, ListedOnlyWithItsSoundfont)
{
    kvmidi::FluidSynthBackend missing({"/nonexistent/TimGM6mb.sf2", false});
    EXPECT_TRUE(missing.ListDevices().empty());
    kvmidi::FluidSynthBackend directory({"/usr/share", false});
    EXPECT_TRUE(directory.ListDevices().empty());

    if (!SoundfontInstalled())
        GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
    kvmidi::FluidSynthBackend present({kvmidi::kDefaultSoundfont, false});
    const std::vector<kvmidi::MidiOutCaps> list = present.ListDevices();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Built-in Synth (FluidSynth)");
    EXPECT_EQ(list[0].technology, kvmidi::kSoftwareSynth);
    EXPECT_EQ(list[0].voices, 256);
    EXPECT_EQ(list[0].notes, 256);
    EXPECT_EQ(list[0].support, 0u);
}

TEST(KvMidiSynthBackend, SoundfontThatWillNotLoad)
{
    const std::string path = testing::TempDir() + "kvmidi_not_a_soundfont.sf2";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("RIFF but not a soundfont", f);
        std::fclose(f);
    }
    kvmidi::FluidSynthBackend backend({path, false});
    ExpectQuietFailure(backend, kvmidi::kInvalidParam);
    std::filesystem::remove(path);
}

// No audio driver that starts is its own result, and nothing is printed.
TEST(KvMidiSynthBackend, NoAudioOutput)
{
    if (!SoundfontInstalled())
        GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
    // A server that is not there, without autospawning one.
    const char* server = std::getenv("PULSE_SERVER");
    const std::optional<std::string> saved = server ? std::optional<std::string>(server) : std::nullopt;
    ASSERT_EQ(setenv("PULSE_SERVER", "unix:/nonexistent/pulse/native", 1), 0);
    const std::vector<std::vector<std::string>> driverLists = {{"pulseaudio"}, {"no-such-driver"}};
    for (const std::vector<std::string>& drivers : driverLists) {
        kvmidi::FluidSynthBackend backend({kvmidi::kDefaultSoundfont, true, drivers});
        ExpectQuietFailure(backend, kvmidi::kNoAudioOutput);
    }
    if (saved)
        setenv("PULSE_SERVER", saved->c_str(), 1);
    else
        unsetenv("PULSE_SERVER");
}

// Without a sound server or an ALSA sequencer (as in CI) the library reports
// codes and stays silent; with them the same calls succeed.
TEST(KvMidiSystem, WorksOrFailsQuietly)
{
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();

    EXPECT_EQ(kvmidi::KvMidiClose(), kvmidi::kOk);  // before any open
    const std::uint32_t count = kvmidi::MidiOutGetNumDevs();
    kvmidi::MidiOutCaps caps;
    EXPECT_EQ(kvmidi::MidiOutGetDevCaps(count, caps), kvmidi::kBadDeviceId);
    if (SoundfontInstalled()) {
        ASSERT_GE(count, 1u);
        ASSERT_EQ(kvmidi::MidiOutGetDevCaps(0, caps), kvmidi::kOk);
        EXPECT_EQ(caps.name, "Built-in Synth (FluidSynth)");
    }
    for (std::uint32_t id = 0; id < count; ++id) {
        // The built-in synth opens aside and says afterwards how it went.
        std::promise<kvmidi::Output::Opened> late;
        kvmidi::KvMidiSetOpenedHandler([&late](kvmidi::Output::Opened opened) { late.set_value(opened); });
        std::uint32_t opened = kvmidi::KvMidiOpen(id);
        std::uint32_t program = kvmidi::KvMidiProgramChange(25);
        if (opened == kvmidi::kOpening) {
            EXPECT_EQ(program, kvmidi::kOk);
            const kvmidi::Output::Opened result = late.get_future().get();
            opened = result.open;
            program = opened == kvmidi::kOk ? result.program : kvmidi::KvMidiProgramChange(25);
        }
        kvmidi::KvMidiSetOpenedHandler(nullptr);
        EXPECT_TRUE(opened == kvmidi::kOk || opened == kvmidi::kNoAudioOutput || opened == kvmidi::kPortNotOpened)
            << opened;
        EXPECT_EQ(program, opened == kvmidi::kOk ? kvmidi::kOk : kvmidi::kInvalidHandle);
        EXPECT_EQ(kvmidi::KvMidiClose(), kvmidi::kOk);
    }
    if (count == 0) {
        EXPECT_EQ(kvmidi::KvMidiOpen(0), kvmidi::kNoDevice);
    }
    EXPECT_EQ(kvmidi::KvMidiOpen(count + 1), count == 0 ? kvmidi::kNoDevice : kvmidi::kBadDeviceId);

    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// The sequencer gone when a port is opened: that code, and nothing printed.
TEST(KvMidiSystem, NoSequencerAtOpen)
{
    testing::internal::CaptureStderr();
    kvmidi::RtMidiBackend backend("/nonexistent/snd/seq");
    EXPECT_TRUE(backend.ListDevices().empty());
    std::unique_ptr<kvmidi::Device> device;
    EXPECT_EQ(backend.Open(0, kvmidi::SteadyClock::Instance(), device), kvmidi::kPortNotOpened);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(KvMidiSystem, NoSequencerMeansNoPorts)
{
    if (std::filesystem::exists("/dev/snd/seq"))
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    testing::internal::CaptureStderr();
    kvmidi::RtMidiBackend backend;
    EXPECT_TRUE(backend.ListDevices().empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
