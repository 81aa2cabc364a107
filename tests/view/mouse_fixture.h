#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <string>
#include <vector>

#include "tests/support/view_points.h"
#include "tests/view/view_fixture.h"
#include "view/view_geometry.h"

// A view driven by mouse events on its viewport, as the user drives it.
struct MouseFixture : ViewFixture {
    QWidget* viewport() { return view->viewport(); }

    // The viewport pixel of the point u, v units into cell i of the page
    // shown, at the current scroll and screen resolution.
    QPoint At(int i, double u, double v) { return testsupport::ViewportPoint(*view, *doc, i, u, v); }

    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(viewport(), button, {}, at); }

    void Hover(QPoint at) { testsupport::Hover(viewport(), at); }

    // A paint notes the scroll position and turns a pending mark on.
    void Paint() { (void)viewport()->grab(); }

    void Band(QPoint a, QPoint b) { testsupport::Band(viewport(), a, b); }

    // From a press inside the mark to a release at b.
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }

    // A view that has been laid out and painted once, ready for input.
    void Ready()
    {
        view->OnUpdate();
        Paint();
        midi.calls.clear();
    }

    std::vector<FakeMidi::Call> Notes() const
    {
        std::vector<FakeMidi::Call> notes;
        for (const FakeMidi::Call& call : midi.calls)
            if (call.op == "note")
                notes.push_back(call);
        return notes;
    }

    // Scratch Pad chords named by their position, each with its own frets and marks.
    void AddNamedPadChords(int count)
    {
        for (int i = 0; i < count; ++i)
            addPadChord({i, 1, 0, 2, 3, 21}, i, xMark(i % 6) | finger(1, 1 + i % 5), std::to_string(i),
                        "second " + std::to_string(i));
    }

    std::string PadOrder() const
    {
        std::string order;
        for (int i = 0; i < doc->m_nPadCount; ++i)
            order += doc->m_astrPadNames[static_cast<std::size_t>(i)];
        return order;
    }
};
