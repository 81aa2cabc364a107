#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app_fixture.h"
#include "dialogs/options/options_sheet.h"
#include "dialogs/options/options_templates.h"
#include "document/command_ids.h"
#include "document/persistent_settings.h"
#include "kvmidi/output.h"
#include "platform/qt_settings_store.h"
#include "support/options_sheet_driver.h"
#include "support/output_port.h"
#include "support/recording_output.h"
#include "support/scripted_dialog_runner.h"
#include "view/kvwin_view.h"

namespace {

using namespace dialogs;
constexpr PitchClassMask kCMajor = 0x488;

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

using testsupport::Turn;

OptionsSheet& AsSheet(platform::Dialog& d)
{
    return testsupport::AsOptionsSheet(d);
}

struct OptionsCommand : AppFixture {
    // The first dialog over a fresh window settles its layout and
    // activation, which repaints the view whatever the dialog did.
    void SettleWindow()
    {
        runner.Expect([](platform::Dialog& d) { platform::PressCancel(d); });
        Frame().Commands().Action(cmd::ToolsOptions)->trigger();
        Drain();
    }
    // Paints and layouts post further events; let every one of them run.
    static void Drain()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
};

TEST_F(OptionsCommand, ApplyNowThenCancelKeepsTheChangesRepaintsOnceAndSavesThem)
{
    Start();
    Doc().SearchNewChord(kCMajor, true);
    QCoreApplication::processEvents();
    const int reduced = Doc().m_nVoicingCount;
    QAction* options = Frame().Commands().Action(cmd::ToolsOptions);
    ASSERT_TRUE(options->isEnabled());
    EXPECT_EQ(options->text(), QStringLiteral("&Options..."));
    SettleWindow();
    PaintCounter counter(GetApp().View()->viewport());

    runner.Expect([&](platform::Dialog& d) {
        EXPECT_EQ(d.parentWidget(), &Frame());
        auto& sheet = AsSheet(d);
        platform::ClickControl(Turn(sheet, kGeneralPage), id::kReducedSpan);
        platform::PropertyPage& display = Turn(sheet, kDisplayPage);
        platform::ClickControl(display, id::kNotesOnFrets);
        platform::ClickControl(display, id::kNotesColour);
        sheet.ApplyButton()->click();
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        platform::PressCancel(d);
    });
    options->trigger();
    Drain();

    EXPECT_EQ(runner.dialogsRun, 2);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
    EXPECT_TRUE(runner.messages.empty());
    EXPECT_FALSE(Doc().IsReducedSpan());
    EXPECT_GT(Doc().m_nVoicingCount, reduced);
    EXPECT_EQ(Doc().m_nNotefret, 1);
    EXPECT_EQ(Doc().m_nNocol, 1);
    EXPECT_EQ(counter.paints, 1);

    Stop();
    const platform::QtSettingsStore saved(IniPath());
    EXPECT_EQ(saved.ReadInt(settings_section::kMisc, "notefret"), 1);
    EXPECT_EQ(saved.ReadInt(settings_section::kMisc, "nocol"), 1);
    EXPECT_EQ(saved.ReadInt(settings_section::kMisc, "exp").value_or(0) & 1, 1);
}

// Without audio output start-up has said so; choosing an instrument and
// looking at the MIDI Out page says nothing more, and reopens nothing: the
// library keeps the program for the next open.
TEST_F(OptionsCommand, WithNoSoundAnInstrumentChosenAndTheMidiOutPageSeenShowNoBox)
{
    midi.devices = {"Built-in Synth (FluidSynth)"};
    midi.openResult = 1001;
    midi.programResult = 5;
    Start();
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages.front().text, QStringLiteral("Midi: The built-in synthesizer found no audio output."));
    runner.messages.clear();
    Drain();
    midi.calls.clear();

    runner.Expect([](platform::Dialog& d) {
        auto& sheet = AsSheet(d);
        auto* instrument = Turn(sheet, kSoundPage).Control<QComboBox>(id::kInstrument);
        instrument->setCurrentIndex(40);
        emit instrument->activated(40);
        Turn(sheet, kMidiOutPage);
        platform::PressOk(d);
    });
    Frame().Commands().Action(cmd::ToolsOptions)->trigger();
    Drain();

    EXPECT_TRUE(runner.messages.empty()) << runner.messages.front().text.toStdString();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(Doc().m_nInstrument, 3040);
    for (const FakeMidi::Call& call : midi.calls) {
        EXPECT_EQ(call.op, "program");
        EXPECT_EQ(call.a, 40);
    }
    EXPECT_FALSE(midi.calls.empty());
}

TEST_F(OptionsCommand, AHistorySizeOf300IsRefusedOnApplyNowAndNothingIsApplied)
{
    Start();
    QCoreApplication::processEvents();
    SettleWindow();
    PaintCounter counter(GetApp().View()->viewport());

    runner.Expect([&](platform::Dialog& d) {
        auto& sheet = AsSheet(d);
        platform::ClickControl(Turn(sheet, kDisplayPage), id::kNotesColour);
        platform::PropertyPage& general = Turn(sheet, kGeneralPage);
        platform::ClickControl(general, id::kReducedSpan);
        platform::Control<QLineEdit>(general, id::kHistorySize)->setText(QStringLiteral("300"));
        sheet.ApplyButton()->click();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
        platform::PressCancel(d);
    });
    Frame().Commands().Action(cmd::ToolsOptions)->trigger();
    Drain();

    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter an integer between 10 and 200."));
    EXPECT_EQ(Doc().m_nNocol, 0);
    EXPECT_TRUE(Doc().IsReducedSpan());
    EXPECT_EQ(Frame().m_settings.m_nHisBufSz, 50);
    EXPECT_EQ(counter.paints, 0);
}

TEST_F(OptionsCommand, EachModeOpensOnItsOwnLastPage)
{
    Start();
    QCoreApplication::processEvents();
    auto open = [&](int expectedPages, int expectedStart, int turnTo) {
        runner.Expect([=](platform::Dialog& d) {
            auto& sheet = AsSheet(d);
            EXPECT_EQ(sheet.GetPageCount(), expectedPages);
            EXPECT_EQ(sheet.GetActiveIndex(), expectedStart);
            Turn(sheet, turnTo);
            platform::PressCancel(d);
        });
        Frame().Commands().Action(cmd::ToolsOptions)->trigger();
        QCoreApplication::processEvents();
    };
    open(7, 0, kSoundPage);
    open(7, kSoundPage, kSoundPage);
    Frame().Commands().Action(cmd::ViewScratchPad)->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(Doc().m_bScratchPadMode);
    open(5, 0, 4);
    Frame().Commands().Action(cmd::ViewScratchPad)->trigger();
    QCoreApplication::processEvents();
    open(7, kSoundPage, kScratchPadPage);
    EXPECT_EQ(runner.dialogsRun, 4);
}

TEST(OptionsMidi, TheNewDeviceGetsTheInstrument)
{
    using Log = std::vector<kvmidi::RecordingBackend::Entry>;
    struct Row {
        const char* name;
        int instrument;
        Log expected;
    };
    const Row rows[] = {
        {"device alone", 3040, {{0, "cc 123"}, {0, "close Port A"}, {0, "open Port B"}, {0, "program 40"}}},
        {"device and instrument",
         3052,
         {{0, "program 52"}, {0, "cc 123"}, {0, "close Port A"}, {0, "open Port B"}, {0, "program 52"}}},
    };
    for (const Row& row : rows) {
        kvmidi::RecordingOutput rec;
        OutputPort port(*rec.output);
        FakeUi ui;
        CKvwinDoc doc(CKvwinDoc::Ports{&ui, &port});
        doc.OnNewDocument();
        PersistentSettings frame;
        frame.m_strMidiOutName = "Port A";
        frame.m_nInstr = 3040;
        doc.InitDocument(frame);
        rec.output->WaitIdle();
        rec.backend->ClearLog();

        ports::OptionsValues values = doc.MakeOptionsPreset().values;
        values.sound.instrument = row.instrument;
        values.midiOut.device = "Port B";
        doc.ApplyOptions(values);
        rec.output->WaitIdle();
        EXPECT_EQ(rec.backend->Log(), row.expected) << row.name;
        EXPECT_TRUE(ui.messages.empty()) << row.name;
        doc.DeleteContents();
    }
}

}  // namespace
