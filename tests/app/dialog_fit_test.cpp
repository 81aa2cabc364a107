// Every dialog of the main window on the screen it opens on: its frame within
// the screen's available area, its OK and Cancel buttons in view there.
// CTest also runs these on a 1280 x 1024 screen at 100 % and at 200 %, where
// the taller dialogs have more than the screen.
#include <gtest/gtest.h>

#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>

#include "app_fixture.h"
#include "dialogs/pad_attributes/pad_attributes_templates.h"
#include "dialogs/user_directory/user_directory_templates.h"
#include "document/command_ids.h"
#include "platform/dialog_fit.h"
#include "platform/property_sheet.h"
#include "platform/template_builder.h"
#include "support/display_scale.h"
#include "support/view_points.h"
#include "view/kvwin_view.h"

namespace {

using platform::Dialog;
using testsupport::ExpectedScale;

std::string Describe(const QRect& r)
{
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y());
}

class DialogsFitTheScreen : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Start();
        Frame().show();
        QCoreApplication::processEvents();
        QScreen* screen = Frame().screen();
        ASSERT_DOUBLE_EQ(screen->devicePixelRatio(), ExpectedScale());
        if (qEnvironmentVariable("QT_QPA_PLATFORM").contains(QStringLiteral("configfile"))) {
            ASSERT_EQ(screen->geometry().size() * screen->devicePixelRatio(), QSize(1280, 1024));
        }
    }

    void ExpectFits(Dialog& d)
    {
        QCoreApplication::processEvents();
        const QRect area = d.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(d.frameGeometry()))
            << "frame " << Describe(d.frameGeometry()) << " on " << Describe(area);
        int buttons = 0;
        for (QAbstractButton* button : {d.OkButton(), d.CancelButton()}) {
            if (!button)
                continue;
            ++buttons;
            const std::string name = button->text().toStdString();
            EXPECT_TRUE(button->isVisible()) << name;
            EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect()) << name << " is cut off";
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(area.contains(onScreen)) << name << " " << Describe(onScreen);
        }
        EXPECT_GT(buttons, 0);
        // What fits the screen stays as it always was.
        if (ExpectedScale() == 1.0) {
            EXPECT_TRUE(d.findChildren<platform::FitScrollArea*>().isEmpty()) << "scrolls, yet it fits";
        }
    }

    // A sheet on each of its pages.
    void ExpectEveryPageFits(Dialog& d)
    {
        auto* sheet = dynamic_cast<platform::PropertySheet*>(&d);
        if (!sheet) {
            ExpectFits(d);
            return;
        }
        for (int page = 0; page < sheet->GetPageCount(); ++page) {
            SCOPED_TRACE("page " + sheet->Tabs()->tabText(page).toStdString());
            ASSERT_TRUE(sheet->SetActivePage(page));
            ExpectFits(d);
        }
    }

    void Trigger(int command)
    {
        QCoreApplication::processEvents();  // the command states follow the last change
        QAction* action = Frame().Commands().Action(command);
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
    }

    void Settle()
    {
        (void)GetApp().View()->viewport()->grab();
        QCoreApplication::processEvents();
    }
};

TEST_F(DialogsFitTheScreen, EveryDialogOfTheMenus)
{
    struct Case {
        const char* name;
        int command;
    };
    const Case cases[] = {
        {"Tonalith search", cmd::SearchTonalith}, {"Chord Directory", cmd::SearchChordDirectory},
        {"Options", cmd::ToolsOptions},           {"Size", cmd::ViewSize},
        {"Language", cmd::ToolsLanguage},         {"About", cmd::AppAbout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runner.Expect([&](Dialog& d) {
            ExpectEveryPageFits(d);
            platform::PressCancel(d);
        });
        Trigger(c.command);
        EXPECT_EQ(runner.dialogsRun, 1);
        runner.dialogsRun = 0;
    }
    EXPECT_EQ(runner.PendingScripts(), 0u);
}

TEST_F(DialogsFitTheScreen, TheUserDirectoryAndItsAddDialog)
{
    runner.Expect([&](Dialog& d) {
        ExpectFits(d);
        platform::ClickControl(d, dialogs::id::kUserDirAdd);
        platform::PressCancel(d);
    });
    runner.Expect([&](Dialog& add) {
        SCOPED_TRACE("Add to User Directory");
        ExpectFits(add);
        platform::PressCancel(add);
    });
    Trigger(cmd::SearchUserDirectory);
    EXPECT_EQ(runner.dialogsRun, 2);
    EXPECT_EQ(runner.PendingScripts(), 0u);
}

TEST_F(DialogsFitTheScreen, TheScratchPadChordAttributes)
{
    CKvwinView& view = *GetApp().View();
    Doc().SearchNewChord(0x488, true);  // C major
    Settle();
    auto at = [&](int i, double u, double v) { return testsupport::ViewportPoint(view, Doc(), i, u, v); };
    testsupport::Band(view.viewport(), at(0, 2, 10), at(0, 38, 62));
    Settle();
    Trigger(cmd::EditCopyToScratchPad);
    Trigger(cmd::ViewScratchPad);
    Settle();
    ASSERT_EQ(Doc().m_nPadCount, 1);

    runner.Expect([&](Dialog& d) {
        ExpectFits(d);
        // The lowest controls are still there to reach: focused, they scroll into view.
        auto* finger = platform::Control<QLineEdit>(d, dialogs::pad_id::kFingers[0]);
        ASSERT_NE(finger, nullptr);
        finger->setFocus();
        QCoreApplication::processEvents();
        const QRect area = d.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(QRect(finger->mapToGlobal(QPoint(0, 0)), finger->size())));
        EXPECT_EQ(finger->visibleRegion().boundingRect(), finger->rect());
        platform::PressCancel(d);
    });
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(0, 21, 14));
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(runner.PendingScripts(), 0u);
}

}  // namespace
