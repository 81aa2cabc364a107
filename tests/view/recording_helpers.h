#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "support/recording_surface.h"

// Lookups in a painter's recording.
namespace rec {

using platform::RecordedOp;
using platform::RecordingSurface;

// A list of points that survives the test macros' argument splitting.
inline std::vector<Point> Pts(std::initializer_list<Point> points)
{
    return points;
}

inline std::vector<RecordedOp> TextsOut(const RecordingSurface& s)
{
    return s.ops(RecordedOp::Kind::TextOut);
}

// Every place the text was written.
inline std::vector<Point> PlacesOf(const RecordingSurface& s, const std::string& text)
{
    std::vector<Point> places;
    for (const RecordedOp& op : TextsOut(s))
        if (op.text == text)
            places.push_back(op.to);
    return places;
}

inline const RecordedOp* TextAt(const RecordingSurface& s, Point at)
{
    static thread_local std::vector<RecordedOp> texts;
    texts = TextsOut(s);
    for (const RecordedOp& op : texts)
        if (op.to == at)
            return &op;
    return nullptr;
}

// The dots, GDI+ and GDI alike, by their boxes.
inline std::vector<RecordedOp> Dots(const RecordingSurface& s)
{
    std::vector<RecordedOp> dots;
    for (const RecordedOp& op : s.log())
        if (op.kind == RecordedOp::Kind::PlusEllipse || op.kind == RecordedOp::Kind::Ellipse)
            dots.push_back(op);
    return dots;
}

inline const RecordedOp* DotAt(const RecordingSurface& s, const Rect& box)
{
    static thread_local std::vector<RecordedOp> dots;
    dots = Dots(s);
    for (const RecordedOp& op : dots)
        if (op.rect == box)
            return &op;
    return nullptr;
}

// Lines as "from-to" pairs.
inline bool HasLine(const RecordingSurface& s, Point from, Point to)
{
    for (const RecordedOp& op : s.ops(RecordedOp::Kind::LineTo))
        if (op.from == from && op.to == to)
            return true;
    return false;
}

}  // namespace rec
