// The Sound and MIDI Out pages in the real Options sheet, applied by the
// document, on kvmidi's recording ports: what the output is sent, and that
// it plays what the settings say afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>

#include "dialogs/options/options_sheet.h"
#include "dialogs/options/options_templates.h"
#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "engine/chord_types.h"
#include "kvmidi/output.h"
#include "tests/support/fake_ports.h"
#include "tests/support/options_sheet_driver.h"
#include "tests/support/output_port.h"
#include "tests/support/recording_output.h"
#include "tests/support/scripted_dialog_runner.h"

using namespace dialogs;
using Entry = kvmidi::RecordingBackend::Entry;

namespace {

// A started document whose output is two recording ports, Port A open.
struct RecordedDocument : kvmidi::RecordingOutput {
    std::unique_ptr<OutputPort> port;
    FakeUi ui;
    PersistentSettings frame;
    OptionsDialogs optionsDialogs;
    std::unique_ptr<CKvwinDoc> doc;

    RecordedDocument()
    {
        port = std::make_unique<OutputPort>(*output);
        CKvwinDoc::Ports ports{&ui, port.get()};
        ports.optionsDialogs = &optionsDialogs;
        doc = std::make_unique<CKvwinDoc>(ports);
        doc->OnNewDocument();
        frame.m_strMidiOutName = "Port A";
        doc->InitDocument(frame);
        output->WaitIdle();
        m_startUp = backend->Log().size();
    }

    ~RecordedDocument()
    {
        doc->DeleteContents();
        doc.reset();
        engine::ResetMusicTables();
    }

    // Program changes and device switches since start-up, in order.
    std::vector<std::string> Switches() const
    {
        std::vector<std::string> events;
        const std::vector<Entry> log = backend->Log();
        for (auto e = log.begin() + static_cast<std::ptrdiff_t>(m_startUp); e != log.end(); ++e)
            if (e->event.rfind("program", 0) == 0 || e->event.rfind("open", 0) == 0
                || e->event.rfind("close", 0) == 0)
                events.push_back(e->event);
        return events;
    }

    // The port open now and the program it plays, read off the log.
    std::pair<std::string, std::string> Playing() const
    {
        std::string device, program;
        for (const Entry& e : backend->Log()) {
            if (e.event.rfind("open ", 0) == 0)
                device = e.event.substr(5);
            else if (e.event.rfind("program", 0) == 0)
                program = e.event;
        }
        return {device, program};
    }

private:
    std::size_t m_startUp = 0;
};

enum class Step { Test, ApplyNow, Flute, SteelGuitar, Piano, PortB };

void Do(OptionsSheet& sheet, Step step)
{
    const auto choose = [&](int page, int comboId, int entry) {
        auto* combo = platform::Control<QComboBox>(testsupport::Turn(sheet, page), comboId);
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    };
    switch (step) {
    case Step::Test:
        platform::ClickControl(testsupport::Turn(sheet, kSoundPage), id::kTest);
        break;
    case Step::ApplyNow:
        sheet.ApplyButton()->click();
        break;
    case Step::Flute:
        choose(kSoundPage, id::kInstrument, 73);
        break;
    case Step::SteelGuitar:
        choose(kSoundPage, id::kInstrument, 25);
        break;
    case Step::Piano:
        choose(kSoundPage, id::kInstrument, 0);
        break;
    case Step::PortB:
        choose(kMidiOutPage, id::kOutputDevice, 1);
        break;
    }
}

TEST(OptionsSound, TestApplyNowOkAndCancelLeaveTheOutputPlayingTheSetting)
{
    using S = Step;
    struct Row {
        const char* what;
        std::vector<Step> steps;
        bool ok;
        std::vector<std::string> sent;
        int instrument;
        const char* device;
    };
    const Row rows[] = {
        {"test, cancel", {S::Flute, S::Test}, false, {"program 73", "program 25"}, 3025, "Port A"},
        {"cancel without test", {S::Flute}, false, {"program 25"}, 3025, "Port A"},
        {"OK", {S::Flute}, true, {"program 73"}, 3073, "Port A"},
        {"test, OK", {S::Flute, S::Test}, true, {"program 73", "program 73"}, 3073, "Port A"},
        {"apply now, cancel", {S::Flute, S::ApplyNow}, false, {"program 73"}, 3073, "Port A"},
        {"test, the old instrument again, OK", {S::Flute, S::Test, S::SteelGuitar}, true,
         {"program 73", "program 25"}, 3025, "Port A"},
        {"test, the old instrument again, cancel", {S::Flute, S::Test, S::SteelGuitar}, false,
         {"program 73", "program 25"}, 3025, "Port A"},
        {"apply now, test another, cancel", {S::Flute, S::ApplyNow, S::Piano, S::Test}, false,
         {"program 73", "program 0", "program 73"}, 3073, "Port A"},
        {"another device keeps the instrument", {S::PortB}, true,
         {"close Port A", "open Port B", "program 25"}, 3025, "Port B"},
        {"another device and instrument", {S::Flute, S::PortB}, true,
         {"program 73", "close Port A", "open Port B", "program 73"}, 3073, "Port B"},
        {"test, device, apply now, cancel", {S::Flute, S::Test, S::PortB, S::ApplyNow}, false,
         {"program 73", "program 73", "close Port A", "open Port B", "program 73"}, 3073, "Port B"},
    };
    for (const Row& row : rows) {
        RecordedDocument rec;
        platform::ScriptedDialogRunner runner;
        const platform::ScopedDialogRunner scope(runner);
        runner.Expect([&](platform::Dialog& d) {
            auto& sheet = testsupport::AsOptionsSheet(d);
            for (const Step step : row.steps)
                Do(sheet, step);
            if (row.ok)
                platform::PressOk(d);
            else
                platform::PressCancel(d);
        });
        rec.doc->OnToolsOptions();
        rec.output->WaitIdle();

        EXPECT_EQ(runner.dialogsLeftOpen, 0) << row.what;
        EXPECT_EQ(rec.Switches(), row.sent) << row.what;
        EXPECT_EQ(rec.doc->m_nInstrument, row.instrument) << row.what;
        EXPECT_EQ(rec.doc->m_strMidiDevice, row.device) << row.what;
        EXPECT_EQ(rec.Playing(), std::make_pair(std::string(row.device),
                                                "program " + std::to_string(row.instrument - 3000)))
            << row.what << ": the output plays what the settings say";
        EXPECT_TRUE(rec.ui.messages.empty()) << row.what;
    }
}

TEST(OptionsSound, TestStrumsTheFirstChordFoundAtThePagesValues)
{
    RecordedDocument rec;
    rec.doc->SearchNewChord(0x488, true);
    platform::ScriptedDialogRunner runner;
    const platform::ScopedDialogRunner scope(runner);
    runner.Expect([&](platform::Dialog& d) {
        auto& sheet = testsupport::AsOptionsSheet(d);
        platform::PropertyPage& sound = testsupport::Turn(sheet, kSoundPage);
        auto* velocity = platform::Control<QScrollBar>(sound, id::kVelocityBar);
        velocity->triggerAction(QAbstractSlider::SliderPageStepAdd);  // 69
        platform::Control<QScrollBar>(sound, id::kSeparationBar)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        platform::Control<QScrollBar>(sound, id::kDurationBar)->triggerAction(QAbstractSlider::SliderPageStepSub);
        rec.backend->ClearLog();
        platform::ClickControl(sound, id::kTest);
        rec.RunTo(3000);
        platform::PressCancel(d);
    });
    rec.doc->OnToolsOptions();

    // Lowest string first, each sounding string at its slot of 130 ms, for 2400 ms.
    std::vector<Entry> expected;
    int firstNote = -1;
    const VoicingRow first = rec.doc->GetVoicing(0);
    for (int slot = 0; slot < 6; ++slot) {
        const int string = 5 - slot;
        const int fret = first[static_cast<std::size_t>(string)];
        if (fret == kFretNotPlayed)
            continue;
        const int note = rec.doc->m_abTuningNotes[static_cast<std::size_t>(string)] + fret;
        expected.push_back({130 * slot, "on " + std::to_string(note) + " 69"});
        if (firstNote < 0)
            firstNote = note;
    }
    std::vector<Entry> ons;
    const std::vector<Entry> log = rec.backend->Log();
    for (const Entry& e : log)
        if (e.event.rfind("on ", 0) == 0)
            ons.push_back(e);
    EXPECT_EQ(ons, expected);
    const Entry firstOff{expected.front().ms + 2400, "off " + std::to_string(firstNote)};
    EXPECT_NE(std::find(log.begin(), log.end(), firstOff), log.end()) << "each note lasts the page's duration";
    EXPECT_EQ(rec.doc->m_nVelocity, 64) << "cancelled: the document keeps its own";
}

}  // namespace
