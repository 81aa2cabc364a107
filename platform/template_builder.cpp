#include "platform/template_builder.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSlider>

#include "engine/muldiv.h"
#include "platform/dialog_keys.h"
#include "platform/dialog_scroll_bar.h"
#include "platform/list_boxes.h"
#include "platform/notify_label.h"
#include "platform/up_down.h"

namespace platform {

namespace {

const char* const kRadioGroupPrefix = "radio group ";
const char* const kContentsProperty = "template contents";

Qt::Alignment TextAlignment(unsigned s)
{
    Qt::Alignment a = s & style::kCenter ? Qt::AlignHCenter : s & style::kRight ? Qt::AlignRight : Qt::AlignLeft;
    a |= s & style::kVCenter ? Qt::AlignVCenter : Qt::AlignTop;
    return a;
}

QWidget* MakeControl(const ControlTemplate& c, QWidget& host, const TemplateBuilder::CustomFactory& custom)
{
    const QString text = QString::fromUtf8(c.text);
    const bool vertical = c.style & style::kVertical;
    switch (c.kind) {
    case ControlKind::Label: {
        QLabel* label = c.style & style::kNotify ? new NotifyLabel(text, &host) : new QLabel(text, &host);
        label->setAlignment(TextAlignment(c.style));
        label->setWordWrap(c.style & style::kWrap);
        if (c.style & style::kSunken)
            label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        return label;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(&host);
        frame->setFrameStyle(c.style & style::kSunken ? (QFrame::StyledPanel | QFrame::Sunken)
                                                      : (QFrame::Box | QFrame::Plain));
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(&host);
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, &host);
        edit->setReadOnly(c.style & style::kReadOnly);
        edit->setAlignment((c.style & style::kCenter ? Qt::AlignHCenter
                            : c.style & style::kRight ? Qt::AlignRight
                                                      : Qt::AlignLeft) | Qt::AlignVCenter);
        return edit;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, &host);
        button->setDefault(c.style & style::kDefault);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, &host);
    case ControlKind::RadioButton:
        return new QRadioButton(text, &host);
    case ControlKind::GroupBox:
        return new QGroupBox(text, &host);
    case ControlKind::ListBox: {
        auto* list = new ListBox(&host);
        list->setProperty("sorted", bool(c.style & style::kSorted));
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        return list;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(&host);
        combo->setProperty("sorted", bool(c.style & style::kSorted));
        return combo;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new DialogScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, &host);
        TakeKeys(*bar);
        return bar;
    }
    case ControlKind::Slider: {
        auto* slider = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, &host);
        TakeKeys(*slider);
        return slider;
    }
    case ControlKind::UpDown:
        return new UpDown(&host);
    case ControlKind::Custom:
        if (custom) {
            if (QWidget* w = custom(c, &host)) {
                w->setParent(&host);
                return w;
            }
        }
        return new QWidget(&host);
    }
    return new QWidget(&host);
}

}  // namespace

QFont TemplateBuilder::TemplateFont(const DialogTemplate& dialog)
{
    QFont font(QString::fromUtf8(dialog.fontFace), dialog.pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BaseUnits TemplateBuilder::BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(advance / 26 + 1) / 2, metrics.height()};
}

QRect TemplateBuilder::ToPixels(const BaseUnits& u, int x, int y, int w, int h)
{
    const int left = engine::MulDiv(x, u.x, 4);
    const int top = engine::MulDiv(y, u.y, 8);
    const int right = engine::MulDiv(x + w, u.x, 4);
    const int bottom = engine::MulDiv(y + h, u.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

QSize TemplateBuilder::DialogSize(const DialogTemplate& dialog)
{
    return ToPixels(BaseUnitsOf(TemplateFont(dialog)), 0, 0, dialog.width, dialog.height).size();
}

void TemplateBuilder::Build(QWidget& host, const DialogTemplate& dialog, const CustomFactory& custom)
{
    const QFont font = TemplateFont(dialog);
    host.setFont(font);
    const BaseUnits units = BaseUnitsOf(font);

    std::vector<QWidget*> made;
    std::vector<QLabel*> mnemonicLabels;
    std::vector<QGroupBox*> groupBoxes;
    QButtonGroup* radios = nullptr;
    std::vector<QButtonGroup*> radioGroups;

    for (const ControlTemplate& c : dialog.controls) {
        QWidget* w = MakeControl(c, host, custom);
        if (c.id >= 0)
            w->setObjectName(QString::number(c.id));
        QRect r = ToPixels(units, c.x, c.y, c.w, c.h);
        if (c.kind == ControlKind::ComboBox)
            r.setHeight(w->sizeHint().height());  // a template's combo height counts the open list
        w->setGeometry(r);

        if (c.style & style::kGroup)
            radios = nullptr;
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (!radios) {
                radios = new QButtonGroup(&host);
                radios->setObjectName(kRadioGroupPrefix + QString::number(c.id));
                radioGroups.push_back(radios);
            }
            radios->addButton(radio, static_cast<int>(radios->buttons().size()));
        }
        if (auto* updown = qobject_cast<UpDown*>(w); updown && (c.style & style::kAutoBuddy) && !made.empty()) {
            if (auto* edit = qobject_cast<QLineEdit*>(made.back())) {
                updown->setBuddy(edit);
                QRect e = edit->geometry();
                e.setWidth(e.width() - r.width());
                edit->setGeometry(e);
                updown->setGeometry(e.right() + 1, e.top(), r.width(), e.height());
            }
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == ControlKind::Label
            && QString::fromUtf8(c.text).contains(QLatin1Char('&')))
            mnemonicLabels.push_back(label);
        if (auto* box = qobject_cast<QGroupBox*>(w))
            groupBoxes.push_back(box);

        // Explicitly, since a page is built while its sheet may already show.
        w->setHidden(c.style & style::kHidden);
        if (c.style & style::kDisabled)
            w->setEnabled(false);
        made.push_back(w);
    }

    // A label's mnemonic moves the focus to the control that follows it.
    for (QLabel* label : mnemonicLabels) {
        auto it = std::find(made.begin(), made.end(), label);
        QWidget* buddy = nullptr;
        for (++it; it != made.end() && !buddy; ++it) {
            if ((*it)->focusPolicy() != Qt::NoFocus)
                buddy = *it;
        }
        if (buddy)
            label->setBuddy(buddy);
        else
            label->setText(label->text().remove(QRegularExpression(QStringLiteral("&(?!&)"))));
    }
    // Group boxes frame the controls drawn over them.
    for (QGroupBox* box : groupBoxes)
        box->lower();
    for (QButtonGroup* group : radioGroups)
        KeepTabStopOnChecked(*group);
}

QWidget* FindControl(const QWidget& host, int id)
{
    const QString name = QString::number(id);
    if (QWidget* control = host.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
        return control;
    if (auto* contents = qobject_cast<QWidget*>(host.property(kContentsProperty).value<QObject*>()))
        return contents->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    return nullptr;
}

void SetTemplateContents(QWidget& host, QWidget& contents)
{
    host.setProperty(kContentsProperty, QVariant::fromValue(static_cast<QObject*>(&contents)));
}

QButtonGroup* RadioGroup(const QWidget& host, int firstId)
{
    return host.findChild<QButtonGroup*>(kRadioGroupPrefix + QString::number(firstId), Qt::FindDirectChildrenOnly);
}

QString ControlText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(control))
        return box->title();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return control ? control->windowTitle() : QString();
}

void SetControlText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(text);
    else if (control)
        control->setWindowTitle(text);
}

}  // namespace platform
