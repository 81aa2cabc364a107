#include "app/about_box.h"

#include "app/static_link.h"
#include "platform/notify_label.h"
#include "platform/qt_text.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
namespace style = platform::style;

constexpr ControlTemplate kAboutControls[] = {
    {AboutBox::kIdProductName, ControlKind::Label, "", 10, 10, 130, 8, 0},
    {AboutBox::kIdVersion, ControlKind::Label, "", 10, 20, 160, 8, 0},
    {AboutBox::kIdCopyright, ControlKind::Label, "", 10, 30, 225, 8, 0},
    {platform::TemplateDialog::kIdOk, ControlKind::PushButton, "OK", 250, 10, 38, 14, style::kDefault},
    {AboutBox::kIdPlatform, ControlKind::Label, "", 37, 107, 215, 8, style::kCenter | style::kNotify},
    {AboutBox::kIdLink, ControlKind::Custom, "www.varnoth.com", 105, 132, 75, 8, 0},
};

// Dialog template 100.
const platform::DialogTemplate kAboutTemplate{"About Tonalith", 300, 150, kAboutControls};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : TemplateDialog(kAboutTemplate, parent) {}

QWidget* AboutBox::CreateCustomControl(const platform::ControlTemplate& control, QWidget* parent)
{
    if (control.id != kIdLink)
        return nullptr;
    m_link = new CStaticLink(QString::fromUtf8(control.text), parent);
    return m_link;
}

void AboutBox::BindControls()
{
    if (auto* platformLine = Control<platform::NotifyLabel>(kIdPlatform))
        connect(platformLine, &platform::NotifyLabel::clicked, this, &AboutBox::OnClickedPlatform);
}

bool AboutBox::OnInitDialog()
{
    TemplateDialog::OnInitDialog();

    std::string name, copyright, caption;
    m_versionInfo.ReadVersionStrings(ProgramVersionResource(), name, copyright, caption);

    QWidget* nameLine = Control(kIdProductName);
    m_fontBold = nameLine->font();
    m_fontBold.setWeight(QFont::DemiBold);
    nameLine->setFont(m_fontBold);

    const std::string version = app::FormatVersion(caption, m_versionInfo);
    QWidget* versionLine = Control(kIdVersion);
    versionLine->setFont(m_fontBold);
    platform::SetControlText(versionLine, platform::ToQString(version));
    QWidget* copyrightLine = Control(kIdCopyright);
    copyrightLine->setFont(m_fontBold);
    platform::SetControlText(copyrightLine, platform::ToQString(copyright));
    platform::SetControlText(nameLine, platform::ToQString(name));

    ShowPlatform();
    return true;
}

void AboutBox::OnClickedPlatform()
{
    m_bHideDetail = m_bHideDetail ? 0 : 1;
    ShowPlatform();
}

void AboutBox::ShowPlatform()
{
    std::uint16_t minor = 0;
    const std::string servicePack = app::FormatServicePack(m_osVersion.GetServicePack(minor));
    const std::string line = app::PlatformLine(m_strSystemName, servicePack, m_bHideDetail != 0, m_dAspectRatio);
    platform::SetControlText(Control(kIdPlatform), platform::ToQString(line));
}
