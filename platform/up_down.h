#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace platform {

// Two arrows that step a position within their own range and write it into a
// buddy edit as a decimal number. Typed values are the dialog's to validate:
// the range here only bounds the arrows.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    // ShowsPos: the buddy shows the position as a number. KeysOnly: the
    // buddy shows what the dialog writes there, and only lends its Up and
    // Down keys, which step as the arrows do.
    enum class BuddyRole { ShowsPos, KeysOnly };

    // The edit the Up and Down keys step in.
    void setBuddy(QLineEdit* buddy, BuddyRole role = BuddyRole::ShowsPos);
    QLineEdit* buddy() const { return m_buddy; }

    // The up arrow moves towards upper, also when upper < lower.
    void setRange(int lower, int upper);
    int lower() const { return m_lower; }
    int upper() const { return m_upper; }

    // Writes the buddy as well.
    void setPos(int pos);
    // The buddy's number when it holds one in range, else the last position.
    int pos() const;

    // What one click of the up arrow (steps > 0) or the down arrow does.
    void step(int steps);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    // Every arrow click or key, +1 up and -1 down, also at the end of the range.
    void stepped(int delta);
    void posChanged(int pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int clamp(int value) const;
    QLineEdit* shownIn() const { return m_role == BuddyRole::ShowsPos ? m_buddy : nullptr; }

    QLineEdit* m_buddy = nullptr;
    BuddyRole m_role = BuddyRole::ShowsPos;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
};

}  // namespace platform
