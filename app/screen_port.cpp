#include "app/screen_port.h"

CScreenPort::CScreenPort(const ScreenInfo& screen, std::function<bool()> hasView)
    : m_hasView(std::move(hasView)), m_dpi(&screen)
{
}

std::optional<ports::DisplayMetrics> CScreenPort::ViewDisplayMetrics() const
{
    if (m_hasView && !m_hasView())
        return std::nullopt;
    ports::DisplayMetrics metrics;
    metrics.dpiX = m_dpi.GetClassDpiX();
    metrics.dpiY = m_dpi.GetClassDpiY();
    const Size desktop = m_dpi.GetDesktopSize();
    metrics.desktopWidth = desktop.cx;
    metrics.desktopHeight = desktop.cy;
    return metrics;
}
