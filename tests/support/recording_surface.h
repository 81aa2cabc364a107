#pragma once
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

// One call made on a RecordingSurface, with its logical arguments.
struct RecordedOp {
    enum class Kind {
        SelectPen,
        SelectBrush,
        SelectFont,
        SetTextColour,
        SetBkColour,
        SetBkMode,
        SetDcPenColour,
        MoveTo,
        LineTo,
        TextOut,
        Ellipse,
        PlusEllipse,
        InvertRect,
    };

    Kind kind = Kind::MoveTo;
    Point from;        // LineTo: the current position it started from
    Point to;          // MoveTo, LineTo: the end; TextOut: the top left
    Rect rect;         // Ellipse, PlusEllipse, InvertRect
    std::string text;  // TextOut
    Argb argb = 0;     // PlusEllipse
    bool filled = false;
    // For a drawing call the state it drew with; for a state call the state
    // after the change.
    SurfaceState state;
};

// "textOut (1200,-50) \"C\" font=Arial/-139/550 text=#000000 bk=opaque/#FFFFFF"
// and so on: the arguments and the state that matters to the call.
std::string toString(const RecordedOp& op);

// Logs every call instead of drawing, for painter tests. Text is measured
// with fixed metrics, independent of the installed fonts: a cell |height|
// logical units high (100 for the default font) and half that wide per
// character.
class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(const Mapping& mapping = Mapping::screen()) : Surface(mapping) {}

    const std::vector<RecordedOp>& log() const { return m_log; }
    std::vector<RecordedOp> ops(RecordedOp::Kind kind) const;
    // The whole log through toString, one line per call.
    std::vector<std::string> lines() const;
    void clear() { m_log.clear(); }

    // Makes lineTo, textOut and ellipse report failure, as a broken DC would.
    void setDrawingFails(bool fails) { m_bFails = fails; }

protected:
    void stateChanged(Change change) override;
    bool drawLine(Point from, Point to) override;
    bool drawText(Point topLeft, std::string_view text) override;
    Size measureText(std::string_view text) const override;
    bool drawEllipse(const Rect& box) override;
    void drawPlusEllipse(const Rect& box, Argb colour, bool filled) override;
    void drawInvertedRect(const Rect& rect) override;

private:
    RecordedOp& record(RecordedOp::Kind kind);

    std::vector<RecordedOp> m_log;
    bool m_bFails = false;
};

}  // namespace platform
