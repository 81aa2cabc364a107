#include "view/chord_page_painter.h"

#include <array>
#include <string>
#include <vector>

#include "document/display_sizes.h"
#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "engine/muldiv.h"
#include "view/ellipse_drawer.h"
#include "view/view_fonts.h"
#include "view/view_geometry.h"

namespace view {

namespace {

using engine::MulDiv;
using platform::BkMode;
using platform::kBlack;
using platform::LogFont;
using platform::Surface;

constexpr int kFooterX = 4960;
constexpr int kTuningLineX = 7200;
constexpr int kTuningLineY = -9;

// One diagram's strings, string 1 (the highest) first.
struct Diagram {
    std::array<int, kStringCount> frets{};
    int baseFret = 0;
    FlatSpellingFlags flags = 0;
    std::array<bool, kStringCount> marked{};
    std::array<std::string, kStringCount> fingers;  // empty: no finger shown

    // The fret space a fret is drawn in: 0 above the nut, 1 the first space.
    int RowOf(int fret) const { return baseFret == 0 ? fret : fret - baseFret + 1; }
};

std::string FingerText(int finger)
{
    if (finger >= 1 && finger <= 4)
        return std::string(1, static_cast<char>('0' + finger));
    return finger == 5 ? "T" : "";
}

Diagram ReadDiagram(const CKvwinDoc& doc, int index)
{
    Diagram d;
    if (doc.m_bScratchPadMode) {
        const ScratchPadChordRow row = doc.GetPadRow(index);
        for (int k = 0; k < kStringCount; ++k) {
            d.frets[k] = row.w[pad::FirstFret + k];
            d.marked[k] = row.Marked(k);
            if (row.Finger(k) != 0 && d.frets[k] != 0)
                d.fingers[k] = FingerText(row.Finger(k));
        }
        d.baseFret = row.w[pad::BaseFret];
        d.flags = row.w[pad::FlatFlags];
    } else {
        const VoicingRow row = doc.GetVoicing(index);
        for (int k = 0; k < kStringCount; ++k)
            d.frets[k] = row[k];
        d.baseFret = row[voicing::kWindowStart];
        d.flags = doc.m_wFlatFlags;
    }
    // Frets above 20 come only from foreign pages; they are not played.
    for (int& fret : d.frets)
        if (fret > 20)
            fret = kFretNotPlayed;
    return d;
}

class ChordPagePainter {
public:
    ChordPagePainter(Surface& surface, const PaintContext& context)
        : m_dc(surface),
          m_ctx(context),
          m_doc(context.doc),
          m_s(context.doc.m_nScale),
          m_n(GridDimension(context.doc)),
          m_bPad(context.doc.m_bScratchPadMode),
          m_bPrinting(context.IsPrintingPage())
    {
        const PersistentSettings* frame = m_doc.MainFrame();
        m_bPageTitle = frame == nullptr || frame->m_nPgtitle != 0;
        m_bTitleTop = frame == nullptr || frame->m_nChtitleTop != 0;
        MakeFonts();
    }

    void Draw(int page);

private:
    void MakeFonts();
    LogFont HeaderFont() const;
    void DrawDiagram(int index, const Diagram& d);
    void DrawNameLines(int index);
    void DrawFrame();
    void DrawNotesOnFrets(const Diagram& d);
    void DrawDots(const Diagram& d);
    void DrawBaseFret(const Diagram& d);
    void DrawPageHeader(int index, const Diagram& d);

    // (u, v) units of the cell; on the screen scaled to its resolution.
    Point At(int u, int v) const { return Scaled({m_x0 + u * m_s, -(m_y0 + v * m_s)}); }
    Point Scaled(Point p) const
    {
        m_ctx.dpi.ScalePoint(p);
        return p;
    }
    void Text(Point p, const std::string& text)
    {
        if (!text.empty() && !m_dc.textOut(p, text))
            document::ErrorMB(0, "", "");
    }
    void BlackText(Point p, const std::string& text)
    {
        m_dc.setTextColour(kBlack);
        Text(p, text);
    }
    std::string NoteName(int stringIndex, int fret, FlatSpellingFlags flags, bool padded, COLORREF& colour) const
    {
        std::string name;
        m_doc.GetNoteName(m_doc.noteAt(stringIndex, fret), name, colour, flags, padded);
        return name;
    }

    Surface& m_dc;
    const PaintContext& m_ctx;
    const CKvwinDoc& m_doc;
    const int m_s;
    const int m_n;
    const bool m_bPad;
    const bool m_bPrinting;
    bool m_bPageTitle = true;
    bool m_bTitleTop = true;

    LogFont m_baseFretFont, m_noteFont, m_padNameFont, m_fingerFont;
    int m_x0 = 0;
    int m_y0 = 0;
};

void ChordPagePainter::MakeFonts()
{
    const ViewFaces& faces = m_ctx.faces;
    m_baseFretFont = ViewFont(m_dc, MulDiv(100, 6, m_n), faces.note, 550, 0x30);
    m_noteFont = ViewFont(m_dc, MulDiv(m_doc.m_nDeutsch ? 90 : 100, 6, m_n), faces.note, 550, 0x30);
    if (m_bPad) {
        m_padNameFont = ViewFont(m_dc, MulDiv(90, 6, m_n), faces.padTitle, 450, 0x20);
        m_fingerFont = ViewFont(m_dc, MulDiv(70, 6, m_n), faces.note, 550, 0x30);
    }
}

LogFont ChordPagePainter::HeaderFont() const
{
    int d = m_n < 4 ? 4 : m_n;
    // On a fine screen the two largest grids would get a title too big for its band.
    if (MulDiv(m_ctx.dpi.GetClassDpiX() + m_ctx.dpi.GetClassDpiY(), 1, 2) > 96 && m_n < 5)
        d = 5;
    return ViewFont(m_dc, MulDiv(m_bPad ? 150 : 180, 6, d), m_ctx.faces.header, m_bPad ? 550 : 450, 0x30);
}

void ChordPagePainter::Draw(int page)
{
    const int perPage = m_n * m_n;
    const int count = m_bPad ? m_doc.m_nPadCount : m_doc.m_nVoicingCount;
    if (page < 0)
        page = 0;
    int first = 0;
    int end = 0;
    if (m_bPrinting) {
        first = (m_ctx.printInfo->m_nCurPage - 1) * perPage;
        end = first + perPage;
    } else if (m_bPad) {
        end = pad::kMaxChords;
    } else {
        first = page * perPage;
        end = first + perPage;
    }
    if (end > count)
        end = count;
    if (first < 0)
        return;

    const int rowHeight = (m_bPad ? kPadRowHeight : kChordRowHeight) * m_s;
    m_x0 = 0;
    m_y0 = 0;
    for (int i = first; i < end; ++i) {
        DrawDiagram(i, ReadDiagram(m_doc, i));
        if ((i + 1) % m_n != 0) {
            m_x0 += kCellWidth * m_s;
        } else {
            m_x0 = 0;
            m_y0 += rowHeight;
        }
    }
}

void ChordPagePainter::DrawDiagram(int index, const Diagram& d)
{
    const LogFont oldFont = m_dc.selectFont(m_baseFretFont);
    if (m_bPad)
        DrawNameLines(index);
    DrawFrame();
    m_dc.selectFont(m_noteFont);
    if (m_doc.m_nNotefret)
        DrawNotesOnFrets(d);
    else
        DrawDots(d);
    DrawBaseFret(d);
    if (index % (m_n * m_n) == 0)
        DrawPageHeader(index, d);
    m_dc.selectFont(oldFont);
}

void ChordPagePainter::DrawNameLines(int index)
{
    m_dc.selectFont(m_padNameFont);
    if (m_doc.GetPadRow(index).w[pad::NameShown] == 0)
        return;
    const int off = m_bTitleTop ? 0 : 56;
    Text(At(6, off + 8), m_doc.m_astrPadNames[static_cast<std::size_t>(index)]);
    Text(At(6, off + 13), m_doc.m_astrPadNames2[static_cast<std::size_t>(index)]);
}

void ChordPagePainter::DrawFrame()
{
    for (int u = kFrameLeft; u <= kFrameRight; u += kStringSpace) {
        m_dc.moveTo(At(u, kFrameTop));
        m_dc.lineTo(At(u, kFrameBottom));
    }
    for (int v = kFrameTop; v < kFrameBottom; v += kFretSpace) {
        m_dc.moveTo(At(kFrameLeft, v));
        m_dc.lineTo(At(kFrameRight, v));
    }
}

void ChordPagePainter::DrawNotesOnFrets(const Diagram& d)
{
    // At six a row the names would touch the string to their right.
    const int shift = m_s == document::kSixARow.scale ? 1 : 0;
    for (int k = 0; k < kStringCount; ++k) {
        const int fret = d.frets[k];
        const int u = 35 - kStringSpace * k;
        if (fret < kFretNotPlayed) {
            const int r = d.RowOf(fret);
            if (r >= 0 && r <= 5) {
                COLORREF colour = 0;
                const std::string name = NoteName(k, fret, d.flags, false, colour);
                m_dc.setTextColour(colour);
                Text(At(u - shift, kFretSpace * r + 14), name);
            }
            if (m_bPad) {
                if (d.marked[k])
                    BlackText(At(u, kNoteRow), "X");
                else
                    BlackText(At(u, kNoteRow), d.fingers[k]);
            }
        } else if (m_bPad && d.marked[k]) {
            BlackText(At(u, kNoteRow), "X");
        }
        m_dc.setTextColour(kBlack);
    }
}

void ChordPagePainter::DrawDots(const Diagram& d)
{
    const BkMode oldMode = m_dc.setBkMode(BkMode::Transparent);
    CEllipseDrawer drawer(EllipseDrawMode(m_doc));
    std::vector<Rect> boxes;
    std::vector<std::uint32_t> words;
    std::array<std::string, kStringCount> names;
    std::array<COLORREF, kStringCount> colours{};

    for (int k = 0; k < kStringCount; ++k) {
        const int fret = d.frets[k];
        const int u = 35 - kStringSpace * k;
        if (fret >= kFretNotPlayed) {
            if (m_bPad && d.marked[k])
                BlackText(At(u, 14), "X");
            continue;
        }
        names[k] = NoteName(k, fret, d.flags, false, colours[k]);
        const int r = d.RowOf(fret);
        if (r < 0 || r > 5)
            continue;
        const int top = kFretSpace * r + 14;
        const Point a = At(34 - kStringSpace * k, top);
        const Point b = At(38 - kStringSpace * k, top + 4);
        const Rect box{a.x, a.y, b.x, b.y};
        if (m_bPad && d.marked[k]) {
            BlackText(At(u, top), "X");
        } else if (m_bPad && !d.fingers[k].empty()) {
            // A white circle with the finger's number in it.
            if (!m_dc.ellipse(box))
                document::ErrorMB(1, "", "");
            m_dc.selectFont(m_fingerFont);
            m_dc.setBkMode(BkMode::Transparent);
            BlackText(At(u, top), d.fingers[k]);
        } else {
            boxes.push_back(box);
            words.push_back(r != 0 ? kEllipseFilled : 0);
        }
    }
    drawer.DrawEllipses(m_dc, boxes, words);
    drawer.ShutdownGdiplus();

    for (int k = 0; k < kStringCount; ++k) {
        m_dc.setTextColour(colours[k]);
        Text(At(35 - kStringSpace * k, kNoteRow), names[k]);
    }
    m_dc.setTextColour(kBlack);
    m_dc.setBkMode(oldMode);
}

void ChordPagePainter::DrawBaseFret(const Diagram& d)
{
    m_dc.selectFont(m_baseFretFont);
    const std::string label = d.baseFret != 0 ? std::to_string(d.baseFret) : "1";
    if (label.size() <= 3)
        Text(At(40, 22), label);
}

void ChordPagePainter::DrawPageHeader(int index, const Diagram& d)
{
    const LogFont header = HeaderFont();
    m_dc.selectFont(header);
    const std::string& title = m_bPad ? m_doc.m_strPadTitle : m_doc.m_strChordTitle;
    if (!m_bPad || m_bPageTitle)
        Text(Scaled({kTitleX, -m_s}), title);
    if (!m_bPrinting)
        return;

    LogFont print = ViewFont(m_dc, 80, m_ctx.faces.header, header.weight, 0x30);
    m_dc.selectFont(print);
    if (!m_doc.m_bStandardTuning) {
        std::string line = "Tuning: ";
        for (int k = kStringCount - 1; k >= 0; --k) {
            COLORREF colour = 0;
            line += NoteName(k, 0, d.flags, true, colour) + "(" + std::to_string(k + 1) + ")";
        }
        Text({kTuningLineX, kTuningLineY}, line);
    }

    m_dc.selectFont(m_noteFont);
    const int perPage = m_n * m_n;
    const int footerY = m_bPad ? 62 * m_n * m_s : (52 * m_n + 30) * m_s;
    Text({kFooterX, -footerY}, "- " + std::to_string((index + perPage) / perPage) + " -");
}

}  // namespace

void DrawChordPage(Surface& surface, const PaintContext& context, int page)
{
    context.dpi.SetScaling(!context.doc.m_bPrinting);
    ChordPagePainter(surface, context).Draw(page);
}

}  // namespace view
