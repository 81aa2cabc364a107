#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "platform/template_dialog.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {30, ControlKind::Edit, "", 10, 10, 60, 12, 0},
    {31, ControlKind::PushButton, "&Nested", 10, 30, 50, 14, 0},
    {1, ControlKind::PushButton, "OK", 80, 10, 50, 14, style::kDefault},
    {2, ControlKind::PushButton, "Cancel", 80, 30, 50, 14, 0},
};
constexpr DialogTemplate kTemplate{"Named", 140, 50, kControls};

class NameDialog : public TemplateDialog {
public:
    NameDialog() : TemplateDialog(kTemplate) {}
    QString name = "start";
    int cancels = 0;
    int nestedResult = -1;

protected:
    void BindControls() override
    {
        connect(Control<QPushButton>(31), &QPushButton::clicked, this, [this] {
            NameDialog inner;
            nestedResult = inner.DoModal();
        });
    }
    void DoDataExchange(DataExchange& dx) override
    {
        dx.Text(30, name);
        if (dx.SaveAndValidate() && name.isEmpty())
            dx.Fail(QStringLiteral("No chord name"));
    }
    void OnCancel() override
    {
        ++cancels;
        TemplateDialog::OnCancel();
    }
};

// Taller than any screen: two controls at the top, an edit near the bottom,
// OK and Cancel below it.
constexpr ControlTemplate kTallControls[] = {
    {30, ControlKind::Edit, "", 10, 10, 60, 12, 0},
    {31, ControlKind::CheckBox, "&Keep", 10, 30, 60, 10, 0},
    {40, ControlKind::Edit, "", 10, 1950, 60, 12, 0},
    {1, ControlKind::PushButton, "OK", 10, 1975, 50, 14, style::kDefault},
    {2, ControlKind::PushButton, "Cancel", 70, 1975, 50, 14, 0},
};
constexpr DialogTemplate kTallTemplate{"Tall", 140, 2000, kTallControls};

class TallDialog : public TemplateDialog {
public:
    TallDialog() : TemplateDialog(kTallTemplate) {}
    QString top = "top";
    QString bottom = "bottom";

protected:
    void DoDataExchange(DataExchange& dx) override
    {
        dx.Text(30, top);
        dx.Text(40, bottom);
    }
};

bool WhollyInView(const QWidget* w)
{
    return w->isVisible() && w->visibleRegion().boundingRect() == w->rect();
}

struct TemplateDialogTest : ::testing::Test {
    ScriptedDialogRunner runner;
    ScopedDialogRunner scope{runner};
};

TEST_F(TemplateDialogTest, OkEndsOnlyWhenTheDataIsAccepted)
{
    NameDialog dialog;
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Named"));
        auto* edit = platform::Control<QLineEdit>(d, 30);
        EXPECT_EQ(edit->text(), QStringLiteral("start"));  // loaded at initialisation
        edit->clear();
        PressOk(d);
        EXPECT_TRUE(d.isVisible());
        edit->setText("Cmaj");
        PressOk(d);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.name, QStringLiteral("Cmaj"));
    EXPECT_EQ(runner.messages.size(), 1u);
}

TEST_F(TemplateDialogTest, ADialogTallerThanItsScreenScrollsWithOkAndCancelInView)
{
    TallDialog dialog;
    runner.Expect([&](Dialog& d) {
        QCoreApplication::processEvents();
        const QRect area = d.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(d.frameGeometry()));
        ASSERT_NE(d.OkButton(), nullptr);
        ASSERT_NE(d.CancelButton(), nullptr);
        EXPECT_TRUE(WhollyInView(d.OkButton()));
        EXPECT_TRUE(WhollyInView(d.CancelButton()));
        EXPECT_TRUE(area.contains(QRect(d.OkButton()->mapToGlobal(QPoint(0, 0)), d.OkButton()->size())));

        // Every control is there by its id, in the Tab order of the template;
        // the one the focus reaches scrolls into view.
        auto* top = platform::Control<QLineEdit>(d, 30);
        auto* bottom = platform::Control<QLineEdit>(d, 40);
        ASSERT_NE(top, nullptr);
        ASSERT_NE(bottom, nullptr);
        EXPECT_EQ(bottom->text(), QStringLiteral("bottom"));
        EXPECT_FALSE(WhollyInView(bottom));
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), platform::Control<QCheckBox>(d, 31));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), bottom);
        EXPECT_TRUE(WhollyInView(bottom));
        EXPECT_TRUE(WhollyInView(d.OkButton()));
        bottom->setText(QStringLiteral("changed"));
        PressOk(d);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.bottom, QStringLiteral("changed"));
    EXPECT_EQ(dialog.top, QStringLiteral("top"));
}

TEST_F(TemplateDialogTest, EscapeAndTheCloseBoxCancel)
{
    NameDialog dialog;
    runner.Expect([&](Dialog& d) {
        platform::Control<QLineEdit>(d, 30)->setText("changed");
        d.reject();  // what Esc and the close box call
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.name, QStringLiteral("start"));
}

TEST_F(TemplateDialogTest, NestedDialogsTakeTheNextScript)
{
    NameDialog dialog;
    runner.Expect([&](Dialog& d) {
        ClickControl(d, 31);
        EXPECT_EQ(dialog.nestedResult, QDialog::Accepted);
        PressCancel(d);
    });
    runner.Expect([&](Dialog& inner) {
        EXPECT_EQ(runner.Current(), &inner);
        PressOk(inner);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
    EXPECT_EQ(runner.dialogsRun, 2);
    EXPECT_EQ(runner.PendingScripts(), 0u);
}

TEST_F(TemplateDialogTest, AnUnscriptedDialogIsCancelled)
{
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
    EXPECT_EQ(runner.unexpectedDialogs, 1);
    EXPECT_EQ(dialog.cancels, 1);
}

}  // namespace
