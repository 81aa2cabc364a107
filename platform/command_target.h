#pragma once
#include <functional>
#include <unordered_map>

#include "document/cmd_ui.h"

namespace platform {

// One object on a command's route (view, document, frame, application), with
// its handlers and update handlers by command id.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool HasHandler(int id) const = 0;
    virtual void RunHandler(int id) = 0;
    // False when this object has no update handler for id.
    virtual bool RunUpdateHandler(int id, CCmdUI& ui) const = 0;
};

// A CommandTarget filled from a table of functions.
class CommandMap : public CommandTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    void On(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    void OnUpdate(int id, UpdateHandler handler) { m_updates[id] = std::move(handler); }

    bool HasHandler(int id) const override { return m_handlers.contains(id); }
    void RunHandler(int id) override
    {
        if (auto it = m_handlers.find(id); it != m_handlers.end())
            it->second();
    }
    bool RunUpdateHandler(int id, CCmdUI& ui) const override
    {
        auto it = m_updates.find(id);
        if (it == m_updates.end())
            return false;
        it->second(ui);
        return true;
    }

private:
    std::unordered_map<int, Handler> m_handlers;
    std::unordered_map<int, UpdateHandler> m_updates;
};

}  // namespace platform
