#include "view/ellipse_drawer.h"

CEllipseDrawer::CEllipseDrawer(std::uint8_t mode)
{
    Reset();
    m_nMode = mode == kEllipseModeGdiplus ? kEllipseModeGdiplus : kEllipseModeGdi;
    if (m_nMode == kEllipseModeGdiplus)
        StartupGdiplus();
}

void CEllipseDrawer::Reset()
{
    m_bGdiplusStarted = 0;
    m_nMode = kEllipseModeGdi;
}

void CEllipseDrawer::StartupGdiplus()
{
    m_bGdiplusStarted = 1;
}

void CEllipseDrawer::ShutdownGdiplus()
{
    m_bGdiplusStarted = 0;
}

bool ResolveEllipseColour(const platform::Surface& surface, std::uint32_t word, COLORREF& colour)
{
    if (word & kEllipseTextColour) {
        colour = surface.textColour();
        return true;
    }
    colour = word & 0xFFFFFF;
    return false;
}

platform::Brush SelectPenColourBrush(platform::Surface& surface)
{
    return surface.selectBrush(platform::Brush{surface.dcPenColour()});
}

void CEllipseDrawer::DrawEllipses(platform::Surface& surface, const std::vector<Rect>& rects,
                                  const std::vector<std::uint32_t>& colours) const
{
    if (rects.empty() || rects.size() != colours.size())
        return;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect& box = rects[i];
        const std::uint32_t word = colours[i];
        COLORREF colour = 0;
        const bool fromText = ResolveEllipseColour(surface, word, colour);
        const bool filled = (word & kEllipseFilled) != 0;

        if (m_nMode == kEllipseModeGdiplus) {
            const std::uint32_t r = colour & 0xFF;
            const std::uint32_t g = (colour >> 8) & 0xFF;
            const std::uint32_t b = (colour >> 16) & 0xFF;
            surface.plusEllipse(box, 0xFF000000u | r << 16 | g << 8 | b, filled);
            continue;
        }

        // The DC-pen colour only tints the stock DC pen, which is not the
        // one selected, so the outline keeps the current pen; it matters for
        // the fill brush below.
        platform::Colour oldPenColour = 0;
        if (!fromText)
            oldPenColour = surface.setDcPenColour(word & 0xFFFFFF);
        platform::Brush oldBrush;
        if (filled)
            oldBrush = SelectPenColourBrush(surface);
        surface.ellipse(box);
        if (filled)
            surface.selectBrush(oldBrush);
        if (!fromText)
            surface.setDcPenColour(oldPenColour);
    }
}
