#pragma once
// The print life cycle of a view, run on a QPrinter: for a printer (after the print dialog),
// into a PDF file, or page by page for the print preview.

#include "platform/gdi/CDC.h"
#include "platform/gdi/CPrintInfo.h"

#include <QString>

#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace Gdi
{
// The steps that a printing view carries out, in the order they are called:
// OnPreparePrinting once, OnBeginPrinting, per page OnPrepareDC and OnPrint, OnEndPrinting.
class PrintClient
{
public:
    virtual ~PrintClient() = default;
    virtual BOOL OnPreparePrinting(CPrintInfo* info) = 0;
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info) = 0;
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info) = 0;
    virtual void OnPrint(CDC* dc, CPrintInfo* info) = 0;
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info) = 0;
};

// The printer that every print run of the program uses (its choice and page settings persist).
QPrinter& ApplicationPrinter();

// The preparation of a print run: the print dialog for a printer (FALSE when cancelled);
// nothing for a preview or a run into a file.
BOOL PreparePrinting(CPrintInfo* info, QWidget* parent);

// Runs measure on a device context that measures as a page of the application printer does
// (its sheet and resolution) without printing anything: for a layout that must be known before
// a print run.
void MeasureOnPrinterPage(const std::function<void(CDC*)>& measure);

// Prints through the print dialog; TRUE when pages were produced.
BOOL RunPrint(PrintClient& client, QWidget* parent = nullptr);
// Prints into a PDF file without a dialog.
BOOL RunPrintToFile(PrintClient& client, const QString& pdfPath);
// Shows the print preview; it runs the whole cycle for its pages. TRUE when shown.
BOOL RunPrintPreview(PrintClient& client, QWidget* parent = nullptr);
// The printer setup: page size and orientation of the application printer. TRUE on OK.
BOOL RunPageSetup(QWidget* parent = nullptr);

// Test support: the next RunPrint goes into this PDF file instead of the dialog (one run).
void SetNextPrintFile(const QString& pdfPath);
// Test support: called once the preview is shown (it may look at the pages and close it).
void SetPreviewHook(std::function<void(QPrintPreviewDialog*)> hook);
} // namespace Gdi
