#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "document/platform_ports.h"

// Screen resolution, read once. Two pairs of values:
// - layout dpi, the screen's logical dots per inch (normally 96): layout
//   coordinates given at 96 dpi are scaled by it, and pen widths use it;
// - class dpi, layout dpi x device pixel ratio (96, 144, 192 ...): it picks
//   resolution variants (bitmaps, fonts), as Qt already scales widgets by
//   the ratio and the layout must not be scaled twice.
// Without a screen both stay 96/96 for good.
class CDpiHelper {
public:
    explicit CDpiHelper(const ScreenInfo* screen = nullptr) : m_pScreen(screen) {}

    void EnsureDpi();

    // Scaling applies on the screen and never to the printer; when off every
    // conversion leaves its input alone and the screen is not read.
    void SetScaling(bool on) { m_bScaling = on ? 1 : 0; }
    bool IsScaling() const { return m_bScaling != 0; }

    // 96 dpi layout units to screen pixels and back, by the layout dpi.
    void ScaleRect(Rect& r);
    void ScalePoint(Point& p);
    void UnscalePoint(Point& p);

    int GetDpiX();
    int GetDpiY();
    int GetClassDpiX();
    int GetClassDpiY();
    // 0 up to a mean class dpi of 132, 2 up to 176, else 3; there is no 1.
    std::uint8_t GetDpiClass();

    // The primary screen's width and height in device pixels; 0, 0 without
    // a screen. Its place on the virtual desktop does not count.
    Size GetDesktopSize() const;
    // The primary screen, in device pixels, reaches cx and cy.
    bool IsDesktopAtLeast(int cx, int cy) const;

private:
    const ScreenInfo* m_pScreen;
    std::uint8_t m_bDpiRead = 0;
    int m_nDpiX = 96;
    int m_nDpiY = 96;
    int m_nClassDpiX = 96;
    int m_nClassDpiY = 96;
    std::uint8_t m_bScaling = 0;
};

namespace document {

// The diagnostic text of a failed drawing call. The painters go on drawing;
// the text is shown nowhere, only handed to the drawing-error sink when one
// is installed (debug builds send it to the debug output).
std::string ErrorMB(int flag, const std::string& callerName, const std::string& detail);
using DrawingErrorSink = std::function<void(const std::string& text)>;
// Returns the previous sink.
DrawingErrorSink SetDrawingErrorSink(DrawingErrorSink sink);

// Drops a face equal to the one before it: the catalogue may list a face
// once per character set in a row. Faces further apart are kept.
void RemoveDuplicateFonts(std::vector<std::string>& fonts);

// Starts from 7 and clears 1, 2 and 4 for each of a, b and c found in the
// list (exact comparison).
std::uint8_t FindMissingFonts(const std::vector<std::string>& fonts, const std::string& a,
                              const std::string& b, const std::string& c);

}  // namespace document
