#include <filesystem>
#include <memory>
#include <vector>

#include "kvmidi/fluid_backend.h"
#include "kvmidi/output.h"
#include "support/onsets.h"
#include "tests/view/mouse_fixture.h"

namespace {

// The document's MIDI port on an output the test owns.
class OutputPort final : public ports::MidiPort {
public:
    explicit OutputPort(kvmidi::Output& output) : m_output(output) {}

    std::uint32_t Open(std::uint32_t id) override { return m_output.Open(id); }
    std::uint32_t Close() override { return m_output.Close(); }
    std::uint32_t ProgramChange(std::uint32_t program) override { return m_output.ProgramChange(program); }
    std::uint32_t PlayNote(std::int32_t delay, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t duration) override
    {
        return m_output.PlayNote(delay, note, velocity, duration);
    }
    std::uint32_t NumDevs() override { return m_output.GetNumDevs(); }
    std::uint32_t DevCaps(std::uint32_t id, ports::MidiDeviceCaps& caps) override
    {
        kvmidi::MidiOutCaps found;
        const std::uint32_t result = m_output.GetDevCaps(id, found);
        caps = {found.name, found.technology, found.voices, found.notes, found.support};
        return result;
    }

private:
    kvmidi::Output& m_output;
};

// The built-in synth without audio: the test renders it, so the sequencer's
// time is the rendered time and the onsets can be measured exactly.
struct StrumRender : MouseFixture {
    kvmidi::FluidSynthBackend* backend = nullptr;
    std::unique_ptr<kvmidi::Output> output;
    std::unique_ptr<OutputPort> port;

    void SetUp() override
    {
        if (!std::filesystem::is_regular_file(kvmidi::kDefaultSoundfont))
            GTEST_SKIP() << "no soundfont at " << kvmidi::kDefaultSoundfont;
        auto owned = std::make_unique<kvmidi::FluidSynthBackend>(
            kvmidi::FluidSynthOptions{kvmidi::kDefaultSoundfont, false});
        backend = owned.get();
        std::vector<std::unique_ptr<kvmidi::Backend>> backends;
        backends.push_back(std::move(owned));
        output = std::make_unique<kvmidi::Output>(std::move(backends));
        port = std::make_unique<OutputPort>(*output);
    }

    void TearDown() override
    {
        MouseFixture::TearDown();  // the document closes its output first
        port.reset();
        output.reset();
    }
};

TEST_F(StrumRender, ClickOnADiagramSoundsSixStringsAtTheStrumDelays)
{
    frame.m_wExp = 1 | 1 << 1;  // five a row
    frame.m_nSep = 30;
    doc = std::make_unique<CKvwinDoc>(CKvwinDoc::Ports{&ui, port.get(), &screen});
    doc->OnNewDocument();
    doc->InitDocument(frame);
    const std::shared_ptr<kvmidi::FluidSynthEngine> engine = backend->LastEngine();
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
