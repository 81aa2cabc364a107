#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include "tests/view/view_fixture.h"

namespace {

using platform::CPrintInfo;
using platform::PrintDriver;

struct Print : ViewFixture {
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    QString pdf(const char* name)
    {
        const QString path = dir.filePath(name);
        printer.setOutputFileName(path);
        return path;
    }
};

// The text of each page of a PDF file.
QStringList PdfPages(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

TEST_F(Print, TwoPagesOfDiagramsWithTheirFooters)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    startView(0);
    searchCMajor();  // 12 voicings, nine a page
    PrintDriver driver(printer);
    const QString path = pdf("chords.pdf");
    ASSERT_TRUE(driver.PrintPages(*view));

    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 2);
    for (int i = 0; i < 2; ++i) {
        // pdftotext may drop the narrow blanks of "- %i -".
        EXPECT_TRUE(pages[i].contains(QRegularExpression(QString("-\\s*%1\\s*-").arg(i + 1))))
            << pages[i].toStdString();
        EXPECT_TRUE(pages[i].contains("C major"));
        EXPECT_FALSE(pages[i].contains("Tuning"));
    }
    EXPECT_FALSE(doc->m_bPrinting);
    EXPECT_EQ(view->PrintInfo(), nullptr);
}

TEST_F(Print, OtherTuningsPrintTheirTuningLine)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    startView(2);
    doc->m_awTuning[5] = 32;  // drop D
    doc->BuildFretboardNotes();
    searchCMajor();
    PrintDriver driver(printer);
    const QString path = pdf("dropd.pdf");
    ASSERT_TRUE(driver.PrintPages(*view));
    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Tuning: D (6)A (5)D (4)G (3)B (2)E (1)")) << pages[0].toStdString();
}

// Records the printer's orientation on every page the view prints.
struct OrientationSpy : platform::Printable {
    CKvwinView& view;
    QPrinter& printer;
    std::vector<QPageLayout::Orientation> seen;

    OrientationSpy(CKvwinView& v, QPrinter& p) : view(v), printer(p) {}
    bool OnPreparePrinting(CPrintInfo& info) override { return view.OnPreparePrinting(info); }
    void OnBeginPrinting(CPrintInfo& info) override { view.OnBeginPrinting(info); }
    void OnPrepareDC(platform::Surface& s, CPrintInfo* info) override { view.OnPrepareDC(s, info); }
    void OnPrint(platform::Surface& s, CPrintInfo& info) override
    {
        seen.push_back(printer.pageLayout().orientation());
        view.OnPrint(s, info);
    }
    void OnEndPrinting(CPrintInfo& info) override { view.OnEndPrinting(info); }
};

TEST_F(Print, OnlyTheFretboardJobIsLandscape)
{
    startView(0);
    searchCMajor();
    PrintDriver driver(printer);
    OrientationSpy spy(*view, printer);

    doc->m_bChordDisplay = false;
    pdf("board.pdf");
    ASSERT_TRUE(driver.PrintPages(spy));
    doc->m_bChordDisplay = true;
    pdf("chords.pdf");
    ASSERT_TRUE(driver.PrintPages(spy));

    using O = QPageLayout::Orientation;
    EXPECT_EQ(spy.seen, (std::vector<O>{O::Landscape, O::Portrait, O::Portrait}));
    EXPECT_EQ(printer.pageLayout().orientation(), O::Portrait);
}

TEST_F(Print, NothingToPrintStartsNoJob)
{
    startView(2);
    PrintDriver driver(printer);
    const QString path = pdf("empty.pdf");
    EXPECT_FALSE(driver.PrintPages(*view));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(doc->m_bPrinting);
}

}  // namespace
