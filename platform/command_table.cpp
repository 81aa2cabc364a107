#include "platform/command_table.h"

#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QWidget>

namespace platform {

CommandTable::CommandTable(QWidget* window) : QObject(window), m_pWindow(window) {}

CommandTable::~CommandTable() = default;

QAction* CommandTable::Add(const CommandSpec& spec)
{
    QAction*& action = m_actions[spec.id];
    if (!action) {
        action = new QAction(m_pWindow);
        const int id = spec.id;
        connect(action, &QAction::triggered, this, [this, id] { OnTriggered(id); });
        m_pWindow->addAction(action);
    }
    action->setText(spec.text);
    action->setShortcuts(spec.shortcuts);
    action->setStatusTip(spec.statusTip);
    action->setToolTip(spec.toolTip.isEmpty() ? spec.statusTip : spec.toolTip);
    action->setIcon(spec.icon);
    action->setCheckable(spec.checkable);
    Apply(spec.id, action);
    return action;
}

QAction* CommandTable::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

std::vector<int> CommandTable::Ids() const
{
    std::vector<int> ids;
    ids.reserve(m_actions.size());
    for (const auto& entry : m_actions)
        ids.push_back(entry.first);
    return ids;
}

void CommandTable::SetTarget(Route route, CommandTarget* target)
{
    m_targets[static_cast<std::size_t>(route)] = target;
    RequestRefresh();
}

CommandTarget* CommandTable::Target(Route route) const
{
    return m_targets[static_cast<std::size_t>(route)];
}

CCmdUI CommandTable::Query(int id) const
{
    CCmdUI ui;
    for (const CommandTarget* target : m_targets)
        if (target && target->RunUpdateHandler(id, ui))
            break;
    if (!ui.enableChanged)
        ui.enabled = HasHandler(id);
    return ui;
}

bool CommandTable::HasHandler(int id) const
{
    for (const CommandTarget* target : m_targets)
        if (target && target->HasHandler(id))
            return true;
    return false;
}

bool CommandTable::Execute(int id)
{
    const CCmdUI ui = Query(id);
    CommandTarget* handler = nullptr;
    if (ui.enabled)
        for (CommandTarget* target : m_targets)
            if (target && target->HasHandler(id)) {
                handler = target;
                break;
            }
    if (handler)
        handler->RunHandler(id);
    // Checkable actions toggle themselves; their update handlers have the last word.
    ReapplyChecks();
    RequestRefresh();
    if (!handler)
        return false;
    emit commandExecuted(id);
    return true;
}

void CommandTable::OnTriggered(int id)
{
    if (Execute(id))
        return;
    // A refused command must not leave its action toggled.
    QAction* action = Action(id);
    if (action && action->isCheckable() && !Query(id).hasCheck)
        action->setChecked(!action->isChecked());
}

void CommandTable::RequestRefresh()
{
    if (m_bRefreshPending)
        return;
    m_bRefreshPending = true;
    QMetaObject::invokeMethod(this, &CommandTable::RefreshNow, Qt::QueuedConnection);
}

void CommandTable::RefreshNow()
{
    m_bRefreshPending = false;
    for (const auto& [id, action] : m_actions)
        Apply(id, action);
}

void CommandTable::WatchMenu(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, &CommandTable::RefreshNow);
}

void CommandTable::Apply(int id, QAction* action) const
{
    const CCmdUI ui = Query(id);
    action->setEnabled(ui.enabled);
    if (ui.hasCheck && action->isCheckable())
        action->setChecked(ui.checked);
}

void CommandTable::ReapplyChecks() const
{
    for (const auto& [id, action] : m_actions) {
        if (!action->isCheckable())
            continue;
        CCmdUI ui = Query(id);
        if (ui.hasCheck)
            action->setChecked(ui.checked);
    }
}

}  // namespace platform
