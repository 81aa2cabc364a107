#include "platform/dialog_keys.h"

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

class ScrollBarKeys : public QObject {
public:
    explicit ScrollBarKeys(QScrollBar& bar) : QObject(&bar), m_bar(bar) { bar.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_bar || event->type() != QEvent::KeyPress || !m_bar.isEnabled())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = QAbstractSlider::SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = QAbstractSlider::SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = QAbstractSlider::SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = QAbstractSlider::SliderToMinimum;
            break;
        case Qt::Key_End:
            action = QAbstractSlider::SliderToMaximum;
            break;
        default:
            return false;
        }
        m_bar.triggerAction(action);
        return true;
    }

private:
    QScrollBar& m_bar;
};

class SliderKeys : public QObject {
public:
    explicit SliderKeys(QSlider& slider) : QObject(&slider), m_slider(slider) { slider.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_slider || event->type() != QEvent::KeyPress || !m_slider.isEnabled()
            || m_slider.orientation() != Qt::Vertical || !m_slider.invertedAppearance())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // The least value is at the top: up is towards it.
        QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
        switch (key->key()) {
        case Qt::Key_Up:
            action = QAbstractSlider::SliderSingleStepSub;
            break;
        case Qt::Key_Down:
            action = QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = QAbstractSlider::SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = QAbstractSlider::SliderPageStepAdd;
            break;
        default:
            return false;
        }
        m_slider.triggerAction(action);
        return true;
    }

private:
    QSlider& m_slider;
};

}  // namespace

void TakeKeys(QSlider& slider)
{
    new SliderKeys(slider);
}

void TakeKeys(QScrollBar& bar)
{
    bar.setFocusPolicy(Qt::TabFocus);
    new ScrollBarKeys(bar);
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
