#pragma once
#include <QPageLayout>

#include "platform/print_info.h"
#include "platform/surface.h"

class QPrinter;
class QWidget;

namespace platform {

// What a print job prints: the steps of a scrolling view's printing.
class Printable {
public:
    virtual ~Printable() = default;
    // Sets the last page and whether this job wants landscape; false or a
    // last page of 0 starts nothing.
    virtual bool OnPreparePrinting(CPrintInfo& info) = 0;
    virtual void OnBeginPrinting(CPrintInfo& info) = 0;
    virtual void OnPrepareDC(Surface& surface, CPrintInfo* info) = 0;
    // The surface is in twips on the printable area of the page.
    virtual void OnPrint(Surface& surface, CPrintInfo& info) = 0;
    virtual void OnEndPrinting(CPrintInfo& info) = 0;
};

// Printing, print preview and print setup on one printer that the
// application owns. The orientation is the job's: landscape only when the
// printable asks for it, else the one chosen in Print Setup.
class PrintDriver {
public:
    explicit PrintDriver(QPrinter& printer);

    QPrinter& printer() { return m_printer; }
    QPageLayout::Orientation SetupOrientation() const { return m_setupOrientation; }

    // The print dialog over pages 1 to the last, then the job.
    bool Print(Printable& printable, QWidget* parent);
    // The preview dialog; each of its repaints is one render pass.
    bool PrintPreview(Printable& printable, QWidget* parent);
    bool PageSetup(QWidget* parent);

    // One job without a dialog, pages from to (0, 0 for all) of what the
    // printable offers.
    bool PrintPages(Printable& printable, int from = 0, int to = 0);

private:
    bool Prepare(Printable& printable, CPrintInfo& info);
    void ApplyJobOrientation(const CPrintInfo& info);
    void RestoreSetupOrientation();
    bool RunJob(Printable& printable, CPrintInfo& info, int from, int to);
    static bool RenderPass(Printable& printable, QPrinter& printer, CPrintInfo& info, int from, int to);

    QPrinter& m_printer;
    QPageLayout::Orientation m_setupOrientation;
};

}  // namespace platform
