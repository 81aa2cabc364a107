#pragma once
#include <cstdint>
#include <vector>

#include "document/geometry.h"
#include "engine/pitch.h"
#include "platform/surface.h"

// An ellipse's colour word: bits 0-23 a COLORREF, or the surface's text
// colour when bit 24 is set; bit 30 fills the ellipse, else only its outline.
constexpr std::uint32_t kEllipseTextColour = 0x01000000;
constexpr std::uint32_t kEllipseFilled = 0x40000000;

constexpr std::uint8_t kEllipseModeGdi = 16;
constexpr std::uint8_t kEllipseModeGdiplus = 32;

// Draws the note dots of one diagram with the surface's ellipse or its
// plusEllipse.
class CEllipseDrawer {
public:
    // 32 draws with plusEllipse; any other mode is 16, ellipse.
    explicit CEllipseDrawer(std::uint8_t mode);

    void Reset();
    // Nothing is started or shut down: these set and clear the flag that
    // IsGdiplusStarted reports; a drawer made in mode 32 starts with it set.
    void StartupGdiplus();
    void ShutdownGdiplus();

    // Entry i of rects goes with entry i of colours; nothing is drawn when
    // the lists are empty or differ in length.
    void DrawEllipses(platform::Surface& surface, const std::vector<Rect>& rects,
                      const std::vector<std::uint32_t>& colours) const;

    std::uint8_t GetMode() const { return m_nMode; }
    bool IsGdiplusStarted() const { return m_bGdiplusStarted != 0; }

private:
    std::uint8_t m_bGdiplusStarted = 0;
    std::uint8_t m_nMode = kEllipseModeGdi;
};

// The colour a word asks for; true when it came from the text colour.
bool ResolveEllipseColour(const platform::Surface& surface, std::uint32_t word, COLORREF& colour);

// Selects a solid brush of the DC-pen colour and returns the brush it replaced.
platform::Brush SelectPenColourBrush(platform::Surface& surface);
