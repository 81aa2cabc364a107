#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/print_driver.h"

namespace {

using platform::CPrintInfo;
using platform::PrintDriver;
using platform::Surface;

// A printable that logs each step of a job.
struct Script : platform::Printable {
    int lastPage = 3;
    bool landscape = false;
    QPrinter* printer = nullptr;
    std::vector<std::string> steps;

    bool OnPreparePrinting(CPrintInfo& info) override
    {
        steps.push_back("prepare");
        info.SetMaxPage(lastPage);
        info.m_bLandscape = landscape;
        return true;
    }
    void OnBeginPrinting(CPrintInfo&) override { steps.push_back("begin"); }
    void OnPrepareDC(Surface& surface, CPrintInfo* info) override
    {
        EXPECT_EQ(surface.mapping().mode(), platform::MapMode::Twips);
        steps.push_back("dc " + std::to_string(info->m_nCurPage));
    }
    void OnPrint(Surface&, CPrintInfo& info) override
    {
        const bool wide = printer->pageLayout().orientation() == QPageLayout::Landscape;
        steps.push_back("print " + std::to_string(info.m_nCurPage) + (wide ? " landscape" : ""));
    }
    void OnEndPrinting(CPrintInfo&) override { steps.push_back("end"); }
};

struct PrintDriverTest : ::testing::Test {
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    Script script;

    void SetUp() override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("job.pdf"));
        script.printer = &printer;
    }
};

TEST_F(PrintDriverTest, AJobRunsEveryStepInOrder)
{
    struct Case {
        int from, to;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {0, 0, {"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "dc 3", "print 3", "end"}},
        {2, 9, {"prepare", "begin", "dc 2", "print 2", "dc 3", "print 3", "end"}},
        {3, 3, {"prepare", "begin", "dc 3", "print 3", "end"}},
    };
    for (const Case& c : cases) {
        PrintDriver driver(printer);
        script.steps.clear();
        EXPECT_TRUE(driver.PrintPages(script, c.from, c.to));
        EXPECT_EQ(script.steps, c.steps) << c.from << ".." << c.to;
    }
}

TEST_F(PrintDriverTest, OrientationBelongsToTheJob)
{
    PrintDriver driver(printer);
    script.lastPage = 1;
    script.landscape = true;
    ASSERT_TRUE(driver.PrintPages(script));
    script.landscape = false;
    ASSERT_TRUE(driver.PrintPages(script));
    EXPECT_EQ(script.steps, (std::vector<std::string>{"prepare", "begin", "dc 1", "print 1 landscape", "end",
                                                      "prepare", "begin", "dc 1", "print 1", "end"}));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PrintDriverTest, LastPageZeroOpensNoDialogAndStartsNoJob)
{
    PrintDriver driver(printer);
    script.lastPage = 0;
    QWidget parent;
    // Should a dialog open after all, close it rather than hang the test.
    bool dialogOpened = false;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogOpened = true;
            modal->close();
        }
    });
    guard.start(50);
    EXPECT_FALSE(driver.Print(script, &parent));
    EXPECT_FALSE(driver.PrintPreview(script, &parent));
    EXPECT_FALSE(driver.PrintPages(script));
    EXPECT_FALSE(dialogOpened);
    EXPECT_EQ(script.steps, (std::vector<std::string>{"prepare", "prepare", "prepare"}));
    EXPECT_FALSE(QFile::exists(dir.filePath("job.pdf")));
}

}  // namespace
