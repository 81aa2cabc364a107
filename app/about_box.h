#pragma once
#include <string>

#include <QFont>

#include "app/os_version.h"
#include "app/version_info.h"
#include "platform/template_dialog.h"

class CStaticLink;

// The About box: product name, version and copyright from the program's
// version resource, the platform line (a click shows or hides its details)
// and the maker's web link.
class AboutBox : public platform::TemplateDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    static constexpr int kIdProductName = 1093;
    static constexpr int kIdVersion = 1218;
    static constexpr int kIdCopyright = 1219;
    static constexpr int kIdPlatform = 1103;
    static constexpr int kIdLink = 1207;

    void OnClickedPlatform();
    void ShowPlatform();
    CStaticLink* Link() const { return m_link; }

    QFont m_fontBold;
    int m_bHideDetail = 1;
    CVersionInfo m_versionInfo;
    CStaticLink* m_link = nullptr;
    COSVersion m_osVersion;
    double m_dAspectRatio = 1.0;
    // The running system's name for the platform line.
    std::string m_strSystemName;

protected:
    QWidget* CreateCustomControl(const platform::ControlTemplate& control, QWidget* parent) override;
    void BindControls() override;
    bool OnInitDialog() override;
};
