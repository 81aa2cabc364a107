#include "app/screen_port.h"

#include <cmath>

CScreenPort::CScreenPort(const ScreenInfo& screen, std::function<bool()> hasView)
    : m_screen(screen), m_hasView(std::move(hasView)), m_dpi(&screen)
{
}

std::optional<ports::DisplayMetrics> CScreenPort::ViewDisplayMetrics() const
{
    if (m_hasView && !m_hasView())
        return std::nullopt;
    ports::DisplayMetrics metrics;
    metrics.dpiX = m_dpi.GetClassDpiX();
    metrics.dpiY = m_dpi.GetClassDpiY();
    const Rect desktop = m_screen.PrimaryGeometry();
    const auto resolution = m_screen.PrimaryResolution();
    const double ratio = resolution && resolution->devicePixelRatio > 0 ? resolution->devicePixelRatio : 1.0;
    // The desktop's right and bottom edges, as the desktop-size test reads them.
    metrics.desktopWidth = static_cast<int>(std::lround(desktop.right * ratio));
    metrics.desktopHeight = static_cast<int>(std::lround(desktop.bottom * ratio));
    return metrics;
}
