#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "platform/scripted_dialog_runner.h"
#include "platform/template_dialog.h"
#include "tests/support/qt_print.h"

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
