#include <filesystem>
#include <memory>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"
#include "support/offline_synth.h"
#include "support/onsets.h"
#include "support/output_port.h"
#include "tests/view/mouse_fixture.h"

namespace {

// The built-in synth without audio: the test renders it, so the sequencer's
// time is the rendered time and the onsets can be measured exactly.
struct StrumRender : MouseFixture {
    std::unique_ptr<testsupport::OfflineSynthOutput> synth;
    std::unique_ptr<OutputPort> port;

    void SetUp() override
    {
        if (!testsupport::OfflineSynthOutput::SoundfontInstalled())
            GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
        synth = std::make_unique<testsupport::OfflineSynthOutput>();
        port = std::make_unique<OutputPort>(*synth->output);
    }

    void TearDown() override
    {
        MouseFixture::TearDown();  // the document closes its output first
        port.reset();
        synth.reset();
    }
};

TEST_F(StrumRender, ClickOnADiagramSoundsSixStringsAtTheStrumDelays)
{
    frame.m_wExp = 1 | 1 << 1;  // five a row
    frame.m_nSep = 30;
    doc = std::make_unique<CKvwinDoc>(CKvwinDoc::Ports{&ui, port.get(), &screen});
    doc->OnNewDocument();
    doc->InitDocument(frame);
    const std::shared_ptr<kvmidi::FluidSynthEngine> engine = synth->backend->LastEngine();
    ASSERT_NE(engine, nullptr) << "start-up opens the built-in synth";
    testsupport::SynthProbe probe(engine->Synth(), kvmidi::kSynthSampleRate);

    view = std::make_unique<CKvwinView>(*doc, &fixedScreen, nullptr);
    view->resize(800, 600);
    searchCMajor();
    view->OnUpdate();
    Paint();
    Click(Qt::LeftButton, At(1, 21, 40));
    probe.Render(400);

    const std::vector<testsupport::RenderedNote> notes = probe.Notes();
    ASSERT_EQ(notes.size(), 6u);
    const int keys[] = {43, 48, 52, 55, 60, 64};
    const std::vector<double> onsets = probe.OnsetsMs();
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(notes[i].key, keys[i]) << i;
        EXPECT_NEAR(onsets[i], 30.0 * static_cast<double>(i), 1.0) << i;
    }
    EXPECT_GT(probe.PeakSince(0), 0.01f) << "and they are heard";
}

}  // namespace
