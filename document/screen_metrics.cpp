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

namespace document {

namespace {

DrawingErrorSink& drawingErrorSink()
{
    static DrawingErrorSink sink;
    return sink;
}

}  // namespace

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
