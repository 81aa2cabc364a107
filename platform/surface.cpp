#include "platform/surface.h"

#include <cstdlib>

#include "engine/muldiv.h"

namespace platform {

using engine::MulDiv;

namespace {
constexpr int kHiEnglishPerInch = 1000;
constexpr int kTwipsPerInch = 1440;
constexpr int kScreenPixelsPerInch = 96;
}  // namespace

Mapping::Mapping(MapMode mode, Point scroll, int deviceDpiX, int deviceDpiY, int logPixelsX, int logPixelsY)
    : m_mode(mode),
      m_scroll(scroll),
      m_unitsPerInch(mode == MapMode::HiEnglish ? kHiEnglishPerInch : kTwipsPerInch),
      m_deviceDpiX(deviceDpiX),
      m_deviceDpiY(deviceDpiY),
      m_logPixelsX(logPixelsX),
      m_logPixelsY(logPixelsY)
{
}

Mapping Mapping::screen(Point scroll, int logPixelsX, int logPixelsY)
{
    return Mapping(MapMode::HiEnglish, scroll, kScreenPixelsPerInch, kScreenPixelsPerInch, logPixelsX,
                   logPixelsY);
}

Mapping Mapping::printer(int dpiX, int dpiY)
{
    return Mapping(MapMode::Twips, {}, dpiX, dpiY, dpiX, dpiY);
}

Point Mapping::lpToDp(Point p) const
{
    return {MulDiv(p.x, m_deviceDpiX, m_unitsPerInch) - m_scroll.x,
            MulDiv(-p.y, m_deviceDpiY, m_unitsPerInch) - m_scroll.y};
}

Point Mapping::dpToLp(Point p) const
{
    return {MulDiv(p.x + m_scroll.x, m_unitsPerInch, m_deviceDpiX),
            -MulDiv(p.y + m_scroll.y, m_unitsPerInch, m_deviceDpiY)};
}

Rect Mapping::lpToDp(const Rect& r) const
{
    const Point a = lpToDp(r.topLeft());
    const Point b = lpToDp(r.bottomRight());
    return {a.x, a.y, b.x, b.y};
}

Rect Mapping::dpToLp(const Rect& r) const
{
    const Point a = dpToLp(r.topLeft());
    const Point b = dpToLp(r.bottomRight());
    return {a.x, a.y, b.x, b.y};
}

Size Mapping::lpToDp(Size s) const
{
    return {std::abs(MulDiv(s.cx, m_deviceDpiX, m_unitsPerInch)),
            std::abs(MulDiv(s.cy, m_deviceDpiY, m_unitsPerInch))};
}

int Mapping::lengthToLpX(int deviceLength) const
{
    return MulDiv(deviceLength, m_unitsPerInch, m_deviceDpiX);
}

int Mapping::lengthToLpY(int deviceLength) const
{
    return MulDiv(deviceLength, m_unitsPerInch, m_deviceDpiY);
}

int Mapping::penWidthToDp(int logicalWidth) const
{
    const int w = std::abs(MulDiv(logicalWidth, m_deviceDpiX, m_unitsPerInch));
    return w < 1 ? 1 : w;
}

int Mapping::fontHeightToDp(int logicalHeight) const
{
    return std::abs(MulDiv(logicalHeight, m_deviceDpiY, m_unitsPerInch));
}

int Mapping::pointFontHeight(int tenths) const
{
    const int pixels = MulDiv(tenths, m_logPixelsY, 720);
    return -std::abs(MulDiv(pixels, m_unitsPerInch, m_deviceDpiY));
}

int Surface::deviceCaps(DeviceCap cap) const
{
    switch (cap) {
    case DeviceCap::NumColors:
        return -1;
    case DeviceCap::LogPixelsX:
        return m_mapping.logPixelsX();
    case DeviceCap::LogPixelsY:
        return m_mapping.logPixelsY();
    }
    return 0;
}

Pen Surface::selectPen(const Pen& pen)
{
    Pen old = m_state.pen;
    m_state.pen = pen;
    stateChanged(Change::Pen);
    return old;
}

Brush Surface::selectBrush(const Brush& brush)
{
    Brush old = m_state.brush;
    m_state.brush = brush;
    stateChanged(Change::Brush);
    return old;
}

LogFont Surface::selectFont(const LogFont& font)
{
    LogFont old = m_state.font;
    m_state.font = font;
    stateChanged(Change::Font);
    return old;
}

Colour Surface::setTextColour(Colour colour)
{
    const Colour old = m_state.textColour;
    m_state.textColour = colour;
    stateChanged(Change::TextColour);
    return old;
}

Colour Surface::setBkColour(Colour colour)
{
    const Colour old = m_state.bkColour;
    m_state.bkColour = colour;
    stateChanged(Change::BkColour);
    return old;
}

BkMode Surface::setBkMode(BkMode mode)
{
    const BkMode old = m_state.bkMode;
    m_state.bkMode = mode;
    stateChanged(Change::BkMode);
    return old;
}

Colour Surface::setDcPenColour(Colour colour)
{
    const Colour old = m_state.dcPenColour;
    m_state.dcPenColour = colour;
    stateChanged(Change::DcPenColour);
    return old;
}

void Surface::moveTo(Point p)
{
    m_state.position = p;
    stateChanged(Change::Position);
}

bool Surface::lineTo(Point p)
{
    const bool ok = drawLine(m_state.position, p);
    m_state.position = p;
    return ok;
}

bool Surface::textOut(Point topLeft, std::string_view text)
{
    return drawText(topLeft, text);
}

Size Surface::textExtent(std::string_view text) const
{
    return measureText(text);
}

bool Surface::ellipse(const Rect& box)
{
    return drawEllipse(box);
}

void Surface::plusEllipse(const Rect& box, Argb colour, bool filled)
{
    drawPlusEllipse(box, colour, filled);
}

void Surface::invertRect(const Rect& rect)
{
    drawInvertedRect(rect);
}

}  // namespace platform
