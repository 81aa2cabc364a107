#pragma once
#include <QToolBar>

#include "res/toolbar_table.h"

class QComboBox;

namespace platform {
class CommandTable;
}

// The main toolbar: the command buttons in slot order, with the
// chords-per-row box in place of slot 16.
class CKvwinBar : public QToolBar {
    Q_OBJECT
public:
    // The buttons take their actions from commands; metrics are those of the
    // screen's resolution class, in device pixels. The pictures keep them,
    // shown at the pixel ratio; the size box never gets smaller than at 100 %.
    CKvwinBar(platform::CommandTable& commands, const res::ToolbarMetrics& metrics, qreal devicePixelRatio,
              QWidget* parent = nullptr);
    ~CKvwinBar() override;

    // The chords-per-row box, one entry a display size, nothing selected at first.
    QComboBox* m_wndSizeCombo = nullptr;

private:
    void CreateSizeCombo(const res::ToolbarMetrics& metrics, qreal devicePixelRatio);
};
