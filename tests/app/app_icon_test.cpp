#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImage>

#include "app_fixture.h"
#include "document/command_ids.h"
#include "platform/dialog.h"

namespace {

using AppIconTest = AppFixture;

// The sizes a desktop draws a program's icon at.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

void ExpectEverySize(const QIcon& icon)
{
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        // Opaque in the middle: a picture, not an empty square.
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
    // The 16 px picture is drawn for its size: a string one pixel wide,
    // sharp against the ground beside it.
    const QImage small = icon.pixmap(QSize(16, 16), 1.0).toImage();
    EXPECT_GT(qGray(small.pixel(3, 8)), 200);
    EXPECT_LT(qGray(small.pixel(4, 8)), 80);
}

TEST_F(AppIconTest, TheWindowsCarryTheProgramsIconAtEverySize)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    {
        SCOPED_TRACE("main window");
        ExpectEverySize(Frame().windowIcon());
    }
    {
        SCOPED_TRACE("application");
        ExpectEverySize(QApplication::windowIcon());
    }
    bool shown = false;
    runner.Expect([&](platform::Dialog& d) {
        SCOPED_TRACE("About box");
        shown = true;
        ExpectEverySize(d.windowIcon());
        platform::PressOk(d);
    });
    Frame().Commands().Action(cmd::AppAbout)->trigger();
    EXPECT_TRUE(shown);
}

// On Wayland the task bar finds the icon through the menu entry of this name.
TEST_F(AppIconTest, TheWindowsNameTheMenuEntry)
{
    Start();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(TONALITH_APP_ID));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(TONALITH_SOURCE_DIR "/res/" TONALITH_APP_ID ".desktop")));
}

}  // namespace
