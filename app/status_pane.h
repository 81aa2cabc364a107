#pragma once
#include <QLabel>

// A status bar pane whose text never sets the window's width: with less room
// than its text it shows what fits, ending in "...", and the whole text as
// its tooltip.
class StatusPane : public QLabel {
    Q_OBJECT
public:
    explicit StatusPane(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString ShownText() const;
};
