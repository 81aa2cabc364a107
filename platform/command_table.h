#pragma once
#include <array>
#include <map>
#include <vector>

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include "platform/command_target.h"

class QAction;
class QMenu;
class QWidget;

namespace platform {

// How one command looks: its menu text ("\t" parts it from the keys shown),
// its keys, status-bar prompt, tooltip and picture.
struct CommandSpec {
    int id = 0;
    QString text;
    QList<QKeySequence> shortcuts;
    QString statusTip;
    QString toolTip;
    QIcon icon;
    bool checkable = false;
};

// The objects a command is offered to, in this order.
enum class Route { View, Document, Frame, Application };

// One QAction per command id, and the route that handles them. A command
// runs only when its update state says it is enabled, whichever way it came
// (menu, toolbar, accelerator), so a stale enabled action never runs a
// disabled command.
class CommandTable : public QObject {
    Q_OBJECT
public:
    // Actions are added to window, so every accelerator works while it is active.
    explicit CommandTable(QWidget* window);
    ~CommandTable() override;

    // The action of spec.id, created on first use; a second spec for an id
    // only updates its looks.
    QAction* Add(const CommandSpec& spec);
    QAction* Action(int id) const;
    std::vector<int> Ids() const;

    // A null target leaves that stop of the route empty.
    void SetTarget(Route route, CommandTarget* target);
    CommandTarget* Target(Route route) const;

    // The update state: the first update handler on the route decides; where
    // it says nothing of enabling, or there is none, a command is enabled
    // when some object on the route handles it.
    CCmdUI Query(int id) const;
    // Runs the first handler on the route when the command is enabled; false
    // when it is disabled and nothing ran.
    bool Execute(int id);

    // One queued refresh of every action's state, however often it is asked for.
    void RequestRefresh();
    void RefreshNow();
    bool RefreshPending() const { return m_bRefreshPending; }
    // The menu's states are brought up to date each time it opens.
    void WatchMenu(QMenu* menu);

signals:
    void commandExecuted(int id);

private:
    bool HasHandler(int id) const;
    void OnTriggered(int id);
    void Apply(int id, QAction* action) const;
    void ReapplyChecks() const;

    QWidget* m_pWindow;
    std::map<int, QAction*> m_actions;
    std::array<CommandTarget*, 4> m_targets{};
    bool m_bRefreshPending = false;
};

}  // namespace platform
