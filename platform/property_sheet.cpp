#include "platform/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/dialog_fit.h"
#include "platform/dialog_keys.h"

namespace platform {

PropertyPage::PropertyPage(const DialogTemplate& dialog, QWidget* parent)
    : QWidget(parent), TemplateHost(*this, dialog)
{
    setMinimumSize(TemplateBuilder::DialogSize(dialog));
    setFont(TemplateBuilder::TemplateFont(dialog));
}

void PropertyPage::Create()
{
    if (m_created)
        return;
    m_created = true;
    BuildControls();
    BindControls();
    OnInitDialog();
}

void PropertyPage::SetModified(bool modified)
{
    m_modified = modified;
    if (m_sheet)
        m_sheet->PageModified();
}

bool PropertyPage::OnInitDialog()
{
    UpdateData(false);
    return true;
}

bool PropertyPage::OnSetActive()
{
    if (m_firstSetActive)
        m_firstSetActive = false;
    else
        UpdateData(false);
    return true;
}

bool PropertyPage::OnKillActive()
{
    return UpdateData(true);
}

bool PropertyPage::OnApply()
{
    OnOK();
    return true;
}

PropertySheet::PropertySheet(const QString& caption, int startPage, bool noApplyNow, QWidget* parent)
    : Dialog(parent), m_startPage(startPage), m_noApplyNow(noApplyNow)
{
    setWindowTitle(caption);
}

void PropertySheet::AddPage(PropertyPage* page)
{
    page->m_sheet = this;
    m_pages.push_back(page);
    if (m_tabs)
        m_tabs->addTab(page, QString::fromUtf8(page->Template().caption));
    else
        page->setParent(this);
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int PropertySheet::GetActiveIndex() const
{
    return m_current;
}

QAbstractButton* PropertySheet::OkButton() const
{
    return m_buttons ? m_buttons->button(QDialogButtonBox::Ok) : nullptr;
}

QAbstractButton* PropertySheet::CancelButton() const
{
    return m_buttons ? m_buttons->button(QDialogButtonBox::Cancel) : nullptr;
}

void PropertySheet::OnCreate()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setUsesScrollButtons(false);
    if (!m_pages.empty())
        setFont(m_pages.front()->font());
    for (PropertyPage* page : m_pages)
        m_tabs->addTab(page, QString::fromUtf8(page->Template().caption));

    auto buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    if (!m_noApplyNow)
        buttons |= QDialogButtonBox::Apply;
    m_buttons = new QDialogButtonBox(buttons, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    if (!m_noApplyNow) {
        m_apply = m_buttons->button(QDialogButtonBox::Apply);
        m_apply->setText(tr("&Apply"));
        m_apply->setEnabled(false);
        connect(m_apply, &QPushButton::clicked, this, [this] { OnApplyNow(); });
    }
    connect(m_buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, [this] { OnCancel(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitToScreen();

    const int start = m_startPage >= 0 && m_startPage < GetPageCount() ? m_startPage : 0;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(start);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::OnTabChanged);
    Activate(start);
}

void PropertySheet::FitToScreen()
{
    const QSize room = ClientRoom(*this);
    const QSize natural = layout()->totalSizeHint();
    if (natural.width() <= room.width() && natural.height() <= room.height())
        return;

    QSize page(0, 0);
    for (const PropertyPage* p : m_pages)
        page = page.expandedTo(p->minimumSize());
    std::vector<FitScrollArea*> scrolls;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->clear();
        for (PropertyPage* p : m_pages) {
            auto* scroll = new FitScrollArea;
            scroll->setWidget(p);
            m_tabs->addTab(scroll, QString::fromUtf8(p->Template().caption));
            scrolls.push_back(scroll);
        }
    }
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Room for a page: the screen's less what the tabs and buttons take beside it.
    QSize pageRoom = room - (natural - page);
    for (int pass = 0; pass < 2; ++pass) {
        const QSize area = ScrolledArea(page, pageRoom.expandedTo(QSize(extent, extent) * 2), extent);
        for (FitScrollArea* scroll : scrolls)
            scroll->SetHint(area);
        m_tabs->updateGeometry();
        if (layout()->totalSizeHint().width() > room.width() && !m_tabs->usesScrollButtons()) {
            m_tabs->setUsesScrollButtons(true);  // a tab bar wider than the screen
            m_tabs->updateGeometry();
        }
        const QSize over = (layout()->totalSizeHint() - room).expandedTo(QSize(0, 0));
        if (over.isNull())
            break;
        pageRoom = area - over;
    }
}

void PropertySheet::Activate(int index)
{
    PropertyPage* page = GetPage(index);
    m_current = page ? index : -1;
    if (!page)
        return;
    page->Create();
    if (m_tabs)
        MoveAfterInTabOrder(*m_tabs->tabBar(), *page);
    page->OnSetActive();
}

void PropertySheet::OnTabChanged(int index)
{
    if (m_switching || index == m_current)
        return;
    m_switching = true;
    const int from = m_current;
    // The page being left stays in view while it validates, so its message
    // and the control it focuses are where the user looks.
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(from);
    }
    SetActivePage(index);
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_current);
    }
    m_switching = false;
}

bool PropertySheet::SetActivePage(int index)
{
    if (!GetPage(index))
        return false;
    if (index == m_current)
        return true;
    if (PropertyPage* leaving = GetActivePage(); leaving && !leaving->OnKillActive())
        return false;
    if (m_tabs) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
    Activate(index);
    return true;
}

void PropertySheet::PageModified()
{
    if (!m_apply)
        return;
    bool any = false;
    for (PropertyPage* page : m_pages)
        any = any || page->IsModified();
    m_apply->setEnabled(any);
}

void PropertySheet::OnOK()
{
    if (PropertyPage* active = GetActivePage(); active && !active->OnKillActive())
        return;
    for (PropertyPage* page : m_pages) {
        if (page->IsCreated() && !page->OnApply())
            return;
    }
    done(QDialog::Accepted);
}

void PropertySheet::OnCancel()
{
    for (PropertyPage* page : m_pages) {
        if (page->IsCreated())
            page->OnCancel();
    }
    done(QDialog::Rejected);
}

bool PropertySheet::OnApplyNow()
{
    if (PropertyPage* active = GetActivePage(); active && !active->OnKillActive())
        return false;
    for (PropertyPage* page : m_pages) {
        if (page->IsCreated() && !page->OnApply())
            return false;
    }
    for (PropertyPage* page : m_pages)
        page->m_modified = false;
    PageModified();
    return true;
}

void PropertySheet::done(int result)
{
    m_lastActive = m_current;
    Dialog::done(result);
}

}  // namespace platform
