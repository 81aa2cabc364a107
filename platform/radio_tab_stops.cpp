#include "platform/radio_tab_stops.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>

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

}  // namespace

void KeepTabStopOnChecked(QButtonGroup& group)
{
    new RadioTabStops(group);
}

}  // namespace platform
