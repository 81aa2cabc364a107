#include "dialogs/search/diagram_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/search/marker_pictures.h"
#include "dialogs/search/search_templates.h"
#include "dialogs/search/search_texts.h"
#include "dialogs/user_directory/add_user_chord_dialog.h"
#include "platform/dialog_runner.h"
#include "platform/qt_text.h"
#include "platform/up_down.h"

namespace dialogs {

namespace {
constexpr int kMinBaseFret = 1;
constexpr int kMaxBaseFret = 20;
}  // namespace

DiagramPage::DiagramPage(UserDirList& userDir, const ports::FretNotes& fretNotes, QWidget* parent)
    : PropertyPage(kDiagramTemplate, parent), m_userDir(userDir), m_fretNotes(fretNotes)
{
}

QWidget* DiagramPage::CreateCustomControl(const platform::ControlTemplate& control, QWidget* parent)
{
    if (control.id != id::kDiagram)
        return nullptr;
    m_diagram = new DiagramWidget(parent);
    return m_diagram;
}

void DiagramPage::BindControls()
{
    connect(m_diagram, &DiagramWidget::pressed, this, &DiagramPage::OnDiagramPressed);
    connect(m_diagram, &DiagramWidget::chosen, this, &DiagramPage::SetMarker);
    connect(Control<QLineEdit>(id::kBaseFret), &QLineEdit::textChanged, this, [this] { OnChangeBaseFret(); });
    connect(Control<QRadioButton>(id::kMarkerDot), &QRadioButton::clicked, this,
            [this] { m_toolMarker = ports::kDiagramDot; });
    connect(Control<QRadioButton>(id::kMarkerEraser), &QRadioButton::clicked, this, [this] { m_toolMarker = 0; });
    connect(Control<QCheckBox>(id::kClearPrevious), &QCheckBox::clicked, this,
            [this] { clearPrevious = clearPrevious ? 0 : 1; });
    connect(Control<QPushButton>(id::kAdd), &QPushButton::clicked, this, [this] { OnAdd(); });
}

void DiagramPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Radio(id::kMarkerDot, toolRadio);
    dx.Text(id::kBaseFret, baseFret);
    dx.MinMaxInt(baseFret, kMinBaseFret, kMaxBaseFret);
    dx.Check(id::kClearPrevious, clearPrevious);
}

bool DiagramPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    Control<platform::UpDown>(id::kBaseFretSpin)->setRange(kMinBaseFret, kMaxBaseFret);

    for (std::size_t k = 0; k < kTuningNoteIds.size(); ++k)
        Control<QLabel>(kTuningNoteIds[k])->setText(platform::ToQString(tuningNotes[k]));
    Control<QLabel>(id::kTuningName)->setText(platform::ToQString(tuningName));

    const qreal dpr = devicePixelRatioF();
    Control<QLabel>(id::kDotPicture)->setPixmap(DotPicture(dpiClass, dpr));
    Control<QLabel>(id::kEraserPicture)->setPixmap(EraserPicture(dpiClass, dpr));
    m_toolMarker = toolRadio == 1 ? 0 : ports::kDiagramDot;
    Recompute();
    return true;
}

bool DiagramPage::OnSetActive()
{
    const bool result = PropertyPage::OnSetActive();
    Recompute();
    return result;
}

void DiagramPage::OnDiagramPressed(int x, int y)
{
    const DiagramGeometry g = m_diagram->Geometry();
    if (const auto hit = g.HitTest(x, y))
        SetMarker(hit->column, hit->position);
}

void DiagramPage::SetMarker(int column, int position)
{
    if (column < 0 || column > 5 || position < 1 || position > 5)
        return;
    entry[static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(position | m_toolMarker);
    const DiagramBox area = m_diagram->Geometry().StringArea(column);
    Recompute();
    m_diagram->update(area.left, area.top, area.width, area.height);
}

void DiagramPage::OnChangeBaseFret()
{
    bool ok = false;
    const int typed = Control<QLineEdit>(id::kBaseFret)->text().trimmed().toInt(&ok);
    if (!ok || typed < kMinBaseFret || typed > kMaxBaseFret)
        return;
    const int previous = baseFret;
    baseFret = typed;
    auto& stored = entry[ports::kDiagramBaseFretByte];
    stored = static_cast<std::uint8_t>((stored & 0xE0) | (typed & 0x1F));
    if (typed != previous && m_diagram) {
        Recompute();
        m_diagram->update();
    }
}

void DiagramPage::Recompute()
{
    if (!m_diagram)
        return;
    const DiagramNotes notes = NameDiagram(entry, m_fretNotes, baseFret, deutsch);
    m_mask = notes.mask;
    for (int c = 0; c < 6; ++c)
        Control<QLabel>(id::kFirstNoteName + c)->setText(platform::ToQString(notes.names[static_cast<std::size_t>(c)]));
    m_diagram->SetEntry(entry);
    const SheetCaption caption = CaptionForNotes(m_mask, m_userDir);
    EnableControl(id::kAdd, m_mask != 0 && !caption.named);
    if (Sheet() && Sheet()->GetActivePage() == this)
        Sheet()->setWindowTitle(platform::ToQString(caption.text));
}

void DiagramPage::OnAdd()
{
    if (m_mask == 0) {
        platform::MessageBox(QStringLiteral("No notes selected"), platform::MessageIcon::Exclamation);
        return;
    }
    if (AddFixedNotesToUserDir(m_userDir, notes::NoteChecksFromChord(m_mask, 0), window()))
        Recompute();
}

}  // namespace dialogs
