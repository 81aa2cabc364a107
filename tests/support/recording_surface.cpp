#include "tests/support/recording_surface.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

// Joined by appending: GCC 12's -Wrestrict misreads a literal put in front
// of a std::string (an insert at 0) in optimised builds.
template <typename... Pieces>
std::string cat(const Pieces&... pieces)
{
    std::string out;
    (out += ... += pieces);
    return out;
}

std::string hex(std::uint32_t v, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*X", digits, static_cast<unsigned>(v));
    return buf;
}

std::string point(Point p)
{
    return cat("(", std::to_string(p.x), ",", std::to_string(p.y), ")");
}

std::string rect(const Rect& r)
{
    return cat("(", std::to_string(r.left), ",", std::to_string(r.top), ",", std::to_string(r.right), ",",
               std::to_string(r.bottom), ")");
}

std::string pen(const Pen& p)
{
    return cat(std::to_string(p.width), "/", hex(p.colour, 6));
}

std::string font(const LogFont& f)
{
    std::string s = cat(f.face, "/", std::to_string(f.height), "/", std::to_string(f.weight));
    if (f.italic)
        s += "/italic";
    if (f.pitchAndFamily != 0)
        s += cat("/", hex(f.pitchAndFamily, 2));
    return s;
}

std::string bkMode(BkMode m)
{
    return m == BkMode::Opaque ? "opaque" : "transparent";
}

std::size_t codePoints(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

std::string toString(const RecordedOp& op)
{
    const SurfaceState& s = op.state;
    using K = RecordedOp::Kind;
    switch (op.kind) {
    case K::SelectPen:
        return cat("selectPen ", pen(s.pen));
    case K::SelectBrush:
        return cat("selectBrush ", hex(s.brush.colour, 6));
    case K::SelectFont:
        return cat("selectFont ", font(s.font));
    case K::SetTextColour:
        return cat("setTextColour ", hex(s.textColour, 6));
    case K::SetBkColour:
        return cat("setBkColour ", hex(s.bkColour, 6));
    case K::SetBkMode:
        return cat("setBkMode ", bkMode(s.bkMode));
    case K::SetDcPenColour:
        return cat("setDcPenColour ", hex(s.dcPenColour, 6));
    case K::MoveTo:
        return cat("moveTo ", point(op.to));
    case K::LineTo:
        return cat("lineTo ", point(op.from), "-", point(op.to), " pen=", pen(s.pen));
    case K::TextOut:
        return cat("textOut ", point(op.to), " \"", op.text, "\" font=", font(s.font), " text=", hex(s.textColour, 6),
                   " bk=", bkMode(s.bkMode), "/", hex(s.bkColour, 6));
    case K::Ellipse:
        return cat("ellipse ", rect(op.rect), " pen=", pen(s.pen), " brush=", hex(s.brush.colour, 6));
    case K::PlusEllipse:
        return cat("plusEllipse ", rect(op.rect), " ", hex(op.argb, 8), op.filled ? " filled" : " outline");
    case K::InvertRect:
        return cat("invertRect ", rect(op.rect));
    }
    return "?";
}

std::vector<RecordedOp> RecordingSurface::ops(RecordedOp::Kind kind) const
{
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : m_log)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<std::string> RecordingSurface::lines() const
{
    std::vector<std::string> out;
    out.reserve(m_log.size());
    for (const RecordedOp& op : m_log)
        out.push_back(toString(op));
    return out;
}

RecordedOp& RecordingSurface::record(RecordedOp::Kind kind)
{
    RecordedOp& op = m_log.emplace_back();
    op.kind = kind;
    op.state = state();
    return op;
}

void RecordingSurface::stateChanged(Change change)
{
    using K = RecordedOp::Kind;
    switch (change) {
    case Change::Pen:
        record(K::SelectPen);
        break;
    case Change::Brush:
        record(K::SelectBrush);
        break;
    case Change::Font:
        record(K::SelectFont);
        break;
    case Change::TextColour:
        record(K::SetTextColour);
        break;
    case Change::BkColour:
        record(K::SetBkColour);
        break;
    case Change::BkMode:
        record(K::SetBkMode);
        break;
    case Change::DcPenColour:
        record(K::SetDcPenColour);
        break;
    case Change::Position:
        record(K::MoveTo).to = state().position;
        break;
    }
}

bool RecordingSurface::drawLine(Point from, Point to)
{
    RecordedOp& op = record(RecordedOp::Kind::LineTo);
    op.from = from;
    op.to = to;
    return !m_bFails;
}

bool RecordingSurface::drawText(Point topLeft, std::string_view text)
{
    RecordedOp& op = record(RecordedOp::Kind::TextOut);
    op.to = topLeft;
    op.text = std::string(text);
    return !m_bFails;
}

Size RecordingSurface::measureText(std::string_view text) const
{
    const int height = state().font.height != 0 ? std::abs(state().font.height) : 100;
    return {static_cast<int>(codePoints(text)) * height / 2, height};
}

bool RecordingSurface::drawEllipse(const Rect& box)
{
    record(RecordedOp::Kind::Ellipse).rect = box;
    return !m_bFails;
}

void RecordingSurface::drawPlusEllipse(const Rect& box, Argb colour, bool filled)
{
    RecordedOp& op = record(RecordedOp::Kind::PlusEllipse);
    op.rect = box;
    op.argb = colour;
    op.filled = filled;
}

void RecordingSurface::drawInvertedRect(const Rect& rect)
{
    record(RecordedOp::Kind::InvertRect).rect = rect;
}

}  // namespace platform
