#include "platform/template_dialog.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QPainter>
#include <QStyle>

#include "platform/dialog_fit.h"

namespace platform {

namespace {

// The template's area when it scrolls; what the dialog draws under its
// controls is drawn here then.
class TemplateArea : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QSize&)>;
    TemplateArea(QWidget* parent, Painter paint) : QWidget(parent), m_paint(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_paint(painter, size());
    }

private:
    Painter m_paint;
};

}  // namespace

bool TemplateHost::UpdateData(bool saveAndValidate)
{
    DataExchange dx(m_self, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void TemplateHost::EnableControl(int id, bool enable) const
{
    if (QWidget* w = Control(id))
        w->setEnabled(enable);
}

void TemplateHost::ShowControl(int id, bool show) const
{
    if (QWidget* w = Control(id))
        w->setVisible(show);
}

void TemplateHost::BuildControls()
{
    TemplateBuilder::Build(m_self, m_template, [this](const ControlTemplate& c, QWidget* parent) {
        return CreateCustomControl(c, parent);
    });
}

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, QWidget* parent)
    : Dialog(parent), TemplateHost(*this, dialog)
{
    setWindowTitle(QString::fromUtf8(dialog.caption));
}

QAbstractButton* TemplateDialog::OkButton() const
{
    return TemplateHost::Control<QAbstractButton>(kIdOk);
}

QAbstractButton* TemplateDialog::CancelButton() const
{
    return TemplateHost::Control<QAbstractButton>(kIdCancel);
}

void TemplateDialog::OnCreate()
{
    BuildControls();
    FitToScreen();
    if (QAbstractButton* ok = OkButton())
        connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    if (QAbstractButton* cancel = CancelButton())
        connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    BindControls();
    OnInitDialog();
}

void TemplateDialog::FitToScreen()
{
    const QSize natural = TemplateBuilder::DialogSize(Template());
    const QSize room = ClientRoom(*this);
    if (natural.width() <= room.width() && natural.height() <= room.height()) {
        setFixedSize(natural);
        return;
    }

    m_contents = new TemplateArea(this, [this](QPainter& painter, const QSize& area) { PaintTemplate(painter, area); });
    m_contents->setFixedSize(natural);
    std::vector<QWidget*> pinned;
    for (QWidget* button : {static_cast<QWidget*>(OkButton()), static_cast<QWidget*>(CancelButton())}) {
        if (button)
            pinned.push_back(button);
    }
    // In child order, which is the stacking order; the focus chain stays the window's.
    const QObjectList children = this->children();
    for (QObject* child : children) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w == m_contents || w->isWindow())
            continue;
        if (std::find(pinned.begin(), pinned.end(), w) != pinned.end())
            continue;
        const bool hidden = w->isHidden();
        w->setParent(m_contents);
        w->setHidden(hidden);
    }
    SetTemplateContents(*this, *m_contents);

    const QSize gap = TemplateBuilder::ToPixels(TemplateBuilder::BaseUnitsOf(font()), 0, 0, 4, 4).size();
    auto* row = new QHBoxLayout;
    row->setContentsMargins(gap.width(), gap.height(), gap.width(), gap.height());
    row->setSpacing(gap.width());
    row->addStretch();
    int rowWidth = 2 * gap.width();
    int buttonHeight = 0;
    for (QWidget* button : pinned) {
        button->setFixedSize(button->size());
        row->addWidget(button);
        rowWidth += button->width() + gap.width();
        buttonHeight = std::max(buttonHeight, button->height());
    }
    const int rowHeight = pinned.empty() ? 0 : buttonHeight + 2 * gap.height();

    auto* scroll = new FitScrollArea(this);
    scroll->setWidget(m_contents);
    const int extent = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize area =
        ScrolledArea(natural, QSize(room.width(), std::max(room.height() - rowHeight, rowHeight)), extent);
    scroll->SetHint(area);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll);
    layout->addLayout(row);
    setFixedSize(std::max(area.width(), rowWidth), area.height() + rowHeight);
}

void TemplateDialog::paintEvent(QPaintEvent* event)
{
    Dialog::paintEvent(event);
    if (!m_contents) {
        QPainter painter(this);
        PaintTemplate(painter, size());
    }
}

bool TemplateDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void TemplateDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(QDialog::Accepted);
}

void TemplateDialog::OnCancel()
{
    EndDialog(QDialog::Rejected);
}

}  // namespace platform
