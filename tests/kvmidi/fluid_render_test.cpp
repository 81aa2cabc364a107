#include <gtest/gtest.h>

#include <fluidsynth.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/limiter.h"
#include "kvmidi/output.h"
#include "support/manual_audio.h"
#include "support/offline_synth.h"
#include "support/onsets.h"

namespace {

using testsupport::RenderedNote;
using testsupport::SynthProbe;

// The built-in synth with no audio driver: the test renders it, so its
// sequencer's time is the rendered time.
struct OfflineSynth : ::testing::Test {
    void SetUp() override { Build({.soundfont = kvmidi::kDefaultSoundfont, .audio = false}); }

    void Build(kvmidi::FluidSynthOptions options)
    {
        if (!testsupport::OfflineSynthOutput::SoundfontInstalled())
            GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
        testsupport::OfflineSynthOutput synth(std::move(options));
        backend = synth.backend;
        output = std::move(synth.output);
        ASSERT_EQ(output->GetNumDevs(), 1u);
    }

    // Opens device 0 and holds its engine, so the synth outlives a close.
    void Open()
    {
        ASSERT_EQ(output->Open(0), kvmidi::kOk);
        engine = backend->LastEngine();
        ASSERT_NE(engine, nullptr);
        probe = std::make_unique<SynthProbe>(engine->Synth(), kvmidi::kSynthSampleRate);
    }

    void StrumCMajor()
    {
        const std::uint32_t notes[] = {64, 60, 55, 52, 48, 43};
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(output->PlayNote(30 * i, notes[i], 100, 1000), kvmidi::kOk);
    }

    static void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, double slack)
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_NEAR(actual[i], expected[i], slack) << "note " << i;
    }

    kvmidi::FluidSynthBackend* backend = nullptr;
    std::unique_ptr<kvmidi::Output> output;
    std::shared_ptr<kvmidi::FluidSynthEngine> engine;
    std::unique_ptr<SynthProbe> probe;
};

TEST_F(OfflineSynth, StrummedChordStartsEachStringOnTimeAndReleasesItAfterItsDuration)
{
    Open();
    ASSERT_EQ(output->ProgramChange(25), kvmidi::kOk);
    StrumCMajor();
    probe->Render(1400);

    const std::vector<RenderedNote> notes = probe->Notes();
    ASSERT_EQ(notes.size(), 6u);
    const int keys[] = {64, 60, 55, 52, 48, 43};
    std::vector<double> released;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].key, keys[i]);
        released.push_back(notes[i].releaseMs);
    }
    ExpectNear(probe->OnsetsMs(), {0, 30, 60, 90, 120, 150}, 1.0);
    ExpectNear(released, {1000, 1030, 1060, 1090, 1120, 1150}, 1.0);
    EXPECT_GT(probe->PeakSince(0), 0.01f);  // it is heard
}

// The second C major diagram's strum, lowest string first, as a click plays
// it: loud enough at the default velocity, under the limiter's ceiling at
// the highest, so the limiter never touches the default guitar.
TEST_F(OfflineSynth, StrumPeaksLoudEnoughWithoutClipping)
{
    struct Row {
        std::uint32_t velocity;
        double lowestDbfs;
        double highestDbfs;
    };
    const Row rows[] = {{64, -12.0, -3.0}, {127, -12.0, 20.0 * std::log10(kvmidi::Limiter::kCeiling)}};
    for (const Row& row : rows) {
        Open();
        ASSERT_EQ(output->ProgramChange(25), kvmidi::kOk);
        const std::uint32_t notes[] = {43, 48, 52, 55, 60, 64};
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(output->PlayNote(30 * i, notes[i], row.velocity, 2500), kvmidi::kOk);
        probe->Render(3000);
        const double peakDbfs = 20.0 * std::log10(probe->PeakSince(0));
        EXPECT_GE(peakDbfs, row.lowestDbfs) << "velocity " << row.velocity;
        EXPECT_LE(peakDbfs, row.highestDbfs) << "velocity " << row.velocity;
        ASSERT_EQ(output->Close(), kvmidi::kOk);
    }
}

TEST_F(OfflineSynth, CloseCancelsTheRestAndFallsSilent)
{
    Open();
    StrumCMajor();
    probe->Render(70);
    const double closedAt = probe->NowMs();
    EXPECT_EQ(output->Close(), kvmidi::kOk);
    probe->Render(3000);

    std::vector<double> released;
    for (const RenderedNote& note : probe->Notes())
        released.push_back(note.releaseMs);
    ExpectNear(probe->OnsetsMs(), {0, 30, 60}, 1.0);
    ExpectNear(released, {closedAt, closedAt, closedAt}, 0.0);
    EXPECT_EQ(probe->ActiveVoices(), 0);
    EXPECT_LT(probe->PeakSince(closedAt + 2000), 1e-4f);
}

TEST_F(OfflineSynth, RestruckKeyIsNotCutShortByTheFirstNoteOff)
{
    Open();
    ASSERT_EQ(output->PlayNote(0, 60, 100, 1000), kvmidi::kOk);
    probe->Render(500);
    ASSERT_EQ(output->PlayNote(0, 60, 100, 1000), kvmidi::kOk);
    probe->Render(1200);

    const std::vector<RenderedNote> notes = probe->Notes();
    ASSERT_EQ(notes.size(), 2u);
    // The synth itself lets the restrike take the key over from the first note.
    EXPECT_NEAR(notes[1].onMs, 500, 1.5);
    EXPECT_NEAR(notes[1].releaseMs, 1500, 1.5);
}

TEST_F(OfflineSynth, ProgramIsRestoredOnTheNextSynth)
{
    Open();
    ASSERT_EQ(output->ProgramChange(25), kvmidi::kOk);
    ASSERT_EQ(output->Close(), kvmidi::kOk);
    Open();
    int soundfont = -1, bank = -1, program = -1;
    ASSERT_EQ(fluid_synth_get_program(engine->Synth(), 0, &soundfont, &bank, &program), FLUID_OK);
    EXPECT_EQ(program, 25);
}

// The built-in synth on an audio output that the test plays through by
// hand; the synth lets it go when it has been silent long enough.
struct RestingSynth : OfflineSynth {
    void SetUp() override { Build({.soundfont = kvmidi::kDefaultSoundfont, .audio = true, .audioOut = audio.Starter()}); }

    void Open()
    {
        OfflineSynth::Open();
        ASSERT_TRUE(audio.WaitUntilRunning(true));
    }

    // Plays through the output for at most ms, or until the synth lets it go;
    // true once it has been let go.
    bool PlayUntilReleased(double ms)
    {
        const double until = probe->NowMs() + ms;
        const auto render = [this](int frames, float* left, float* right) { return audio.Render(frames, left, right); };
        while (probe->NowMs() < until && probe->RenderThrough(render)) {
        }
        return audio.WaitUntilRunning(false);
    }

    testsupport::ManualAudio audio;
};

// A strum, its release, the rest, and the same strum after the rest: each
// string starts on time and is released after its duration, and the output
// goes only once nothing more would be heard.
TEST_F(RestingSynth, StrumAfterTheRestKeepsItsTimingAndItsTail)
{
    Open();
    ASSERT_EQ(output->ProgramChange(25), kvmidi::kOk);
    struct Round {
        const char* name;
        int outputsStarted;  // by the time the strum plays
    };
    for (const Round& round : {Round{"first strum", 1}, Round{"strum after the rest", 2}}) {
        SCOPED_TRACE(round.name);
        const double start = probe->NowMs();
        const std::size_t before = probe->Notes().size();
        StrumCMajor();
        ASSERT_TRUE(audio.WaitUntilRunning(true));
        EXPECT_EQ(audio.Starts(), round.outputsStarted);
        ASSERT_TRUE(PlayUntilReleased(20000)) << "the output was never let go";

        const std::vector<RenderedNote> all = probe->Notes();
        ASSERT_EQ(all.size(), before + 6);
        std::vector<double> onsets, releases;
        for (std::size_t i = before; i < all.size(); ++i) {
            onsets.push_back(all[i].onMs - start);
            releases.push_back(all[i].releaseMs - start);
        }
        ExpectNear(onsets, {0, 30, 60, 90, 120, 150}, 2.0);
        ExpectNear(releases, {1000, 1030, 1060, 1090, 1120, 1150}, 2.0);
        // Played on by hand, the synth has nothing left that anyone would hear.
        EXPECT_EQ(probe->ActiveVoices(), 0);
        const double releasedAt = probe->NowMs();
        probe->Render(3000);
        EXPECT_LT(probe->PeakSince(releasedAt), 1e-4f);
    }
    int soundfont = -1, bank = -1, program = -1;
    ASSERT_EQ(fluid_synth_get_program(engine->Synth(), 0, &soundfont, &bank, &program), FLUID_OK);
    EXPECT_EQ(program, 25);
}

TEST_F(RestingSynth, OpenFailsWhenNoOutputStarts)
{
    audio.Refuse(true);
    EXPECT_EQ(output->Open(0), kvmidi::kNoAudioOutput);
    EXPECT_EQ(output->PlayNote(0, 60, 100, 100), kvmidi::kInvalidHandle);
}

// The sound server went away while the synth rested: the note waits, and
// the next one, once an output starts again, brings both.
TEST_F(RestingSynth, NoteThatFindsNoOutputWaitsForTheNext)
{
    Open();
    ASSERT_TRUE(PlayUntilReleased(20000));
    audio.Refuse(true);
    ASSERT_EQ(output->PlayNote(0, 60, 100, 500), kvmidi::kOk);
    ASSERT_TRUE(audio.WaitUntilRefused(1));
    audio.Refuse(false);
    ASSERT_EQ(output->PlayNote(0, 64, 100, 500), kvmidi::kOk);
    ASSERT_TRUE(audio.WaitUntilRunning(true));
    const double start = probe->NowMs();
    ASSERT_TRUE(PlayUntilReleased(20000));
    std::vector<int> keys;
    for (const RenderedNote& note : probe->Notes()) {
        keys.push_back(note.key);
        EXPECT_NEAR(note.onMs, start, 2.0);
    }
    EXPECT_EQ(keys, (std::vector<int>{60, 64}));
}

}  // namespace
