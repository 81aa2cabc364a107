#include "dialogs/options/html_applet_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "dialogs/options/options_templates.h"
#include "platform/colour_dialog.h"
#include "platform/qt_colour.h"
#include "platform/template_builder.h"

namespace dialogs {

namespace {

constexpr int kMaxLeftMargin = 80;
constexpr int kMaxRowSeparation = 12;
constexpr int kDefaultRowSeparation = 2;

QString StyleSheetColour(COLORREF c)
{
    const QColor q = platform::toQColor(c);
    return QStringLiteral("rgb(%1, %2, %3)").arg(q.red()).arg(q.green()).arg(q.blue());
}

}  // namespace

HtmlAppletPage::HtmlAppletPage(ports::HtmlOptions& values, QWidget* parent)
    : PropertyPage(kHtmlAppletTemplate, parent), m_values(values)
{
}

void HtmlAppletPage::BindControls()
{
    for (int control : {id::kAppletHelvetica, id::kAppletTimesRoman, id::kAppletCourier})
        connect(Control<QRadioButton>(control), &QRadioButton::clicked, this, [this] { SetModified(true); });
    for (int control : {id::kSaveAllPages, id::kShrinkToA4})
        connect(Control<QCheckBox>(control), &QCheckBox::clicked, this, [this] { SetModified(true); });
    connect(Control<QCheckBox>(id::kReducedScale), &QCheckBox::clicked, this, [this] { OnReducedScale(); });
    connect(Control<QPushButton>(id::kTextColour), &QPushButton::clicked, this,
            [this] { OnChooseColour(m_values.text); });
    connect(Control<QPushButton>(id::kBackgroundColour), &QPushButton::clicked, this,
            [this] { OnChooseColour(m_values.background); });
    connect(Control<QPushButton>(id::kDefaultColours), &QPushButton::clicked, this, [this] { OnDefaultColours(); });
    connect(Control<QSlider>(id::kLeftMargin), &QSlider::valueChanged, this, [this](int p) { OnLeftMargin(p); });
    connect(Control<QSlider>(id::kRowSeparation), &QSlider::valueChanged, this,
            [this](int p) { OnRowSeparation(p); });
}

void HtmlAppletPage::DoDataExchange(platform::DataExchange& dx)
{
    dx.Radio(id::kAppletHelvetica, m_values.appletFont);
    dx.Check(id::kReducedScale, m_values.reducedScale);
    dx.Check(id::kSaveAllPages, m_values.saveAllPages);
    dx.Check(id::kShrinkToA4, m_values.shrinkToA4);
}

bool HtmlAppletPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();

    if (m_values.leftMargin < 0 || m_values.leftMargin > kMaxLeftMargin)
        m_values.leftMargin = 0;
    auto* margin = Control<QSlider>(id::kLeftMargin);
    {
        const QSignalBlocker blocker(margin);
        margin->setRange(0, kMaxLeftMargin);
        margin->setValue(m_values.leftMargin);
    }
    platform::SetControlText(Control(id::kLeftMarginValue), QString::number(margin->value()));
    platform::SetControlText(Control(id::kLeftMarginLow), QStringLiteral("0"));
    platform::SetControlText(Control(id::kLeftMarginHigh), QString::number(kMaxLeftMargin));

    if (m_values.rowSeparation < 0 || m_values.rowSeparation > kMaxRowSeparation)
        m_values.rowSeparation = kDefaultRowSeparation;
    auto* rows = Control<QSlider>(id::kRowSeparation);
    {
        const QSignalBlocker blocker(rows);
        rows->setRange(0, kMaxRowSeparation);
        // The lowest value stands at the top, beside its label.
        rows->setInvertedAppearance(true);
        rows->setValue(m_values.rowSeparation);
    }
    platform::SetControlText(Control(id::kRowSeparationValue), QString::number(rows->value()));
    platform::SetControlText(Control(id::kRowSeparationLow), QStringLiteral("0"));
    platform::SetControlText(Control(id::kRowSeparationHigh), QString::number(kMaxRowSeparation));

    EnableReducedScaleControls(m_values.reducedScale != 0);
    ShowColours();
    return true;
}

void HtmlAppletPage::EnableReducedScaleControls(bool enable)
{
    // The row separation applies at any scale and stays usable.
    for (int control : {id::kReducedScaleGroup, id::kLeftMarginLow, id::kLeftMarginHigh, id::kLeftMarginValue,
                        id::kLeftMarginCaption, id::kChordFrameWidth, id::kLeftMargin})
        EnableControl(control, enable);
}

void HtmlAppletPage::OnReducedScale()
{
    m_values.reducedScale = Control<QCheckBox>(id::kReducedScale)->isChecked() ? 1 : 0;
    EnableReducedScaleControls(m_values.reducedScale != 0);
    SetModified(true);
}

void HtmlAppletPage::OnLeftMargin(int position)
{
    m_values.leftMargin = position;
    platform::SetControlText(Control(id::kLeftMarginValue), QString::number(position));
    SetModified(true);
}

void HtmlAppletPage::OnRowSeparation(int position)
{
    m_values.rowSeparation = position;
    platform::SetControlText(Control(id::kRowSeparationValue), QString::number(position));
    SetModified(true);
}

void HtmlAppletPage::OnChooseColour(COLORREF& colour)
{
    if (const auto chosen = platform::ChooseColour(colour, this)) {
        colour = *chosen;
        ShowColours();
        SetModified(true);
    }
}

void HtmlAppletPage::OnDefaultColours()
{
    m_values.text = kDefaultText;
    m_values.background = kDefaultBackground;
    ShowColours();
    SetModified(true);
}

void HtmlAppletPage::ShowColours()
{
    Control(id::kColourGroup)
        ->setStyleSheet(QStringLiteral("QGroupBox::title { color: %1; background-color: %2; }")
                            .arg(StyleSheetColour(m_values.text), StyleSheetColour(m_values.background)));
    update();
}

}  // namespace dialogs
