#pragma once
#include <QWidget>

#include "dialogs/diagram_geometry.h"

namespace dialogs {

// The Diagram page's drawing of an entry: the grid and one marker per string.
// It only draws; the page decides what a click does.
class DiagramWidget : public QWidget {
    Q_OBJECT
public:
    explicit DiagramWidget(QWidget* parent = nullptr);

    void SetEntry(const ports::DiagramEntry& entry);
    DiagramGeometry Geometry() const { return DiagramGeometry::InFrame(width(), height()); }

signals:
    // A left press at (x, y) in the diagram's own coordinates.
    void pressed(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ports::DiagramEntry m_entry{};
};

}  // namespace dialogs
