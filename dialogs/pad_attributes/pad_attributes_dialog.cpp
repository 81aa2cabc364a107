#include "dialogs/pad_attributes/pad_attributes_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/common/name_validator.h"
#include "dialogs/pad_attributes/pad_attributes_templates.h"
#include "platform/qt_text.h"
#include "platform/up_down.h"

namespace dialogs {

using namespace pad_id;

namespace {

constexpr int kStrings = 6;

std::size_t At(int s)
{
    return static_cast<std::size_t>(s);
}

// Positions the arrows and shows value in the edit even where the arrows'
// range ends sooner: typed values are validated, not clamped.
void SetSpin(platform::UpDown* spin, int value)
{
    spin->setPos(value);
    if (QLineEdit* edit = spin->buddy(); edit && spin->pos() != value)
        edit->setText(QString::number(value));
}

}  // namespace

PadAttributesDialog::PadAttributesDialog(const ports::PadAttributesPreset& preset, QWidget* parent)
    : TemplateDialog(kPadAttributesTemplate, parent)
{
    const ports::PadChordAttributes& v = preset.values;
    for (int s = 0; s < kStrings; ++s)
        m_chord.frets[At(s)] = v.words[At(s)];
    m_chord.baseFret = v.words[6];
    m_chord.flags = v.words[7];
    m_chord.deutsch = preset.deutsch;
    m_chord.fretNotes = preset.fretNotes;
    m_nBaseFret = m_chord.baseFret;
    m_strUpperLine = v.upperLine;
    m_strLowerLine = v.lowerLine;
    m_nShowChordTitle = v.showChordTitle;
    m_nShowPageTitle = v.showPageTitle;
    m_strPageTitle = v.pageTitle;
    m_anFinger = v.fingers;
    m_anXMark = v.marks;
}

ports::PadChordAttributes PadAttributesDialog::Values() const
{
    ports::PadChordAttributes v;
    for (int s = 0; s < kStrings; ++s)
        v.words[At(s)] = static_cast<std::uint16_t>(m_chord.frets[At(s)]);
    v.words[6] = static_cast<std::uint16_t>(m_chord.baseFret);
    v.words[7] = m_chord.flags;
    v.upperLine = m_strUpperLine;
    v.lowerLine = m_strLowerLine;
    v.showChordTitle = m_nShowChordTitle;
    v.showPageTitle = m_nShowPageTitle;
    v.pageTitle = m_strPageTitle;
    v.fingers = m_anFinger;
    v.marks = m_anXMark;
    return v;
}

void PadAttributesDialog::BindControls()
{
    for (int s = 0; s < kStrings; ++s) {
        connect(Control<QRadioButton>(kNotPlayed[At(s)]), &QRadioButton::clicked, this,
                [this, s] { OnRadio(s, kNotPlayedPosition); });
        for (int p = 0; p < 6; ++p) {
            connect(Control<QRadioButton>(kPositions[At(s)][At(p)]), &QRadioButton::clicked, this,
                    [this, s, p] { OnRadio(s, p); });
        }
        connect(Control<QPushButton>(kAccidentals[At(s)]), &QPushButton::clicked, this,
                [this, s] { ToggleStringAccidental(s); });
        // The buttons act on a click only; Enter still means OK.
        Control<QPushButton>(kAccidentals[At(s)])->setAutoDefault(false);
    }
    connect(Control<QLineEdit>(kBaseFret), &QLineEdit::textChanged, this, [this] { OnChangeBaseFret(); });
    for (const int id : {kUpperLine, kLowerLine}) {
        auto* edit = Control<QLineEdit>(id);
        edit->setValidator(new NameValidator(edit));
    }
}

void PadAttributesDialog::ExchangeRadios(platform::DataExchange& dx)
{
    // The chord keeps the radio indices; saving has nothing to take back.
    for (int s = kStrings - 1; s >= 0; --s) {
        int index = m_chord.radios[At(s)];
        dx.Radio(kNotPlayed[At(s)], index);
    }
}

void PadAttributesDialog::DoDataExchange(platform::DataExchange& dx)
{
    dx.Text(kBaseFret, m_nBaseFret);
    dx.MinMaxInt(m_nBaseFret, kMinPadBaseFret, kMaxPadBaseFret);
    ExchangeRadios(dx);
    dx.Text(kUpperLine, m_strUpperLine);
    dx.MaxChars(m_strUpperLine, kMaxTitleLine);
    dx.Text(kLowerLine, m_strLowerLine);
    dx.MaxChars(m_strLowerLine, kMaxTitleLine);
    dx.Check(kShowChordTitle, m_nShowChordTitle);
    dx.Check(kShowPageTitle, m_nShowPageTitle);
    dx.Text(kPageTitle, m_strPageTitle);
    for (int s = 0; s < kStrings; ++s) {
        dx.Text(kFingers[At(s)], m_anFinger[At(s)]);
        dx.MinMaxInt(m_anFinger[At(s)], 0, kMaxFinger);
    }
    for (int s = 0; s < kStrings; ++s)
        dx.Check(kXMarks[At(s)], m_anXMark[At(s)]);
}

bool PadAttributesDialog::OnInitDialog()
{
    m_chord.FretsToRadios();
    TemplateDialog::OnInitDialog();
    EnableOpenRow(m_chord.baseFret <= 0);

    auto* baseSpin = Control<platform::UpDown>(kBaseFretSpin);
    baseSpin->setRange(kMinPadBaseFret, kMaxPadBaseFretSpin);
    SetSpin(baseSpin, m_chord.baseFret);
    for (int s = 0; s < kStrings; ++s) {
        auto* spin = Control<platform::UpDown>(kFingerSpins[At(s)]);
        spin->setRange(0, kMaxFinger);
        SetSpin(spin, m_anFinger[At(s)]);
    }
    for (int s = 0; s < kStrings; ++s)
        ShowString(s);
    m_bInitialised = true;
    return true;
}

void PadAttributesDialog::ShowString(int s)
{
    Control<QLabel>(kNoteLabels[At(s)])->setText(platform::ToQString(m_chord.NoteLabel(s)));
    Control<QPushButton>(kAccidentals[At(s)])->setText(platform::ToQString(m_chord.AccidentalLabel(s)));
}

void PadAttributesDialog::EnableOpenRow(bool enable)
{
    for (int s = 0; s < kStrings; ++s)
        EnableControl(kPositions[At(s)][0], enable);
}

void PadAttributesDialog::OnRadio(int s, int position)
{
    m_chord.SetStringFret(s, position);
    ShowString(s);
}

void PadAttributesDialog::ToggleStringAccidental(int s)
{
    if (!m_chord.ToggleAccidental(s))
        return;
    // Every string that sounds the note is respelled.
    for (int k = 0; k < kStrings; ++k)
        ShowString(k);
}

void PadAttributesDialog::OnChangeBaseFret()
{
    if (!m_bInitialised)
        return;
    // Any value the validation accepts moves the shape, also one the arrows
    // cannot reach; anything else waits for OK to be refused.
    bool ok = false;
    const int typed = Control<QLineEdit>(kBaseFret)->text().trimmed().toInt(&ok);
    if (!ok || typed < kMinPadBaseFret || typed > kMaxPadBaseFret || typed == m_chord.baseFret)
        return;
    EnableOpenRow(typed <= 0);
    const bool radiosMoved = m_chord.ChangeBaseFret(typed);
    for (int s = 0; s < kStrings; ++s)
        ShowString(s);
    if (radiosMoved) {
        // Only the radios: whatever else the user typed stays in its edit.
        platform::DataExchange dx(*this, false);
        ExchangeRadios(dx);
    }
}

void PadAttributesDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(QDialog::Accepted);
}

void PadAttributesDialog::PaintTemplate(QPainter& painter, const QSize& area)
{
    // The diagram behind the radios, scaled from the template's units.
    const int w = area.width();
    const int h = area.height();
    const int tw = Template().width;
    const int th = Template().height;
    painter.setPen(palette().color(QPalette::WindowText));
    for (const int u : kPadGridColumns)
        painter.drawLine(w * u / tw, h * kPadGridRows.front() / th, w * u / tw, h * kPadGridBottom / th);
    for (const int v : kPadGridRows)
        painter.drawLine(w * kPadGridColumns.front() / tw, h * v / th, w * kPadGridColumns.back() / tw, h * v / th);
}

ports::PadAttributesResult PadAttributesDialogs::RunPadChordAttributes(const ports::PadAttributesPreset& preset)
{
    PadAttributesDialog dialog(preset, m_parent);
    ports::PadAttributesResult result;
    result.ok = dialog.DoModal() == QDialog::Accepted;
    if (result.ok)
        result.values = dialog.Values();
    return result;
}

}  // namespace dialogs
