#include "platform/dialog_keys.h"

#include <span>
#include <vector>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSlider>
#include <QWidget>

namespace platform {

namespace {

class RadioTabStops : public QObject {
public:
    explicit RadioTabStops(QButtonGroup& group) : QObject(&group), m_group(group)
    {
        // Only focus policies change here; the dialogs' handlers listen to clicks.
        connect(&group, &QButtonGroup::buttonToggled, this, [this] { Update(); });
        for (QAbstractButton* button : group.buttons())
            button->installEventFilter(this);
        Update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            Update();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Update() const
    {
        QAbstractButton* checked = m_group.checkedButton();
        const bool reachable = checked && checked->isEnabled() && !checked->isHidden();
        for (QAbstractButton* button : m_group.buttons()) {
            const auto policy = static_cast<int>(button->focusPolicy());
            const bool stop = !reachable || button == checked;
            button->setFocusPolicy(static_cast<Qt::FocusPolicy>(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
        }
    }

    QButtonGroup& m_group;
};

struct KeyAction {
    int key;
    QAbstractSlider::SliderAction action;
};

constexpr KeyAction kScrollBarKeys[] = {
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},  {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd}, {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},  {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},      {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

// The least value is at the top: up is towards it.
constexpr KeyAction kInvertedSliderKeys[] = {
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
};

// Sends the keys of its table through triggerAction, as the arrows do.
class SliderKeys : public QObject {
public:
    SliderKeys(QAbstractSlider& slider, std::span<const KeyAction> keys, bool invertedVerticalOnly)
        : QObject(&slider), m_slider(slider), m_keys(keys), m_bInvertedVerticalOnly(invertedVerticalOnly)
    {
        slider.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_slider || event->type() != QEvent::KeyPress || !m_slider.isEnabled()
            || (m_bInvertedVerticalOnly
                && (m_slider.orientation() != Qt::Vertical || !m_slider.invertedAppearance())))
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        for (const KeyAction& k : m_keys) {
            if (k.key == key->key()) {
                m_slider.triggerAction(k.action);
                return true;
            }
        }
        return false;
    }

private:
    QAbstractSlider& m_slider;
    std::span<const KeyAction> m_keys;
    bool m_bInvertedVerticalOnly;
};

}  // namespace

void TakeKeys(QSlider& slider)
{
    new SliderKeys(slider, kInvertedSliderKeys, true);
}

void TakeKeys(QScrollBar& bar)
{
    bar.setFocusPolicy(Qt::TabFocus);
    new SliderKeys(bar, kScrollBarKeys, false);
}

void KeepTabStopOnChecked(QButtonGroup& group)
{
    new RadioTabStops(group);
}

void MoveAfterInTabOrder(QWidget& leader, QWidget& content)
{
    QWidget* window = leader.window();
    if (window != content.window())
        return;
    std::vector<QWidget*> moving;
    QWidget* w = window;
    do {
        if (content.isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus)
            moving.push_back(w);
        w = w->nextInFocusChain();
    } while (w && w != window);
    QWidget* after = &leader;
    for (QWidget* next : moving) {
        QWidget::setTabOrder(after, next);
        after = next;
    }
}

}  // namespace platform
