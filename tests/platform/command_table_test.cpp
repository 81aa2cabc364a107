#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>

#include "platform/command_table.h"

namespace {

using platform::CommandMap;
using platform::CommandSpec;
using platform::CommandTable;
using platform::Route;

constexpr int kId = 100;

// Four route stops that record which of them ran a handler.
class CommandTableTest : public ::testing::Test {
protected:
    CommandTableTest()
    {
        table.SetTarget(Route::View, &view);
        table.SetTarget(Route::Document, &document);
        table.SetTarget(Route::Frame, &frame);
        table.SetTarget(Route::Application, &application);
    }

    CommandMap& Stop(Route route)
    {
        switch (route) {
        case Route::View: return view;
        case Route::Document: return document;
        case Route::Frame: return frame;
        case Route::Application: return application;
        }
        return view;
    }

    void Handle(Route route, int id = kId)
    {
        Stop(route).On(id, [this, route] { ran.push_back(route); });
    }

    void Update(Route route, bool enable, int id = kId)
    {
        Stop(route).OnUpdate(id, [enable](CCmdUI& ui) { ui.Enable(enable); });
    }

    QAction* AddAction(int id = kId, bool checkable = false)
    {
        CommandSpec spec;
        spec.id = id;
        spec.text = QStringLiteral("Command");
        spec.checkable = checkable;
        return table.Add(spec);
    }

    QMainWindow window;
    CommandTable table{&window};
    CommandMap view, document, frame, application;
    std::vector<Route> ran;
};

TEST_F(CommandTableTest, TheFirstStopWithAHandlerRunsIt)
{
    struct Row {
        std::vector<Route> handlers;
        Route expected;
    };
    const std::vector<Row> rows = {
        {{Route::View, Route::Document, Route::Frame, Route::Application}, Route::View},
        {{Route::Document, Route::Frame, Route::Application}, Route::Document},
        {{Route::Application, Route::Frame}, Route::Frame},
        {{Route::Application}, Route::Application},
    };
    for (const Row& row : rows) {
        view = document = frame = application = CommandMap();
        ran.clear();
        for (Route route : row.handlers)
            Handle(route);
        EXPECT_TRUE(table.Execute(kId));
        ASSERT_EQ(ran.size(), 1u);
        EXPECT_EQ(ran.front(), row.expected);
    }
}

TEST_F(CommandTableTest, UpdateHandlersAreLookedUpApartFromHandlers)
{
    // The view copies, the document decides whether it may.
    Handle(Route::View);
    Update(Route::Document, false);
    EXPECT_FALSE(table.Query(kId).enabled);
    EXPECT_FALSE(table.Execute(kId));
    EXPECT_TRUE(ran.empty());

    Update(Route::Document, true);
    EXPECT_TRUE(table.Execute(kId));
    EXPECT_EQ(ran, std::vector<Route>{Route::View});
}

TEST_F(CommandTableTest, TheFirstUpdateHandlerOnTheRouteDecides)
{
    Handle(Route::Application);
    Update(Route::Document, false);
    Update(Route::Frame, true);
    EXPECT_FALSE(table.Query(kId).enabled);
}

TEST_F(CommandTableTest, WithoutUpdateHandlerAHandledCommandIsEnabledAndAnUnhandledOneDisabled)
{
    Handle(Route::Frame, 1);
    EXPECT_TRUE(table.Query(1).enabled);
    EXPECT_FALSE(table.Query(2).enabled);
    EXPECT_FALSE(table.Execute(2));
    EXPECT_TRUE(ran.empty());
}

TEST_F(CommandTableTest, AnUpdateHandlerThatOnlyChecksLeavesEnablingToTheHandlers)
{
    document.OnUpdate(kId, [](CCmdUI& ui) { ui.SetCheck(1); });
    CCmdUI ui = table.Query(kId);
    EXPECT_FALSE(ui.enabled) << "nothing handles it yet";
    EXPECT_TRUE(ui.checked);

    Handle(Route::View);
    EXPECT_TRUE(table.Query(kId).enabled);
}

TEST_F(CommandTableTest, AStaleEnabledActionDoesNotRunADisabledCommand)
{
    bool allowed = true;
    Handle(Route::View);
    document.OnUpdate(kId, [&allowed](CCmdUI& ui) { ui.Enable(allowed); });
    QAction* action = AddAction();
    ASSERT_TRUE(action->isEnabled());

    allowed = false;  // nothing has refreshed the action yet
    action->trigger();
    EXPECT_TRUE(ran.empty());
}

TEST_F(CommandTableTest, RefreshesAreQueuedAndCoalesced)
{
    int updates = 0;
    bool allowed = true;
    Handle(Route::View);
    document.OnUpdate(kId, [&](CCmdUI& ui) {
        ++updates;
        ui.Enable(allowed);
    });
    QAction* action = AddAction();
    QCoreApplication::processEvents();
    updates = 0;

    allowed = false;
    table.RequestRefresh();
    table.RequestRefresh();
    table.RequestRefresh();
    EXPECT_TRUE(action->isEnabled()) << "the refresh runs later, from the event loop";
    EXPECT_TRUE(table.RefreshPending());
    QCoreApplication::processEvents();
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(updates, 1);
    EXPECT_FALSE(table.RefreshPending());
}

TEST_F(CommandTableTest, EveryCommandQueuesARefresh)
{
    bool allowed = true;
    Handle(Route::View);
    Handle(Route::Document, 2);
    document.OnUpdate(kId, [&allowed](CCmdUI& ui) { ui.Enable(allowed); });
    QAction* action = AddAction();
    QCoreApplication::processEvents();

    allowed = false;
    table.Execute(2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(action->isEnabled());
}

TEST_F(CommandTableTest, AMenuIsRefreshedWhenItOpens)
{
    bool allowed = true;
    Handle(Route::View);
    document.OnUpdate(kId, [&allowed](CCmdUI& ui) { ui.Enable(allowed); });
    QAction* action = AddAction();
    QMenu menu;
    menu.addAction(action);
    table.WatchMenu(&menu);

    allowed = false;
    emit menu.aboutToShow();
    EXPECT_FALSE(action->isEnabled());
}

TEST_F(CommandTableTest, TheUpdateHandlerHasTheLastWordOnACheck)
{
    // A handler that refuses to change its state: the toggle Qt made is undone.
    bool on = false;
    frame.On(kId, [] {});
    frame.OnUpdate(kId, [&on](CCmdUI& ui) { ui.SetCheck(on); });
    QAction* action = AddAction(kId, true);
    action->trigger();
    EXPECT_FALSE(action->isChecked());

    frame.On(kId, [&on] { on = !on; });
    action->trigger();
    EXPECT_TRUE(action->isChecked());
    action->trigger();
    EXPECT_FALSE(action->isChecked());
}

TEST_F(CommandTableTest, ARefusedCheckableCommandKeepsItsCheck)
{
    bool allowed = true;
    frame.On(kId, [this] { ran.push_back(Route::Frame); });
    frame.OnUpdate(kId, [&allowed](CCmdUI& ui) { ui.Enable(allowed); });
    QAction* action = AddAction(kId, true);
    allowed = false;
    action->trigger();
    EXPECT_FALSE(action->isChecked());
    EXPECT_TRUE(ran.empty());
}

TEST_F(CommandTableTest, AnActionKeepsItsLooksAndIsOnTheWindow)
{
    CommandSpec spec;
    spec.id = kId;
    spec.text = QStringLiteral("&Copy to Clipboard\tCtrl+C");
    spec.shortcuts = {QKeySequence(QStringLiteral("Ctrl+C")), QKeySequence(QStringLiteral("Ctrl+Ins"))};
    spec.statusTip = QStringLiteral("Copy the marked block");
    spec.toolTip = QStringLiteral("Copy to Clipboard");
    QAction* action = table.Add(spec);
    EXPECT_EQ(table.Add(spec), action) << "one action per id";
    EXPECT_EQ(action->text(), spec.text);
    EXPECT_EQ(action->shortcuts(), spec.shortcuts);
    EXPECT_EQ(action->statusTip(), spec.statusTip);
    EXPECT_EQ(action->toolTip(), spec.toolTip);
    EXPECT_TRUE(window.actions().contains(action));
    EXPECT_FALSE(action->isEnabled()) << "nothing handles it";
}

}  // namespace
