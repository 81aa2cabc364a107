#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "platform/property_sheet.h"
#include "tests/support/active_window.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_dialog_runner.h"

using namespace platform;

namespace {

constexpr ControlTemplate kControls[] = {
    {20, ControlKind::Edit, "", 10, 10, 40, 12, 0},
};
constexpr DialogTemplate kFirst{"First", 200, 60, kControls};
constexpr DialogTemplate kSecond{"Second", 150, 80, kControls};
// Taller than any screen, with a second edit near its bottom.
constexpr ControlTemplate kTallControls[] = {
    {20, ControlKind::Edit, "", 10, 10, 40, 12, 0},
    {21, ControlKind::Edit, "", 10, 1950, 40, 12, 0},
};
constexpr DialogTemplate kTall{"Tall", 200, 2000, kTallControls};

// Counts what the sheet asks of it; its one edit takes 1..20.
class CountingPage : public PropertyPage {
public:
    using PropertyPage::PropertyPage;
    int value = 5;
    int inits = 0, loads = 0, oks = 0, cancels = 0;

    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
    QLineEdit* edit() const { return Control<QLineEdit>(20); }

protected:
    bool OnInitDialog() override
    {
        ++inits;
        return PropertyPage::OnInitDialog();
    }
    void DoDataExchange(DataExchange& dx) override
    {
        if (!dx.SaveAndValidate())
            ++loads;
        dx.Text(20, value);
        dx.MinMaxInt(value, 1, 20);
    }
};

struct PropertySheetTest : ::testing::Test {
    // The sheet owns its pages.
    PropertySheet* makeSheet(int start, bool noApply)
    {
        sheet = std::make_unique<PropertySheet>(QStringLiteral("Tonalith"), start, noApply);
        first = new CountingPage(kFirst);
        second = new CountingPage(kSecond);
        sheet->AddPage(first);
        sheet->AddPage(second);
        return sheet.get();
    }

    ScriptedDialogRunner runner;
    ScopedDialogRunner scope{runner};
    std::unique_ptr<PropertySheet> sheet;
    CountingPage* first = nullptr;
    CountingPage* second = nullptr;
};

TEST_F(PropertySheetTest, PagesAreBuiltOnFirstActivationAndReloadedOnLaterOnes)
{
    makeSheet(1, true);
    runner.Expect([&](Dialog&) {
        EXPECT_FALSE(first->IsCreated());
        EXPECT_EQ(second->inits, 1);
        EXPECT_EQ(second->loads, 1);  // OnInitDialog only: the first activation does not reload
        sheet->Tabs()->setCurrentIndex(0);
        EXPECT_EQ(first->inits, 1);
        EXPECT_EQ(first->loads, 1);
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(second->inits, 1);
        EXPECT_EQ(second->loads, 2);
        PressCancel(*sheet);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Rejected);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
}

// Pages are built after the buttons; Tab still runs tabs, page, buttons.
TEST_F(PropertySheetTest, TabRunsFromTheTabsThroughThePageToTheButtons)
{
    makeSheet(0, false);
    runner.Expect([&](Dialog&) {
        ASSERT_TRUE(testsupport::Activate(*sheet));
        for (CountingPage* page : {first, second}) {
            sheet->Tabs()->setCurrentIndex(page == first ? 0 : 1);
            sheet->Tabs()->tabBar()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), page->edit());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), sheet->OkButton());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), page->edit());
        }
        PressCancel(*sheet);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Rejected);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
}

TEST_F(PropertySheetTest, LeavingAnInvalidPageIsRefusedWhileItStaysInView)
{
    makeSheet(0, true);
    runner.onMessage = [&](const ScriptedDialogRunner::Message&) {
        EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);  // the message is shown over the page it is about
    };
    runner.Expect([&](Dialog&) {
        first->edit()->setText("25");
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
        EXPECT_EQ(sheet->GetActiveIndex(), 0);
        EXPECT_FALSE(second->IsCreated());
        EXPECT_EQ(sheet->focusWidget(), first->edit());
        first->edit()->setText("3");
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(sheet->GetActiveIndex(), 1);
        PressOk(*sheet);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Accepted);
    ASSERT_EQ(runner.messages.size(), 1u);
    EXPECT_EQ(runner.messages[0].text, QStringLiteral("Please enter an integer between 1 and 20."));
    EXPECT_EQ(first->value, 3);
}

TEST_F(PropertySheetTest, OkValidatesTheActivePageAndReachesOnlyBuiltPages)
{
    makeSheet(1, true);
    runner.Expect([&](Dialog&) {
        second->edit()->setText("0");
        PressOk(*sheet);
        EXPECT_TRUE(sheet->isVisible());  // refused: the sheet stays open
        second->edit()->setText("9");
        PressOk(*sheet);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Accepted);
    EXPECT_EQ(second->value, 9);
    EXPECT_EQ(second->oks, 1);
    EXPECT_EQ(first->oks, 0);
    EXPECT_EQ(sheet->LastActiveIndex(), 1);
}

TEST_F(PropertySheetTest, CancelReachesBuiltPagesAndRecordsThePageShowing)
{
    makeSheet(0, true);
    runner.Expect([&](Dialog&) {
        sheet->Tabs()->setCurrentIndex(1);
        sheet->Tabs()->setCurrentIndex(0);
        sheet->Tabs()->setCurrentIndex(1);
        PressCancel(*sheet);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Rejected);
    EXPECT_EQ(first->cancels, 1);
    EXPECT_EQ(second->cancels, 1);
    EXPECT_EQ(first->oks + second->oks, 0);
    EXPECT_EQ(sheet->LastActiveIndex(), 1);
}

TEST_F(PropertySheetTest, ApplyIsAbsentWithNoApplyNow)
{
    makeSheet(0, true);
    sheet->Create();
    EXPECT_EQ(sheet->ApplyButton(), nullptr);
    const auto buttons = sheet->findChildren<QPushButton*>();
    for (QPushButton* b : buttons)
        EXPECT_NE(b->text(), QStringLiteral("&Apply"));
}

TEST_F(PropertySheetTest, ApplyFollowsModifiedPagesAndAppliesBuiltOnes)
{
    makeSheet(0, false);
    runner.Expect([&](Dialog&) {
        QPushButton* apply = sheet->ApplyButton();
        ASSERT_NE(apply, nullptr);
        EXPECT_FALSE(apply->isEnabled());
        first->SetModified();
        EXPECT_TRUE(apply->isEnabled());
        first->edit()->setText("11");
        apply->click();
        EXPECT_FALSE(apply->isEnabled());
        EXPECT_EQ(first->oks, 1);
        EXPECT_EQ(first->value, 11);
        EXPECT_TRUE(sheet->isVisible());
        PressCancel(*sheet);
    });
    sheet->DoModal();
    EXPECT_EQ(second->oks, 0);
}

TEST_F(PropertySheetTest, PagesShareTheLargestSize)
{
    makeSheet(0, true);
    sheet->Create();
    sheet->show();
    const QSize firstSize = TemplateBuilder::DialogSize(kFirst);
    const QSize secondSize = TemplateBuilder::DialogSize(kSecond);
    EXPECT_GE(first->width(), std::max(firstSize.width(), secondSize.width()));
    EXPECT_GE(first->height(), std::max(firstSize.height(), secondSize.height()));
    sheet->Tabs()->setCurrentIndex(1);
    EXPECT_EQ(second->size(), first->size());
    sheet->hide();
}

TEST_F(PropertySheetTest, ASheetTallerThanItsScreenScrollsItsPagesWithItsButtonsInView)
{
    sheet = std::make_unique<PropertySheet>(QStringLiteral("Tonalith"), 0, false);
    auto* tall = new CountingPage(kTall);
    first = new CountingPage(kFirst);
    sheet->AddPage(tall);
    sheet->AddPage(first);
    auto inView = [](const QWidget* w) { return w->isVisible() && w->visibleRegion().boundingRect() == w->rect(); };
    runner.Expect([&](Dialog& d) {
        for (int page : {0, 1}) {
            ASSERT_TRUE(sheet->SetActivePage(page));
            QCoreApplication::processEvents();
            const QRect area = d.screen()->availableGeometry();
            EXPECT_TRUE(area.contains(d.frameGeometry())) << page;
            for (QWidget* button : {static_cast<QWidget*>(d.OkButton()), static_cast<QWidget*>(d.CancelButton()),
                                    static_cast<QWidget*>(sheet->ApplyButton())})
                EXPECT_TRUE(inView(button)) << page;
        }
        ASSERT_TRUE(sheet->SetActivePage(0));
        QCoreApplication::processEvents();
        auto* low = tall->Control<QLineEdit>(21);
        ASSERT_NE(low, nullptr);
        EXPECT_FALSE(inView(low));
        low->setFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(inView(low));
        tall->edit()->setText(QStringLiteral("7"));
        PressOk(d);
    });
    EXPECT_EQ(sheet->DoModal(), QDialog::Accepted);
    EXPECT_EQ(tall->value, 7);
    EXPECT_EQ(tall->oks, 1);
    EXPECT_EQ(first->oks, 1);
}

}  // namespace
