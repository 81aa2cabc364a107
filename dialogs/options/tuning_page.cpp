#include "dialogs/options/tuning_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/options/options_templates.h"
#include "document/ports.h"
#include "engine/pitch.h"
#include "platform/qt_text.h"
#include "platform/up_down.h"

namespace dialogs {

namespace {

// The longest name, "Ais" or "Des".
constexpr int kNameChars = 3;

}  // namespace

TuningPage::TuningPage(ports::TuningOptions& values, ports::MidiPort* midi, QWidget* parent)
    : PropertyPage(kTuningTemplate, parent), m_values(values), m_midi(midi)
{
}

void TuningPage::BindControls()
{
    for (int s = 0; s < 6; ++s) {
        const auto i = static_cast<std::size_t>(s);
        auto* arrows = Control<platform::UpDown>(kStringArrowIds[i]);
        // The arrows take no focus: Up and Down in the string's name step it.
        arrows->setBuddy(Control<QLineEdit>(kStringNameIds[i]), platform::UpDown::BuddyRole::KeysOnly);
        connect(arrows, &platform::UpDown::stepped, this, [this, s](int delta) { OnVScroll(s, delta > 0); });
        connect(Control<QPushButton>(kPlayStringIds[i]), &QPushButton::clicked, this, [this, s] { OnPlayString(s); });
    }
    connect(Control<QPushButton>(id::kSetRegular), &QPushButton::clicked, this, [this] { OnSetRegular(); });
    connect(Control<QPushButton>(id::kSetOpen), &QPushButton::clicked, this, [this] { OnSetOpen(); });
    connect(Control<QCheckBox>(id::kSoundOnAdjust), &QCheckBox::clicked, this,
            [this](bool checked) { OnSoundOnAdjust(checked); });
}

void TuningPage::DoDataExchange(platform::DataExchange& dx)
{
    for (std::size_t i = 0; i < 6; ++i) {
        dx.Text(kStringNameIds[i], m_values.stringNames[i]);
        dx.MaxChars(m_values.stringNames[i], kNameChars);
    }
    dx.Check(id::kSoundOnAdjust, m_values.soundOnAdjust);
}

bool TuningPage::OnInitDialog()
{
    m_state = tuning::TuningState(m_values.stringNames, m_values.stringNotes);
    PropertyPage::OnInitDialog();
    ShowState();
    return true;
}

void TuningPage::ShowState()
{
    for (std::size_t i = 0; i < 6; ++i)
        Control<QLineEdit>(kStringNameIds[i])->setText(platform::ToQString(m_state.Names()[i]));
    Control<QLabel>(id::kOpenTuningLabel)->setText(QString::fromUtf8(m_state.Label()));
    Control<QPushButton>(id::kSetOpen)->setText(QString::fromUtf8(m_state.OpenButtonCaption()));
    EnableControl(id::kSetRegular, m_state.RegularEnabled());
}

void TuningPage::SetChanged()
{
    m_values.stringNames = m_state.Names();
    m_values.stringNotes = m_state.Notes();
    m_values.tuningChanged = 1;
    SetModified(true);
}

void TuningPage::Play(std::uint8_t note) const
{
    if (m_midi)
        m_midi->PlayNote(0, note, m_values.previewVelocity, m_values.previewDuration);
}

void TuningPage::OnVScroll(int stringIndex, bool up)
{
    m_state.Step(stringIndex, up, g_NoteNames);
    if (m_values.soundOnAdjust)
        Play(m_state.Notes()[static_cast<std::size_t>(stringIndex)]);
    ShowState();
    SetChanged();
}

void TuningPage::OnSetRegular()
{
    m_state.SetRegular(g_NoteNames);
    ShowState();
    SetChanged();
}

void TuningPage::OnSetOpen()
{
    m_state.SetOpen(g_NoteNames);
    ShowState();
    SetChanged();
}

void TuningPage::OnPlayString(int stringIndex)
{
    Play(m_state.Notes()[static_cast<std::size_t>(stringIndex)]);
}

void TuningPage::OnSoundOnAdjust(bool checked)
{
    // Taken by the document only together with a changed tuning.
    m_values.soundOnAdjust = checked ? 1 : 0;
}

}  // namespace dialogs
