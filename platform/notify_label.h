#pragma once
#include <QLabel>

namespace platform {

// A static text that tells when it is clicked, as a static control with the
// notify style does.
class NotifyLabel : public QLabel {
    Q_OBJECT
public:
    explicit NotifyLabel(const QString& text = {}, QWidget* parent = nullptr) : QLabel(text, parent) {}

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
