#include "view/fretboard_painter.h"

#include <string>

#include "document/display_sizes.h"
#include "document/kvwin_doc.h"
#include "engine/muldiv.h"
#include "view/view_fonts.h"
#include "view/view_geometry.h"

namespace view {

namespace {

using engine::MulDiv;
using platform::kBlack;
using platform::LogFont;
using platform::Pen;

constexpr int kBoardTop = 28;
constexpr int kBoardBottom = 68;
constexpr int kNut = 26;
constexpr int kFretWidth = 12;

}  // namespace

void DrawFretboard(platform::Surface& dc, const PaintContext& context)
{
    const CKvwinDoc& doc = context.doc;
    CDpiHelper& dpi = context.dpi;
    dpi.SetScaling(!doc.m_bPrinting);
    const int s = doc.m_nScale;
    const int n = GridDimension(doc);
    // The largest size has no room for the last fret.
    const bool shortBoard = s == document::kThreeARow.scale;
    const int stringEnd = shortBoard ? 198 : 210;
    const int lastFret = shortBoard ? 14 : 15;
    const bool found = doc.m_nVoicingCount != 0;

    const auto at = [&](int u, int v) {
        Point p{u * s, -(v * s)};
        dpi.ScalePoint(p);
        return p;
    };
    const auto line = [&](Point from, Point to) {
        dc.moveTo(from);
        dc.lineTo(to);
    };
    const auto text = [&](Point p, const std::string& t) {
        if (!t.empty() && !dc.textOut(p, t))
            document::ErrorMB(0, "", "");
    };

    for (int k = 0; k < kStringCount; ++k)
        line(at(kNut, kBoardTop + 8 * k), at(stringEnd, kBoardTop + 8 * k));
    for (int u = kNut + kFretWidth; u <= 194; u += kFretWidth)
        line(at(u, kBoardTop), at(u, kBoardBottom));
    if (!shortBoard)
        line(at(206, kBoardTop), at(206, kBoardBottom));

    const int nutWidth = doc.m_bPrinting ? 20 : MulDiv(20, dpi.GetDpiX() + dpi.GetDpiY(), 192);
    const Pen oldPen = dc.selectPen(Pen{nutWidth, kBlack});
    line(at(kNut, kBoardTop), at(kNut, kBoardBottom));
    dc.selectPen(oldPen);

    const LogFont oldFont = dc.selectFont(ViewFont(dc, MulDiv(110, 6, n), context.faces.note, 550, 0x30));
    for (int k = 0; k < kStringCount; ++k) {
        for (int j = 0; j <= lastFret; ++j) {
            const PitchClassMask note = doc.noteAt(k, j);
            if (!found || (note & doc.m_wChordMask) != 0) {
                std::string name;
                COLORREF colour = 0;
                doc.GetNoteName(note, name, colour, kUseCurrentSpelling, false);
                dc.setTextColour(colour);
                // Opaque: each name sits on its own white box over the string.
                text(at(18 + kFretWidth * j, 26 + 8 * k), name);
            }
            if (k == 0 && j >= 1) {
                dc.setTextColour(kBlack);
                text(at(18 + kFretWidth * j, 18), std::to_string(j) + ".");
            }
        }
    }

    dc.setTextColour(kBlack);
    static const char* const kStringNames[kStringCount] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    bool namesOk = true;
    for (int k = 0; k < kStringCount; ++k)
        namesOk = dc.textOut(at(6, 26 + 8 * k), kStringNames[k]) && namesOk;
    if (!namesOk)
        document::ErrorMB(0, "", "");

    if (found) {
        dc.selectFont(ViewFont(dc, MulDiv(180, 6, n), context.faces.header, 550, 0x30));
        Point p{kTitleX, -s};
        dpi.ScalePoint(p);
        text(p, doc.m_strChordTitle);
    }

    if (context.IsPrintingPage()) {
        dc.selectFont(ViewFont(dc, 100, context.faces.header, 550, 0x30));
        if (!doc.m_bStandardTuning) {
            std::string tuning = "Tuning: ";
            for (int k = kStringCount - 1; k >= 0; --k) {
                std::string name;
                COLORREF colour = 0;
                doc.GetNoteName(doc.noteAt(k, 0), name, colour, 1, false);
                tuning += name + "(" + std::to_string(k + 1) + ")";
            }
            text({6 * s + 1200, -(5 * s)}, tuning);
        }
    }
    dc.selectFont(oldFont);
}

}  // namespace view
