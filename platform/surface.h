#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "document/geometry.h"

// A GDI-like drawing surface. The painters and the view draw only through
// it, in logical units of one of two mapping modes, both with y growing
// upwards:
//   screen  MM_HIENGLISH, 1000 units = 1 inch = 96 device-independent
//           pixels, origin at minus the device scroll position;
//   printer MM_TWIPS, 1440 units = 1 inch = the printer's resolution, origin
//           at the top left of the printable area.
// The surface maps every coordinate itself with the integer rounding of
// LPtoDP (MulDiv, halves away from zero), so painters, hit tests and
// invalidation agree to the pixel. Pens, brushes and fonts are values:
// select returns the one it replaced, and selecting that back restores it.
//
// A fresh surface has the GDI defaults: black 1-pixel pen, white brush,
// black text, white background colour, OPAQUE background mode, black
// DC-pen colour, current position (0, 0).

namespace platform {

// 0x00BBGGRR, red in the low byte, as GDI keeps colours. Never a QRgb.
using Colour = std::uint32_t;
// 0xAARRGGBB, as GDI+ takes colours.
using Argb = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

enum class MapMode { HiEnglish, Twips };
// GDI's values.
enum class BkMode { Transparent = 1, Opaque = 2 };
enum class DeviceCap { NumColors, LogPixelsX, LogPixelsY };

// The logical-to-device mapping of a surface, usable without one: the view
// needs it for scroll sizes, mouse points and invalidation outside paint.
class Mapping {
public:
    // The unscrolled screen at 96 dpi.
    Mapping() = default;
    // logPixels is what the device caps report: the layout dpi. The mapping
    // itself is fixed at 96 pixels per inch; layout scaling is the caller's.
    static Mapping screen(Point scroll = {}, int logPixelsX = 96, int logPixelsY = 96);
    static Mapping printer(int dpiX, int dpiY);

    MapMode mode() const { return m_mode; }
    Point scroll() const { return m_scroll; }
    int logPixelsX() const { return m_logPixelsX; }
    int logPixelsY() const { return m_logPixelsY; }

    Point lpToDp(Point p) const;
    Point dpToLp(Point p) const;
    // Both corners mapped; a y-up rectangle comes out top < bottom.
    Rect lpToDp(const Rect& r) const;
    Rect dpToLp(const Rect& r) const;
    // An extent, without the origin, as absolute device units.
    Size lpToDp(Size s) const;
    // Device lengths back to logical lengths (text extents).
    int lengthToLpX(int deviceLength) const;
    int lengthToLpY(int deviceLength) const;

    // A pen width through the x scale; never below 1 pixel.
    int penWidthToDp(int logicalWidth) const;
    // A font height through the y scale, as a positive pixel size.
    int fontHeightToDp(int logicalHeight) const;
    // The lfHeight CreatePointFont gives for tenths of a point:
    // MulDiv(tenths, LOGPIXELSY, 720) pixels, as negative logical units.
    int pointFontHeight(int tenths) const;

private:
    Mapping(MapMode mode, Point scroll, int deviceDpiX, int deviceDpiY, int logPixelsX, int logPixelsY);

    MapMode m_mode = MapMode::HiEnglish;
    Point m_scroll;
    int m_unitsPerInch = 1000;
    int m_deviceDpiX = 96;
    int m_deviceDpiY = 96;
    int m_logPixelsX = 96;
    int m_logPixelsY = 96;
};

// A geometric solid pen (round ends and joins, as ExtCreatePen gives);
// width in logical units, 0 for the stock 1-pixel pen.
struct Pen {
    int width = 0;
    Colour colour = kBlack;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Colour colour = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// The parts of a LOGFONT the program sets.
struct LogFont {
    int height = 0;  // logical units; negative is the character height, 0 the default size
    int weight = 400;
    bool italic = false;
    std::uint8_t pitchAndFamily = 0;  // only a style hint
    std::string face;                 // empty: the default face
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

struct SurfaceState {
    Pen pen;
    Brush brush;
    LogFont font;
    Colour textColour = kBlack;
    Colour bkColour = kWhite;
    BkMode bkMode = BkMode::Opaque;
    Colour dcPenColour = kBlack;
    Point position;
    friend bool operator==(const SurfaceState&, const SurfaceState&) = default;
};

class Surface {
public:
    explicit Surface(const Mapping& mapping) : m_mapping(mapping) {}
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    const Mapping& mapping() const { return m_mapping; }
    Point lpToDp(Point p) const { return m_mapping.lpToDp(p); }
    Point dpToLp(Point p) const { return m_mapping.dpToLp(p); }
    Rect lpToDp(const Rect& r) const { return m_mapping.lpToDp(r); }
    Rect dpToLp(const Rect& r) const { return m_mapping.dpToLp(r); }
    // NUMCOLORS is always -1 (more than 256 colours); LOGPIXELSX/Y as mapped.
    int deviceCaps(DeviceCap cap) const;

    const SurfaceState& state() const { return m_state; }
    const Pen& pen() const { return m_state.pen; }
    const Brush& brush() const { return m_state.brush; }
    const LogFont& font() const { return m_state.font; }
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    LogFont selectFont(const LogFont& font);

    // The setters return the previous value, as GDI's do.
    Colour textColour() const { return m_state.textColour; }
    Colour setTextColour(Colour colour);
    Colour bkColour() const { return m_state.bkColour; }
    Colour setBkColour(Colour colour);
    BkMode bkMode() const { return m_state.bkMode; }
    BkMode setBkMode(BkMode mode);
    // The colour of the stock DC pen: state only, nothing draws with it here.
    Colour dcPenColour() const { return m_state.dcPenColour; }
    Colour setDcPenColour(Colour colour);

    void moveTo(Point p);
    // From the current position with the current pen; p becomes current.
    bool lineTo(Point p);
    // Text by the top left of its cell (baseline = y + ascent) in the text
    // colour; in OPAQUE mode the cell (advance x (ascent + descent)) is first
    // filled with the background colour. UTF-8.
    bool textOut(Point topLeft, std::string_view text);
    // Advance and cell height of the text in the current font, logical units.
    Size textExtent(std::string_view text) const;
    // GDI Ellipse: outline with the current pen, inside with the current brush.
    bool ellipse(const Rect& box);
    // The GDI+ path: filled with the colour and no outline, or only an
    // outline one device pixel wide. No smoothing.
    void plusEllipse(const Rect& box, Argb colour, bool filled);
    // Inverts the device pixels under the rectangle; screen only.
    void invertRect(const Rect& rect);

protected:
    enum class Change { Pen, Brush, Font, TextColour, BkColour, BkMode, DcPenColour, Position };
    virtual void stateChanged(Change) {}
    // The drawing itself, in logical units, with state() in force.
    virtual bool drawLine(Point from, Point to) = 0;
    virtual bool drawText(Point topLeft, std::string_view text) = 0;
    virtual Size measureText(std::string_view text) const = 0;
    virtual bool drawEllipse(const Rect& box) = 0;
    virtual void drawPlusEllipse(const Rect& box, Argb colour, bool filled) = 0;
    virtual void drawInvertedRect(const Rect& rect) = 0;

private:
    Mapping m_mapping;
    SurfaceState m_state;
};

}  // namespace platform
