#include <gtest/gtest.h>

#include <vector>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QPalette>
#include <QTest>
#include <QUrl>

#include "app/about_box.h"
#include "app/static_link.h"
#include "app/version.h"
#include "app_fixture.h"
#include "document/command_ids.h"
#include "platform/qt_platform_info.h"
#include "platform/template_builder.h"
#include "platform/url_opener.h"
#include "tests/support/active_window.h"
#include "tests/support/template_layout.h"
#include "tests/support/qt_print.h"

namespace {

using AboutBoxTest = AppFixture;

QString Text(const platform::Dialog& d, int id)
{
    return platform::ControlText(platform::FindControl(d, id));
}

TEST_F(AboutBoxTest, ShowsTheBuildsVersionAndTogglesThePlatformLine)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    runner.Expect([&](platform::Dialog& d) {
        EXPECT_EQ(d.parentWidget(), &Frame());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("About Tonalith"));
        EXPECT_EQ(Text(d, AboutBox::kIdProductName), QStringLiteral("Tonalith for Linux"));
        EXPECT_EQ(Text(d, AboutBox::kIdVersion),
                  QStringLiteral("Version %1.%2").arg(TONALITH_VERSION_MAJOR).arg(TONALITH_VERSION_MINOR));
        EXPECT_EQ(Text(d, AboutBox::kIdCopyright), QStringLiteral(TONALITH_LEGAL_COPYRIGHT));
        for (int id : {AboutBox::kIdProductName, AboutBox::kIdVersion, AboutBox::kIdCopyright})
            EXPECT_EQ(platform::FindControl(d, id)->font().weight(), QFont::DemiBold) << id;
        EXPECT_NE(platform::FindControl(d, AboutBox::kIdPlatform)->font().weight(), QFont::DemiBold);

        const QString shortLine =
            QStringLiteral("Platform: ") + QString::fromStdString(platform::QtOsInfo().PrettyProductName());
        QWidget* platformLine = platform::FindControl(d, AboutBox::kIdPlatform);
        EXPECT_EQ(Text(d, AboutBox::kIdPlatform), shortLine);
        QTest::mouseClick(platformLine, Qt::LeftButton);
        EXPECT_EQ(Text(d, AboutBox::kIdPlatform), shortLine + QStringLiteral("  Aspect Ratio:1.60"));
        testsupport::ExpectWholeControls(d);
        QTest::mouseClick(platformLine, Qt::LeftButton);
        EXPECT_EQ(Text(d, AboutBox::kIdPlatform), shortLine);
        platform::PressOk(d);
    });
    QAction* about = Frame().Commands().Action(cmd::AppAbout);
    ASSERT_TRUE(about->isEnabled());
    about->trigger();
    EXPECT_EQ(runner.dialogsRun, 1);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
    EXPECT_EQ(runner.PendingScripts(), 0u);
}

TEST_F(AboutBoxTest, TheLinkTurnsVisitedOnlyWhenTheDesktopOpensIt)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    const QColor blue(0, 0, 255);
    const QColor purple(128, 0, 128);
    for (const bool opens : {false, true}) {
        SCOPED_TRACE(opens ? "opens" : "fails");
        std::vector<QUrl> opened;
        platform::ScopedUrlOpener stub([&](const QUrl& url) {
            opened.push_back(url);
            return opens;
        });
        runner.Expect([&](platform::Dialog& d) {
            CStaticLink* link = dynamic_cast<AboutBox&>(d).Link();
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link, platform::FindControl(d, AboutBox::kIdLink));
            EXPECT_TRUE(link->font().underline());
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_EQ(link->palette().color(QPalette::WindowText), blue);

            QTest::mouseClick(link, Qt::LeftButton);
            EXPECT_EQ(opened, std::vector<QUrl>{QUrl(QStringLiteral("http://www.varnoth.com"))});
            EXPECT_EQ(link->IsVisited(), opens);
            EXPECT_EQ(link->palette().color(QPalette::WindowText), opens ? purple : blue);
            platform::PressOk(d);
        });
        Frame().Commands().Action(cmd::AppAbout)->trigger();
        EXPECT_EQ(runner.PendingScripts(), 0u);
    }
}

TEST_F(AboutBoxTest, TabReachesTheLinkAndSpaceOpensIt)
{
    Start();
    QCoreApplication::processEvents();
    ASSERT_TRUE(testsupport::Activate(Frame()));
    std::vector<QUrl> opened;
    platform::ScopedUrlOpener stub([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    runner.Expect([&](platform::Dialog& d) {
        ASSERT_TRUE(testsupport::Activate(d));
        platform::FindControl(d, platform::TemplateDialog::kIdOk)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), dynamic_cast<AboutBox&>(d).Link());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(opened, std::vector<QUrl>{QUrl(QStringLiteral("http://www.varnoth.com"))});
        EXPECT_TRUE(d.isVisible()) << "Space opens the link, not OK";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    Frame().Commands().Action(cmd::AppAbout)->trigger();
    EXPECT_EQ(runner.PendingScripts(), 0u);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
}

}  // namespace
