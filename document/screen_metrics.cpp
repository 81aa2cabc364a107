#include "document/screen_metrics.h"

#include <cmath>
#include <utility>

#include "engine/muldiv.h"

using engine::MulDiv;

void CDpiHelper::EnsureDpi()
{
    if (m_bDpiRead)
        return;
    m_bDpiRead = 1;
    if (!m_pScreen)
        return;
    const std::optional<ScreenResolution> res = m_pScreen->PrimaryResolution();
    if (!res)
        return;
    m_nDpiX = res->logicalDpiX;
    m_nDpiY = res->logicalDpiY;
    const double ratio = res->devicePixelRatio > 0 ? res->devicePixelRatio : 1.0;
    m_nClassDpiX = static_cast<int>(std::lround(m_nDpiX * ratio));
    m_nClassDpiY = static_cast<int>(std::lround(m_nDpiY * ratio));
}

void CDpiHelper::ScaleRect(Rect& r)
{
    if (!m_bScaling)
        return;
    EnsureDpi();
    r.left = MulDiv(r.left, m_nDpiX, 96);
    r.right = MulDiv(r.right, m_nDpiX, 96);
    r.top = MulDiv(r.top, m_nDpiY, 96);
    r.bottom = MulDiv(r.bottom, m_nDpiY, 96);
}

void CDpiHelper::ScalePoint(Point& p)
{
    if (!m_bScaling)
        return;
    EnsureDpi();
    p.x = MulDiv(p.x, m_nDpiX, 96);
    p.y = MulDiv(p.y, m_nDpiY, 96);
}

void CDpiHelper::UnscalePoint(Point& p)
{
    if (!m_bScaling)
        return;
    EnsureDpi();
    p.x = MulDiv(p.x, 96, m_nDpiX);
    p.y = MulDiv(p.y, 96, m_nDpiY);
}

int CDpiHelper::GetDpiX()
{
    EnsureDpi();
    return m_nDpiX;
}

int CDpiHelper::GetDpiY()
{
    EnsureDpi();
    return m_nDpiY;
}

int CDpiHelper::GetClassDpiX()
{
    EnsureDpi();
    return m_nClassDpiX;
}

int CDpiHelper::GetClassDpiY()
{
    EnsureDpi();
    return m_nClassDpiY;
}

std::uint8_t CDpiHelper::GetDpiClass()
{
    EnsureDpi();
    const int mean = MulDiv(m_nClassDpiX + m_nClassDpiY, 1, 2);
    if (mean > 176)
        return 3;
    if (mean > 132)
        return 2;
    return 0;
}

Size CDpiHelper::GetDesktopSize() const
{
    if (!m_pScreen)
        return {};
    const Rect geometry = m_pScreen->PrimaryGeometry();
    const std::optional<ScreenResolution> res = m_pScreen->PrimaryResolution();
    const double ratio = res && res->devicePixelRatio > 0 ? res->devicePixelRatio : 1.0;
    return {static_cast<int>(std::lround(geometry.width() * ratio)),
            static_cast<int>(std::lround(geometry.height() * ratio))};
}

bool CDpiHelper::IsDesktopAtLeast(int cx, int cy) const
{
    if (!m_pScreen)
        return false;
    const Size desktop = GetDesktopSize();
    return desktop.cx >= cx && desktop.cy >= cy;
}

std::uint16_t COSVersion::Detect()
{
    if (m_bDetected)
        return 17;
    OsVersionInfoEx info;
    info.platformId = kPlatformWin32Nt;
    info.majorVersion = 10;
    info.minorVersion = 0;
    info.productType = kProductWorkstation;
    CopyVersionInfoEx(info);
    m_bDetected = 1;
    return 16;
}

void COSVersion::CopyVersionInfo(const OsVersionInfo& info)
{
    m_nPlatformId = info.platformId;
    m_nMajorVersion = info.majorVersion;
    m_nMinorVersion = info.minorVersion;
    FetchSystemInfo();
}

void COSVersion::CopyVersionInfoEx(const OsVersionInfoEx& info)
{
    m_nPlatformId = info.platformId;
    m_nMajorVersion = info.majorVersion;
    m_nMinorVersion = info.minorVersion;
    m_wServicePackMajor = info.servicePackMajor;
    m_wServicePackMinor = info.servicePackMinor;
    m_wSuiteMask = info.suiteMask;
    m_bProductType = info.productType;
    FetchSystemInfo();
}

void COSVersion::FetchSystemInfo()
{
    if (m_bSysInfoRead == 1)
        return;
    if (m_pOs && m_pOs->CpuArchitecture() == "x86_64")
        m_wProcessorArchitecture = kProcessorArchitectureAmd64;
    m_bSysInfoRead = 1;
}

std::uint16_t COSVersion::GetServicePack(std::uint16_t& minor) const
{
    minor = m_wServicePackMinor;
    return m_wServicePackMajor;
}

bool COSVersion::IsNtPlatform() const
{
    return m_nPlatformId != kPlatformWin32s && m_nPlatformId != kPlatformWin32Windows;
}

int COSVersion::GetPlatformStringId() const
{
    if (m_nPlatformId == kPlatformWin32s || m_nPlatformId == kPlatformWin32Windows)
        return 157;
    if (m_nPlatformId != kPlatformWin32Nt)
        return 0;
    const bool workstation = m_bProductType == kProductWorkstation;
    if (m_nMajorVersion == 5 && m_nMinorVersion == 1)
        return 160;
    if (m_nMajorVersion == 5 && m_nMinorVersion == 2)
        return workstation && m_wProcessorArchitecture == kProcessorArchitectureAmd64 ? 166 : 161;
    if (m_nMajorVersion == 6 && m_nMinorVersion == 0)
        return workstation ? 162 : 164;
    if (m_nMajorVersion == 6 && m_nMinorVersion == 1)
        return workstation ? 163 : 165;
    if (m_nMajorVersion == 6 && m_nMinorVersion == 2)
        return workstation ? 157 : 168;
    return 157;
}

namespace document {

namespace {

DrawingErrorSink& drawingErrorSink()
{
    static DrawingErrorSink sink;
    return sink;
}

}  // namespace

std::string_view OsVersionName(int stringId)
{
    switch (stringId) {
    case 152: return "Windows 8.1";
    case 153: return "Windows 10";
    case 154: return "Windows 7 SP1";
    case 155: return "Windows 98";
    case 156: return "Windows ME";
    case 157: return "Windows";
    case 158: return "Windows NT 4.0";
    case 159: return "Windows 2000";
    case 160: return "Windows XP";
    case 161: return "Windows Server 2003";
    case 162: return "Windows Vista";
    case 163: return "Windows 7";
    case 164: return "Windows Server 2008";
    case 165: return "Windows Server 2008 R2";
    case 166: return "Windows XP Pro x64 Edition";
    case 167: return "Windows 8";
    case 168: return "Windows Server 2012";
    default: return {};
    }
}

std::string ErrorMB(int flag, const std::string& callerName, const std::string& detail)
{
    std::string text;
    switch (flag) {
    case 0:
        text = "Error pDC->TextOut() failed - returned 0" + callerName;
        break;
    case 1:
        text = "Error pDC->Ellipse() failed - returned 0" + callerName;
        break;
    case 2:
        text = "Error pDC->SelectObject(" + detail + ") failed - NULL return Calling func: " + callerName;
        break;
    case 3:
        text = "Error Loading String: " + detail;
        break;
    default:
        text = "ErrorMB: Undefined Error flag." + callerName;
        break;
    }
    if (const DrawingErrorSink& sink = drawingErrorSink())
        sink(text);
    return text;
}

DrawingErrorSink SetDrawingErrorSink(DrawingErrorSink sink)
{
    return std::exchange(drawingErrorSink(), std::move(sink));
}

void RemoveDuplicateFonts(std::vector<std::string>& fonts)
{
    std::vector<std::string> unique;
    std::string previous;
    for (const std::string& face : fonts) {
        if (face != previous)
            unique.push_back(face);
        previous = face;
    }
    if (unique.size() < fonts.size() && !unique.empty())
        fonts = std::move(unique);
}

std::uint8_t FindMissingFonts(const std::vector<std::string>& fonts, const std::string& a,
                              const std::string& b, const std::string& c)
{
    std::uint8_t missing = 7;
    for (const std::string& face : fonts) {
        if (face == a)
            missing &= ~1u;
        if (face == b)
            missing &= ~2u;
        if (face == c)
            missing &= ~4u;
        if (missing == 0)
            break;
    }
    return missing;
}

}  // namespace document
