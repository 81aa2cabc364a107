#pragma once
#include <QWidget>

#include "dialogs/search/diagram_geometry.h"

namespace dialogs {

// The Diagram page's drawing of an entry: the grid and one marker per string.
// It only draws; the page decides what a click does. From the keyboard, the
// arrows move a focus frame over the strings and rows, and Space presses
// where it stands.
class DiagramWidget : public QWidget {
    Q_OBJECT
public:
    explicit DiagramWidget(QWidget* parent = nullptr);

    void SetEntry(const ports::DiagramEntry& entry);
    DiagramGeometry Geometry() const { return DiagramGeometry::InFrame(width(), height()); }

signals:
    // A left press at (x, y) in the diagram's own coordinates.
    void pressed(int x, int y);
    // Space on a string's row: column 0 the 6th string, position 1 the open row.
    void chosen(int column, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ports::DiagramEntry m_entry{};
    DiagramHit m_cursor{0, 1};  // where Space presses
};

}  // namespace dialogs
