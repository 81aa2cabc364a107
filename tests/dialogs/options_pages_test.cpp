// The Tuning, Sound and MIDI Out pages in a sheet of their own, driven
// through their widgets, on a MIDI library that records what it is sent.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "dialogs/options/midi_out_page.h"
#include "dialogs/options/options_templates.h"
#include "dialogs/options/sound_page.h"
#include "dialogs/options/tuning_page.h"
#include "engine/chord_types.h"
#include "engine/pitch.h"
#include "platform/up_down.h"
#include "tests/support/active_window.h"
#include "tests/support/fake_ports.h"
#include "tests/support/general_midi_names.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"
#include "tests/support/template_layout.h"

using namespace dialogs;
using Call = FakeMidi::Call;
using Calls = std::vector<Call>;

namespace {

// How many pixels of the outer two rows and columns, where a focus frame
// is drawn, differ between two pictures of one control.
int EdgePixelsChanged(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::min({x, y, a.width() - 1 - x, a.height() - 1 - y}) < 2 && a.pixel(x, y) != b.pixel(x, y))
                ++changed;
    return changed;
}

enum Page { TuningTab, SoundTab, MidiOutTab };

struct OptionsPages : ::testing::Test {
    FakeMidi midi;
    ports::OptionsValues values;
    std::unique_ptr<platform::PropertySheet> sheet;
    TuningPage* tuning = nullptr;
    SoundPage* sound = nullptr;
    MidiOutPage* midiOut = nullptr;

    void SetUp() override
    {
        // As the document fills the sheet with its defaults.
        values.tuning.stringNames = {"E", "B", "G", "D", "A", "E"};
        values.tuning.previewVelocity = 64;
        values.tuning.previewDuration = 2500;
        values.sound = {3025, 64, 2500, 30, {}};
        midi.devices = {"Built-in Synth (FluidSynth)"};
        midi.deviceCaps = {{"", 7, 256, 256, 0}};
    }

    void TearDown() override
    {
        sheet.reset();
        engine::ResetMusicTables();
    }

    // Builds the sheet on the values as they are now, showing one page.
    void Open(Page page)
    {
        sheet = std::make_unique<platform::PropertySheet>(QStringLiteral("Options"), static_cast<int>(page));
        tuning = new TuningPage(values.tuning, &midi);
        sound = new SoundPage(values.sound, &midi);
        midiOut = new MidiOutPage(values.midiOut, &midi);
        sheet->AddPage(tuning);
        sheet->AddPage(sound);
        sheet->AddPage(midiOut);
        sheet->Create();
    }

    bool ApplyEnabled() const { return sheet->ApplyButton()->isEnabled(); }

    // Tuning page.
    void Arrow(int stringIndex, bool up)
    {
        auto* arrows = tuning->Control<platform::UpDown>(kStringArrowIds[static_cast<std::size_t>(stringIndex)]);
        (up ? arrows->upButton() : arrows->downButton())->click();
    }
    QString NameShown(int stringIndex) const
    {
        return tuning->Control<QLineEdit>(kStringNameIds[static_cast<std::size_t>(stringIndex)])->text();
    }
    QString Text(platform::PropertyPage* page, int id) const { return platform::ControlText(page->Control(id)); }

    // Sound page.
    void ChooseInstrument(int entry)
    {
        auto* combo = sound->Control<QComboBox>(id::kInstrument);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    }
    QScrollBar* Bar(int id) const { return sound->Control<QScrollBar>(id); }

    static Call Note(int delay, int note, int velocity, int duration)
    {
        return {"note", delay, note, velocity, duration};
    }
    static Call Program(int program) { return {"program", program}; }
};

TEST_F(OptionsPages, TuningPageOpensOnTheTuningItWasGiven)
{
    Open(TuningTab);
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(NameShown(s).toStdString(), values.tuning.stringNames[static_cast<std::size_t>(s)]);
    EXPECT_EQ(Text(tuning, id::kOpenTuningLabel), "");
    EXPECT_EQ(Text(tuning, id::kSetOpen), "Set &Open A");
    EXPECT_FALSE(tuning->Control(id::kSetRegular)->isEnabled());
    EXPECT_FALSE(ApplyEnabled());

    values.tuning.stringNotes = tuning::kTunings[5].notes;  // Open G
    values.tuning.stringNames = {"D", "B", "G", "D", "G", "D"};
    Open(TuningTab);
    EXPECT_EQ(Text(tuning, id::kOpenTuningLabel), "Open G");
    EXPECT_EQ(Text(tuning, id::kSetOpen), "Set &Open A");
    EXPECT_TRUE(tuning->Control(id::kSetRegular)->isEnabled());
}

TEST_F(OptionsPages, ArrowsStepTheStringAndItsNameAndMarkTheTuningChanged)
{
    Open(TuningTab);
    Arrow(5, true);  // the 6th string, E up
    EXPECT_EQ(NameShown(5), "F");
    EXPECT_EQ(values.tuning.stringNotes[5], 41);
    EXPECT_EQ(values.tuning.stringNames[5], "F");
    EXPECT_EQ(values.tuning.tuningChanged, 1);
    EXPECT_TRUE(tuning->IsModified());
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(tuning->Control(id::kSetRegular)->isEnabled());
    Arrow(5, false);
    EXPECT_EQ(NameShown(5), "E");
    EXPECT_FALSE(tuning->Control(id::kSetRegular)->isEnabled());
    EXPECT_EQ(values.tuning.tuningChanged, 1) << "once changed, always applied";
    EXPECT_TRUE(midi.calls.empty()) << "silent unless sound on adjusting is on";
}

TEST_F(OptionsPages, SoundOnAdjustAndPlayButtonsSoundThePagesNotesAtThePreviewValues)
{
    Open(TuningTab);
    tuning->Control<QCheckBox>(id::kSoundOnAdjust)->click();
    EXPECT_EQ(values.tuning.soundOnAdjust, 1);
    EXPECT_FALSE(ApplyEnabled()) << "the check box alone changes nothing to apply";
    Arrow(0, true);  // 1st string, E4 up
    Arrow(5, false);  // 6th string, E2 down
    EXPECT_EQ(midi.calls, (Calls{Note(0, 65, 64, 2500), Note(0, 39, 64, 2500)}));

    midi.calls.clear();
    tuning->Control<QCheckBox>(id::kSoundOnAdjust)->click();
    Arrow(0, true);
    EXPECT_TRUE(midi.calls.empty());
    for (int s = 0; s < 6; ++s)
        tuning->Control<QPushButton>(kPlayStringIds[static_cast<std::size_t>(s)])->click();
    EXPECT_EQ(midi.calls, (Calls{Note(0, 66, 64, 2500), Note(0, 59, 64, 2500), Note(0, 55, 64, 2500),
                                 Note(0, 50, 64, 2500), Note(0, 45, 64, 2500), Note(0, 39, 64, 2500)}));
}

TEST_F(OptionsPages, EveryStringIsReachedByTabAndSteppedByTheArrowKeys)
{
    Open(TuningTab);
    ASSERT_TRUE(testsupport::Activate(*sheet));
    auto* sound = tuning->Control<QCheckBox>(id::kSoundOnAdjust);
    sound->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(values.tuning.soundOnAdjust, 1);

    std::vector<int> reached;
    Calls expected;
    for (int tabs = 0; tabs < 40 && reached.size() < 6; ++tabs) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int s = 0; s < 6; ++s) {
            const auto i = static_cast<std::size_t>(s);
            if (QApplication::focusWidget() != tuning->Control(kStringNameIds[i]))
                continue;
            reached.push_back(s);
            const int note = tuning::kTunings[0].notes[i];
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            EXPECT_EQ(values.tuning.stringNotes[i], note + 1) << "string " << s + 1;
            EXPECT_EQ(NameShown(s).toStdString(), values.tuning.stringNames[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            EXPECT_EQ(values.tuning.stringNotes[i], note) << "string " << s + 1;
            expected.push_back(Note(0, note + 1, 64, 2500));
            expected.push_back(Note(0, note, 64, 2500));
        }
    }
    EXPECT_EQ(reached, (std::vector<int>{5, 4, 3, 2, 1, 0})) << "from the 6th string to the 1st";
    EXPECT_EQ(midi.calls, expected);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionsPages, PlayButtonsLeaveThePageUnmodified)
{
    Open(TuningTab);
    tuning->Control<QPushButton>(kPlayStringIds[0])->click();
    EXPECT_FALSE(tuning->IsModified());
    EXPECT_EQ(values.tuning.tuningChanged, 0);
    EXPECT_EQ(midi.calls, (Calls{Note(0, 64, 64, 2500)}));
}

TEST_F(OptionsPages, OpenAndRegularButtonsSetTheirTunings)
{
    Open(TuningTab);
    tuning->Control<QPushButton>(id::kSetOpen)->click();
    EXPECT_EQ(Text(tuning, id::kOpenTuningLabel), "Open A");
    EXPECT_EQ(Text(tuning, id::kSetOpen), "Set &Open C");
    EXPECT_EQ(NameShown(1), "C#");
    EXPECT_EQ(values.tuning.stringNotes, tuning::kTunings[1].notes);
    EXPECT_EQ(values.tuning.stringNames, (tuning::StringNames{"E", "C#", "A", "E", "A", "E"}));
    EXPECT_TRUE(tuning->Control(id::kSetRegular)->isEnabled());
    EXPECT_TRUE(ApplyEnabled());

    tuning->Control<QPushButton>(id::kSetRegular)->click();
    EXPECT_EQ(Text(tuning, id::kOpenTuningLabel), "");
    EXPECT_EQ(Text(tuning, id::kSetOpen), "Set &Open C");
    EXPECT_EQ(values.tuning.stringNotes, tuning::kTunings[0].notes);
    EXPECT_EQ(values.tuning.stringNames, (tuning::StringNames{"E", "B", "G", "D", "A", "E"}));
    EXPECT_FALSE(tuning->Control(id::kSetRegular)->isEnabled());
    EXPECT_TRUE(midi.calls.empty());
}

TEST_F(OptionsPages, GermanNamesOnTheTuningPage)
{
    engine::SetNoteNames(true);
    values.tuning.stringNames = {"E", "H", "G", "D", "A", "E"};
    Open(TuningTab);
    std::vector<QString> seen;
    for (int i = 0; i < 5; ++i) {
        Arrow(4, true);
        seen.push_back(NameShown(4));
    }
    EXPECT_EQ(seen, (std::vector<QString>{"Ais", "H", "C", "Cis", "D"}));
}

TEST_F(OptionsPages, AFlatNameGivenFollowsItsNoteAfterAStep)
{
    values.tuning.stringNotes = tuning::kTunings[1].notes;  // Open A, shown after a search spelled with flats
    values.tuning.stringNames = {"E", "Db", "A", "E", "A", "E"};
    Open(TuningTab);
    EXPECT_EQ(NameShown(1), "Db");
    EXPECT_EQ(Text(tuning, id::kOpenTuningLabel), "Open A");
    Arrow(1, true);
    EXPECT_EQ(NameShown(1), "D");
    Arrow(1, false);
    EXPECT_EQ(NameShown(1), "C#");
    EXPECT_EQ(values.tuning.stringNotes[1], 61);
}

TEST_F(OptionsPages, SoundPageOpensOnTheInstrumentAndValuesGiven)
{
    Open(SoundTab);
    auto* combo = sound->Control<QComboBox>(id::kInstrument);
    ASSERT_EQ(combo->count(), 128);
    EXPECT_EQ(combo->itemText(0), "Piano");
    EXPECT_EQ(combo->itemText(127), "Gunshot");
    for (std::size_t i = 0; i < testsupport::kGeneralMidiNames.size(); ++i)
        EXPECT_EQ(combo->itemText(static_cast<int>(i)).toStdString(), testsupport::kGeneralMidiNames[i]) << i;
    EXPECT_EQ(combo->currentIndex(), 25);
    EXPECT_EQ(combo->currentText(), "Acoustic Steel Guitar");
    EXPECT_EQ(Bar(id::kVelocityBar)->value(), 64);
    EXPECT_EQ(Bar(id::kDurationBar)->value(), 2500);
    EXPECT_EQ(Bar(id::kSeparationBar)->value(), 30);
    EXPECT_EQ(Bar(id::kDurationBar)->minimum(), 1);
    EXPECT_EQ(Bar(id::kDurationBar)->maximum(), 9999);
    EXPECT_EQ(Text(sound, id::kVelocityValue), " 64");
    EXPECT_EQ(Text(sound, id::kDurationValue), "2500");
    EXPECT_EQ(Text(sound, id::kSeparationValue), "  30");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(midi.calls.empty());
}

// Whatever number the instrument setting holds, the page opens on its entry
// or on none (the sanitizer build catches arithmetic that overflows).
TEST_F(OptionsPages, SoundPageOpensOnAnyStoredInstrument)
{
    struct Row {
        int instrument;
        int entry;
    };
    const Row rows[] = {{3000, 0}, {3127, 127}, {2999, -1}, {3128, -1}, {INT_MIN, -1}, {INT_MAX, -1}};
    for (const Row& row : rows) {
        values.sound.instrument = row.instrument;
        Open(SoundTab);
        EXPECT_EQ(sound->Control<QComboBox>(id::kInstrument)->currentIndex(), row.entry) << row.instrument;
        sheet.reset();
    }
}

TEST_F(OptionsPages, BarsStepByTheirOwnTables)
{
    values.sound.velocity = 125;
    values.sound.duration = 150;
    values.sound.separation = 100;
    Open(SoundTab);
    Bar(id::kVelocityBar)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    Bar(id::kDurationBar)->triggerAction(QAbstractSlider::SliderPageStepSub);
    Bar(id::kSeparationBar)->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(values.sound.velocity, 127);
    EXPECT_EQ(values.sound.duration, 50);
    EXPECT_EQ(values.sound.separation, 0);
    EXPECT_EQ(Bar(id::kDurationBar)->value(), 50);
    EXPECT_EQ(Text(sound, id::kVelocityValue), "127");
    EXPECT_EQ(Text(sound, id::kDurationValue), "  50");
    EXPECT_EQ(Text(sound, id::kSeparationValue), "   0");
    EXPECT_TRUE(ApplyEnabled());

    Bar(id::kDurationBar)->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(values.sound.duration, 1);
    Bar(id::kDurationBar)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(values.sound.duration, 1);
    // Home jumps nowhere; the thumb moves where it is dragged.
    Bar(id::kDurationBar)->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(Bar(id::kDurationBar)->value(), 1);
    Bar(id::kSeparationBar)->setSliderPosition(700);
    EXPECT_EQ(values.sound.separation, 700);
    EXPECT_EQ(Text(sound, id::kSeparationValue), " 700");
}

TEST_F(OptionsPages, EveryBarIsReachedByTabAndMovedByItsKeys)
{
    Open(SoundTab);
    ASSERT_TRUE(testsupport::Activate(*sheet));
    sound->Control(id::kInstrument)->setFocus();
    struct Reached {
        int bar;
        int* value;
        int page;
    };
    const std::vector<Reached> bars = {
        {id::kVelocityBar, &values.sound.velocity, 5},
        {id::kDurationBar, &values.sound.duration, 100},
        {id::kSeparationBar, &values.sound.separation, 100},
    };
    for (const Reached& r : bars) {
        for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != Bar(r.bar); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Bar(r.bar)) << r.bar;
        const int from = *r.value;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_EQ(*r.value, from + 1) << r.bar;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        EXPECT_EQ(*r.value, from + 1 + r.page) << r.bar;
        EXPECT_EQ(Bar(r.bar)->value(), *r.value);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        EXPECT_EQ(*r.value, from) << r.bar;
    }
    EXPECT_TRUE(ApplyEnabled());
}

// A keyboard user sees which bar the arrows move: reached by Tab, a bar
// shows a focus frame along its edge, and loses it when Tab moves on.
TEST_F(OptionsPages, ABarReachedByTabShowsAFocusFrame)
{
    Open(SoundTab);
    ASSERT_TRUE(testsupport::Activate(*sheet));
    sound->Control(id::kInstrument)->setFocus();
    const int ids[] = {id::kVelocityBar, id::kDurationBar, id::kSeparationBar};
    std::map<int, QImage> unfocused;
    for (int id : ids)
        unfocused[id] = Bar(id)->grab().toImage();
    for (int id : ids) {
        QScrollBar* bar = Bar(id);
        for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != bar; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), bar) << id;
        EXPECT_GT(EdgePixelsChanged(bar->grab().toImage(), unfocused[id]), 0) << id;
        QTest::keyClick(bar, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), bar) << id;
        EXPECT_EQ(EdgePixelsChanged(bar->grab().toImage(), unfocused[id]), 0) << id;
    }
}

TEST_F(OptionsPages, DefaultSetsTheDefaultSoundAndSendsItOnTest)
{
    values.sound = {3000, 100, 500, 0, {}};
    Open(SoundTab);
    sound->Control<QPushButton>(id::kDefaultSound)->click();
    EXPECT_EQ(values.sound.instrument, 3025);
    EXPECT_EQ(values.sound.velocity, 64);
    EXPECT_EQ(values.sound.duration, 2500);
    EXPECT_EQ(values.sound.separation, 30);
    EXPECT_EQ(sound->Control<QComboBox>(id::kInstrument)->currentIndex(), 25);
    EXPECT_EQ(Text(sound, id::kDurationValue), "2500");
    EXPECT_TRUE(ApplyEnabled());
    sound->Control<QPushButton>(id::kTest)->click();
    ASSERT_FALSE(midi.calls.empty());
    EXPECT_EQ(midi.calls.front(), Program(25));
}

TEST_F(OptionsPages, TestPlaysThePagesChordAtThePagesValues)
{
    struct Row {
        const char* what;
        sound::TestNotes notes;
        int separation;
        Calls expected;
    };
    const Row rows[] = {
        {"no chord found: the page's own chord", {}, 30,
         {Note(0, 40, 64, 2500), Note(30, 47, 64, 2500), Note(60, 52, 64, 2500), Note(90, 56, 64, 2500),
          Note(120, 59, 64, 2500), Note(150, 64, 64, 2500)}},
        {"the first chord found, its silent string keeping its slot", {0, 48, 52, 55, 60, 64}, 100,
         {Note(100, 48, 64, 2500), Note(200, 52, 64, 2500), Note(300, 55, 64, 2500), Note(400, 60, 64, 2500),
          Note(500, 64, 64, 2500)}},
    };
    for (const Row& row : rows) {
        values.sound.testNotes = row.notes;
        values.sound.separation = row.separation;
        midi.calls.clear();
        Open(SoundTab);
        sound->Control<QPushButton>(id::kTest)->click();
        EXPECT_EQ(midi.calls, row.expected) << row.what;
    }
}

// The program changes the Sound page itself sends; the document sends one
// more whenever OK or Apply Now hands it another instrument than its own.
TEST_F(OptionsPages, TheSoundPageSendsWhatLeavesTheOutputOnTheSetting)
{
    constexpr int kTest = -1, kApplyNow = -2;
    struct Row {
        const char* what;
        std::vector<int> steps;  // instrument entries chosen, kTest, kApplyNow
        bool ok;
        Calls programs;  // what reaches the library, notes left out
        int instrument;  // the page's instrument afterwards
    };
    const Row rows[] = {
        {"choose, test, cancel", {73, kTest}, false, {Program(73), Program(25)}, 3025},
        {"choose, cancel", {73}, false, {Program(25)}, 3025},
        {"test only, cancel", {kTest}, false, {}, 3025},
        {"choose two, test each, cancel", {73, kTest, 0, kTest}, false, {Program(73), Program(0), Program(25)}, 3025},
        {"choose, test, choose the old one, cancel", {73, kTest, 25}, false, {Program(73), Program(25)}, 3025},
        {"choose, test, choose the old one, OK", {73, kTest, 25}, true, {Program(73), Program(25)}, 3025},
        {"choose, test, OK: the document sends it", {73, kTest}, true, {Program(73)}, 3073},
        {"choose, apply now, cancel", {73, kApplyNow}, false, {}, 3073},
        {"choose, apply now, another, test, cancel", {73, kApplyNow, 0, kTest}, false,
         {Program(0), Program(73)}, 3073},
    };
    for (const Row& row : rows) {
        Open(SoundTab);
        midi.calls.clear();
        for (int step : row.steps) {
            if (step == kTest)
                sound->Control<QPushButton>(id::kTest)->click();
            else if (step == kApplyNow)
                sheet->ApplyButton()->click();
            else
                ChooseInstrument(step);
        }
        if (row.ok)
            platform::PressOk(*sheet);
        else
            platform::PressCancel(*sheet);
        Calls programs;
        for (const Call& call : midi.calls)
            if (call.op == "program")
                programs.push_back(call);
        EXPECT_EQ(programs, row.programs) << row.what;
        EXPECT_EQ(values.sound.instrument, row.instrument) << row.what;
        values.sound.instrument = 3025;
    }
}

TEST_F(OptionsPages, MidiOutPageListsTheDevicesThatAnswerSorted)
{
    midi.devices = {"Built-in Synth (FluidSynth)", "Port B", "Vanished", "Another Port"};
    midi.deviceCaps = {{"", 7, 256, 256, 0}, {"", 1, 0, 0, 0}, {}, {"", 1, 0, 0, 0x8}};
    midi.failingQueries = {2};
    Open(MidiOutTab);
    auto* combo = midiOut->Control<QComboBox>(id::kOutputDevice);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Another Port");
    EXPECT_EQ(combo->itemText(1), "Built-in Synth (FluidSynth)");
    EXPECT_EQ(combo->itemText(2), "Port B");
    // No name stored yet: the first device, the built-in synth, is shown,
    // but no name is filled in, so OK is no change of device.
    EXPECT_EQ(values.midiOut.device, "");
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(Text(midiOut, id::kTechnology), "Software synthesizer");
    EXPECT_EQ(Text(midiOut, id::kVoices), "256");
    EXPECT_EQ(Text(midiOut, id::kNotes), "256");
    auto* features = midiOut->Control<QListWidget>(id::kFeatures);
    ASSERT_EQ(features->count(), 1);
    EXPECT_EQ(features->item(0)->text(), "None");
    EXPECT_FALSE(ApplyEnabled());

    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(values.midiOut.device, "Another Port");
    EXPECT_EQ(midiOut->ShownDevice(), 3u);
    EXPECT_EQ(Text(midiOut, id::kTechnology), "MIDI hardware port");
    EXPECT_EQ(Text(midiOut, id::kVoices), "0");
    EXPECT_EQ(features->count(), 0) << "an unknown feature bit gives no line";
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionsPages, MidiOutPageFindsTheStoredDevice)
{
    struct Row {
        const char* stored;
        int selected;
        std::uint32_t shown;
    };
    const Row rows[] = {
        {"Port B", 2, 3},             // of two of one name, the later
        {"Built-in Synth (FluidSynth)", 0, 0},
        {"Unplugged", -1, 0},         // not there: nothing selected, device 0 shown
    };
    midi.devices = {"Built-in Synth (FluidSynth)", "Port B", "Port A", "Port B"};
    for (const Row& row : rows) {
        values.midiOut.device = row.stored;
        Open(MidiOutTab);
        EXPECT_EQ(midiOut->Control<QComboBox>(id::kOutputDevice)->currentIndex(), row.selected) << row.stored;
        EXPECT_EQ(midiOut->ShownDevice(), row.shown) << row.stored;
        EXPECT_EQ(values.midiOut.device, row.stored);
    }
}

TEST_F(OptionsPages, MidiOutPageWithoutDevicesKeepsItsTemplateTexts)
{
    midi.devices.clear();
    Open(MidiOutTab);
    EXPECT_EQ(midiOut->Control<QComboBox>(id::kOutputDevice)->count(), 0);
    EXPECT_EQ(Text(midiOut, id::kTechnology), "Unrecognised Technology");
    EXPECT_EQ(Text(midiOut, id::kVoices), "");
    EXPECT_EQ(values.midiOut.device, "");

    // The device shown stops answering: nothing is claimed about it.
    midi.devices = {"Built-in Synth (FluidSynth)"};
    midi.failingQueries = {0};
    Open(MidiOutTab);
    EXPECT_EQ(midiOut->Control<QComboBox>(id::kOutputDevice)->count(), 0);
    EXPECT_EQ(Text(midiOut, id::kTechnology), "Unrecognised Technology");
}

}  // namespace

namespace {

// Each page as the user sees it: nothing cut, nothing lying over another,
// also with the longest texts the page shows while it runs. With
// TONALITH_PAGE_SHOTS set to a folder, each page is saved there as a PNG.
TEST_F(OptionsPages, EveryPageShowsEachControlWhole)
{
    engine::SetNoteNames(true);  // German names are the widest
    const std::vector<std::pair<int, std::vector<QString>>> longest = {
        {id::kSetOpen, {"Set &Open A", "Set &Open C", "Set &Open D", "Set &Open E", "Set &Open G"}},
        {id::kOpenTuningLabel, {"Open A", "Open C", "Open D", "Open E", "Open G"}},
        {id::kVelocityValue, {"127"}},
        {id::kDurationValue, {"9999"}},
        {id::kSeparationValue, {"2000"}},
        {id::kTechnology, {"Hardware wavetable synthesizer", "Unrecognised Technology"}},
        {id::kVoices, {"65535"}},
        {id::kNotes, {"65535"}},
    };
    Open(TuningTab);
    sheet->show();
    const QString shots = qEnvironmentVariable("TONALITH_PAGE_SHOTS");
    const char* const names[] = {"tuning", "sound", "midi_out"};
    for (int page = TuningTab; page <= MidiOutTab; ++page) {
        ASSERT_TRUE(sheet->SetActivePage(page));
        platform::PropertyPage& shown = *sheet->GetPage(page);
        EXPECT_EQ(testsupport::LayoutProblems(shown), std::vector<std::string>{}) << names[page];
        if (!shots.isEmpty())
            sheet->grab().save(shots + QStringLiteral("/%1.png").arg(QString::fromLatin1(names[page])));
        for (const auto& [id, texts] : longest) {
            QWidget* control = shown.Control(id);
            if (!control)
                continue;
            for (const QString& text : texts) {
                platform::SetControlText(control, text);
                EXPECT_EQ(testsupport::LayoutProblems(shown), std::vector<std::string>{}) << text.toStdString();
            }
        }
    }
    // The widest names in their edits, the longest instrument in its box.
    const QLineEdit* name = tuning->Control<QLineEdit>(kStringNameIds[0]);
    for (const char* german : {"Ais", "Cis", "Dis", "Fis", "Gis", "Des", "Ges"})
        EXPECT_LT(name->fontMetrics().horizontalAdvance(QString::fromLatin1(german)), name->contentsRect().width() - 4)
            << german;
    const QComboBox* instruments = sound->Control<QComboBox>(id::kInstrument);
    for (int i = 0; i < instruments->count(); ++i)
        EXPECT_LT(instruments->fontMetrics().horizontalAdvance(instruments->itemText(i)),
                  instruments->width() - instruments->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 12)
            << instruments->itemText(i).toStdString();
}

}  // namespace
