#include "platform/print_driver.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

#include "platform/dialog_runner.h"
#include "platform/qt_surface.h"

namespace platform {

PrintDriver::PrintDriver(QPrinter& printer)
    : m_printer(printer), m_setupOrientation(printer.pageLayout().orientation())
{
}

bool PrintDriver::Prepare(Printable& printable, CPrintInfo& info)
{
    info = CPrintInfo{};
    return printable.OnPreparePrinting(info) && info.GetMaxPage() >= 1;
}

void PrintDriver::ApplyJobOrientation(const CPrintInfo& info)
{
    m_printer.setPageOrientation(info.m_bLandscape ? QPageLayout::Landscape : m_setupOrientation);
}

void PrintDriver::RestoreSetupOrientation()
{
    m_printer.setPageOrientation(m_setupOrientation);
}

bool PrintDriver::Print(Printable& printable, QWidget* parent)
{
    CPrintInfo info;
    if (!Prepare(printable, info))
        return false;
    ApplyJobOrientation(info);
    QPrintDialog dialog(&m_printer, parent);
    dialog.setMinMax(info.m_nMinPage, info.GetMaxPage());
    dialog.setFromTo(info.m_nMinPage, info.GetMaxPage());
    bool printed = false;
    if (dialogRunner().RunStandardDialog(dialog) == QDialog::Accepted) {
        int from = 0;
        int to = 0;
        if (m_printer.printRange() == QPrinter::PageRange) {
            from = m_printer.fromPage();
            to = m_printer.toPage();
        }
        printed = RunJob(printable, info, from, to);
    }
    RestoreSetupOrientation();
    return printed;
}

bool PrintDriver::PrintPreview(Printable& printable, QWidget* parent)
{
    CPrintInfo info;
    if (!Prepare(printable, info))
        return false;
    ApplyJobOrientation(info);
    QPrintPreviewDialog dialog(&m_printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        CPrintInfo pass = info;
        pass.m_bPreview = true;
        RenderPass(printable, *target, pass, pass.m_nMinPage, pass.GetMaxPage());
    });
    dialogRunner().RunStandardDialog(dialog);
    RestoreSetupOrientation();
    return true;
}

bool PrintDriver::PageSetup(QWidget* parent)
{
    m_printer.setPageOrientation(m_setupOrientation);
    QPageSetupDialog dialog(&m_printer, parent);
    if (dialogRunner().RunStandardDialog(dialog) != QDialog::Accepted)
        return false;
    m_setupOrientation = m_printer.pageLayout().orientation();
    return true;
}

bool PrintDriver::PrintPages(Printable& printable, int from, int to)
{
    CPrintInfo info;
    if (!Prepare(printable, info))
        return false;
    ApplyJobOrientation(info);
    const bool printed = RunJob(printable, info, from, to);
    RestoreSetupOrientation();
    return printed;
}

bool PrintDriver::RunJob(Printable& printable, CPrintInfo& info, int from, int to)
{
    if (from <= 0 && to <= 0) {
        from = info.m_nMinPage;
        to = info.GetMaxPage();
    }
    from = std::max(from, info.m_nMinPage);
    to = std::min(to, info.GetMaxPage());
    if (from > to)
        return false;
    return RenderPass(printable, m_printer, info, from, to);
}

bool PrintDriver::RenderPass(Printable& printable, QPrinter& printer, CPrintInfo& info, int from, int to)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    printable.OnBeginPrinting(info);
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    for (int page = from; page <= to; ++page) {
        if (page != from)
            printer.newPage();
        info.m_nCurPage = page;
        // A fresh surface per page, as each page starts with the device's defaults.
        QtSurface surface(painter, Mapping::printer(dpiX, dpiY));
        printable.OnPrepareDC(surface, &info);
        printable.OnPrint(surface, info);
    }
    printable.OnEndPrinting(info);
    return painter.end();
}

}  // namespace platform
