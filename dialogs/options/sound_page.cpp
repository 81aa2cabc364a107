#include "dialogs/options/sound_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "dialogs/options/options_templates.h"
#include "document/ports.h"
#include "platform/list_boxes.h"
#include "platform/qt_text.h"
#include "res/string_table.h"

namespace dialogs {

namespace {

constexpr sound::Bar kBars[] = {sound::Bar::Velocity, sound::Bar::Duration, sound::Bar::Separation};

struct BarIds {
    int bar;
    int value;
};

BarIds IdsOf(sound::Bar bar)
{
    switch (bar) {
    case sound::Bar::Velocity:
        return {id::kVelocityBar, id::kVelocityValue};
    case sound::Bar::Duration:
        return {id::kDurationBar, id::kDurationValue};
    case sound::Bar::Separation:
        break;
    }
    return {id::kSeparationBar, id::kSeparationValue};
}

sound::ScrollCode ScrollCodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return sound::ScrollCode::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return sound::ScrollCode::LineRight;
    case QAbstractSlider::SliderPageStepSub:
        return sound::ScrollCode::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
        return sound::ScrollCode::PageRight;
    case QAbstractSlider::SliderMove:
        return sound::ScrollCode::Thumb;
    default:
        return sound::ScrollCode::Other;
    }
}

}  // namespace

SoundPage::SoundPage(ports::SoundOptions& values, ports::MidiPort* midi, QWidget* parent)
    : PropertyPage(kSoundTemplate, parent), m_values(values), m_midi(midi)
{
}

void SoundPage::BindControls()
{
    for (sound::Bar bar : kBars) {
        QScrollBar* scrollBar = BarOf(bar);
        connect(scrollBar, &QScrollBar::actionTriggered, this, [this, bar](int action) { OnHScroll(bar, action); });
    }
    connect(Control<QComboBox>(id::kInstrument), &QComboBox::activated, this,
            [this](int index) { OnSelchangeInstrument(index); });
    connect(Control<QPushButton>(id::kDefaultSound), &QPushButton::clicked, this, [this] { OnDefault(); });
    connect(Control<QPushButton>(id::kTest), &QPushButton::clicked, this, [this] { OnTest(); });
}

void SoundPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Scroll(id::kVelocityBar, m_values.velocity);
    dx.Scroll(id::kSeparationBar, m_values.separation);
    dx.Scroll(id::kDurationBar, m_values.duration);
}

bool SoundPage::OnInitDialog()
{
    auto* combo = Control<QComboBox>(id::kInstrument);
    for (int k = 0; k < engine::kInstrumentCount; ++k)
        platform::AddString(*combo, platform::ToQString(res::LoadString(engine::kFirstInstrument + k)));
    m_program = sound::ProgramMemory(m_values.instrument);
    // Compared before subtracting: a stored instrument may be any number.
    if (engine::kInstrumentRange.Contains(m_values.instrument))
        platform::SetCurSel(*combo, m_values.instrument - engine::kFirstInstrument);

    // The ranges first, so that the positions exchanged are not cut to a default range.
    for (sound::Bar bar : kBars) {
        const sound::BarSteps& steps = sound::StepsOf(bar);
        QScrollBar* scrollBar = BarOf(bar);
        scrollBar->setRange(steps.minimum, steps.maximum);
        scrollBar->setSingleStep(steps.line);
        scrollBar->setPageStep(steps.page);
    }
    PropertyPage::OnInitDialog();
    for (sound::Bar bar : kBars)
        ShowBar(bar);
    return true;
}

QScrollBar* SoundPage::BarOf(sound::Bar bar) const
{
    return Control<QScrollBar>(IdsOf(bar).bar);
}

int& SoundPage::ValueOf(sound::Bar bar)
{
    switch (bar) {
    case sound::Bar::Velocity:
        return m_values.velocity;
    case sound::Bar::Duration:
        return m_values.duration;
    case sound::Bar::Separation:
        break;
    }
    return m_values.separation;
}

void SoundPage::ShowBar(sound::Bar bar)
{
    const int value = ValueOf(bar);
    // Inside a notification this sets where the bar ends up.
    BarOf(bar)->setSliderPosition(value);
    Control<QLabel>(IdsOf(bar).value)->setText(platform::ToQString(sound::BarValueText(bar, value)));
}

void SoundPage::OnHScroll(sound::Bar bar, int action)
{
    int& value = ValueOf(bar);
    value = sound::StepBar(bar, ScrollCodeOf(action), value, BarOf(bar)->sliderPosition());
    ShowBar(bar);
    SetModified(true);
}

void SoundPage::OnDefault()
{
    m_values.velocity = engine::kVelocityRange.fallback;
    m_values.duration = engine::kDurationRange.fallback;
    m_values.separation = engine::kStrumDelayRange.fallback;
    for (sound::Bar bar : kBars)
        ShowBar(bar);
    platform::SetCurSel(*Control<QComboBox>(id::kInstrument), engine::kDefaultInstrument - engine::kFirstInstrument);
    m_program.Choose(engine::kDefaultInstrument);
    m_values.instrument = m_program.Instrument();
    SetModified(true);
}

void SoundPage::OnSelchangeInstrument(int index)
{
    if (index < 0)
        return;
    m_program.Choose(engine::kFirstInstrument + index);
    m_values.instrument = m_program.Instrument();
    SetModified(true);
}

void SoundPage::SendProgram(std::optional<std::uint8_t> program) const
{
    if (program && m_midi)
        m_midi->ProgramChange(*program);
}

void SoundPage::OnTest()
{
    const auto calls = sound::TestChordCalls(m_values.testNotes, m_values.separation);
    SendProgram(m_program.Test());
    if (!m_midi)
        return;
    document::PlayEvents(*m_midi, calls, m_values.velocity, m_values.duration);
}

void SoundPage::OnOK()
{
    SendProgram(m_program.Apply());
}

void SoundPage::OnCancel()
{
    SendProgram(m_program.Cancel());
    m_values.instrument = m_program.Instrument();
}

}  // namespace dialogs
