// The Sound and Tuning pages on the built-in synth rendered offline: what
// the user hears after choosing an instrument or retuning a string.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include "dialogs/options/options_templates.h"
#include "dialogs/options/sound_page.h"
#include "dialogs/options/tuning_page.h"
#include "engine/chord_types.h"
#include "platform/property_sheet.h"
#include "platform/up_down.h"
#include "tests/support/offline_synth.h"
#include "tests/support/onsets.h"
#include "tests/support/output_port.h"
#include "tests/support/spectrum.h"

using namespace dialogs;

namespace {

double FrequencyOf(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A fresh synth, opened as the document opens it, on its program.
struct RenderedOutput {
    testsupport::OfflineSynthOutput synth;
    OutputPort port{*synth.output};
    std::unique_ptr<testsupport::SynthProbe> probe;

    explicit RenderedOutput(int program)
    {
        EXPECT_EQ(port.Open(0), 0u);
        EXPECT_EQ(port.ProgramChange(static_cast<std::uint32_t>(program)), 0u);
        probe = std::make_unique<testsupport::SynthProbe>(synth.backend->LastEngine()->Synth(),
                                                          kvmidi::kSynthSampleRate, true);
    }

    std::vector<float> Render(double ms)
    {
        probe->Render(ms);
        return probe->Samples();
    }
};

struct SoundRender : ::testing::Test {
    void SetUp() override
    {
        if (!testsupport::OfflineSynthOutput::SoundfontInstalled())
            GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
    }
    void TearDown() override { engine::ResetMusicTables(); }

    static constexpr double kRenderMs = 1500;
    ports::SoundOptions sound{3000, 100, 1000, 30, {}};  // the document plays the piano
};

// The page's Test on an output that plays the document's piano, after the
// user chose entry (or left it when -1).
std::vector<double> TestOnThePage(ports::SoundOptions values, int entry)
{
    RenderedOutput out(0);
    platform::PropertySheet sheet(QStringLiteral("Options"));
    auto* page = new SoundPage(values, &out.port);
    sheet.AddPage(page);
    sheet.Create();
    if (entry >= 0) {
        auto* combo = page->Control<QComboBox>(id::kInstrument);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    }
    page->Control<QPushButton>(id::kTest)->click();
    return testsupport::MagnitudeSpectrum(out.Render(SoundRender::kRenderMs));
}

TEST_F(SoundRender, TestSoundsTheInstrumentChosenOnThePage)
{
    constexpr int kFlute = 73;
    const std::vector<double> piano = TestOnThePage(sound, -1);
    const std::vector<double> chosen = TestOnThePage(sound, kFlute);

    // The same chord played straight on a synth set to the flute.
    RenderedOutput reference(kFlute);
    for (const sound::NoteCall& call : sound::TestChordCalls({}, sound.separation))
        reference.port.PlayNote(call.delayMs, static_cast<std::uint32_t>(call.note), 100, 1000);
    const std::vector<double> flute = testsupport::MagnitudeSpectrum(reference.Render(kRenderMs));

    const double toFlute = testsupport::SpectralSimilarity(chosen, flute);
    const double toPiano = testsupport::SpectralSimilarity(chosen, piano);
    RecordProperty("similarity_to_flute", std::to_string(toFlute));
    RecordProperty("similarity_to_piano", std::to_string(toPiano));
    EXPECT_GT(toFlute, 0.999);
    EXPECT_LT(toPiano, 0.8);
}

TEST_F(SoundRender, ATuningSteppedOnThePageSoundsTheNewPitch)
{
    struct Row {
        const char* what;
        int stringIndex;
        int steps;  // up > 0
        int note;
    };
    const Row rows[] = {
        {"1st string E4 up a semitone", 0, 1, 65},
        {"1st string E4 up to its top", 0, 6, 70},
        {"6th string E2 down a semitone", 5, -1, 39},
        {"5th string A2 down to its bottom", 4, -5, 40},
        {"3rd string G3 up a semitone", 2, 1, 56},
    };
    for (const Row& row : rows) {
        RenderedOutput out(25);  // the document's guitar
        ports::TuningOptions values;
        values.stringNames = {"E", "B", "G", "D", "A", "E"};
        values.soundOnAdjust = 1;
        values.previewVelocity = 100;
        values.previewDuration = 2000;
        platform::PropertySheet sheet(QStringLiteral("Options"));
        auto* page = new TuningPage(values, &out.port);
        sheet.AddPage(page);
        sheet.Create();
        auto* arrows = page->Control<platform::UpDown>(kStringArrowIds[static_cast<std::size_t>(row.stringIndex)]);
        // Each step sounds; let them pass, then play the string as it now is.
        for (int i = 0; i < std::abs(row.steps); ++i)
            (row.steps > 0 ? arrows->upButton() : arrows->downButton())->click();
        out.Render(2500);
        const std::size_t from = out.probe->Samples().size();
        page->Control<QPushButton>(kPlayStringIds[static_cast<std::size_t>(row.stringIndex)])->click();
        const std::vector<float> all = out.Render(1200);
        const std::vector<float> note(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
        const double measured = testsupport::Fundamental(
            testsupport::Excerpt(note, kvmidi::kSynthSampleRate, 200, 1200), kvmidi::kSynthSampleRate);
        const double expected = FrequencyOf(row.note);
        RecordProperty(row.what, std::to_string(measured) + " Hz for " + std::to_string(expected));
        EXPECT_NEAR(measured, expected, expected * 0.01) << row.what;
        EXPECT_EQ(values.stringNotes[static_cast<std::size_t>(row.stringIndex)], row.note) << row.what;
    }
}

}  // namespace
