#include "platform/gdi/PrintJob.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTimer>

#include <memory>

namespace
{
QString g_nextPrintFile;
std::function<void(QPrintPreviewDialog*)> g_previewHook;

// A page is drawn on the whole sheet; margins are the report's own.
void UseWholeSheet(QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Runs OnBeginPrinting, the pages and OnEndPrinting on an open printer.
BOOL PrintPages(Gdi::PrintClient& client, QPrinter& printer, CPrintInfo& info)
{
    CDC dc;
    if (!dc.CreateForDevice(&printer, true))
        return FALSE;
    client.OnBeginPrinting(&dc, &info);
    const UINT from = info.GetFromPage();
    const UINT to = info.GetToPage();
    bool first = true;
    for (UINT page = from; page <= to && page < 0xFFFF; ++page)
    {
        info.m_nCurPage = page;
        info.m_bContinuePrinting = TRUE;
        client.OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        if (!first)
            printer.newPage();
        first = false;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&info.m_rectDraw);
        client.OnPrint(&dc, &info);
    }
    client.OnEndPrinting(&dc, &info);
    return !first;
}

BOOL PrintTo(Gdi::PrintClient& client, QPrinter& printer, CPrintInfo& info)
{
    UseWholeSheet(printer);
    return PrintPages(client, printer, info);
}
} // namespace

QPrinter& Gdi::ApplicationPrinter()
{
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(QPageSize(QPageSize::A4));
        UseWholeSheet(*p);
        return p;
    }();
    return *printer;
}

void Gdi::MeasureOnPrinterPage(const std::function<void(CDC*)>& measure)
{
    const QPrinter& printer = ApplicationPrinter();
    QBuffer discarded;
    discarded.open(QIODevice::WriteOnly);
    QPdfWriter writer(&discarded);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    CDC dc;
    if (!dc.CreateForDevice(&writer, true))
        return;
    measure(&dc);
    dc.DeleteDC();
}

void Gdi::SetNextPrintFile(const QString& pdfPath) { g_nextPrintFile = pdfPath; }

void Gdi::SetPreviewHook(std::function<void(QPrintPreviewDialog*)> hook) { g_previewHook = std::move(hook); }

BOOL Gdi::PreparePrinting(CPrintInfo* info, QWidget* parent)
{
    if (!info || info->m_bPreview || info->m_bDirect)
        return TRUE;
    QPrinter& printer = ApplicationPrinter();
    if (!g_nextPrintFile.isEmpty())
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(g_nextPrintFile);
        g_nextPrintFile.clear();
        return TRUE;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(int(info->GetMinPage()), int(std::min<UINT>(info->GetMaxPage(), 9999)));
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        info->SetChosenPages(UINT(printer.fromPage()), UINT(printer.toPage()));
    return TRUE;
}

BOOL Gdi::RunPrint(PrintClient& client, QWidget* parent)
{
    CPrintInfo info;
    (void)parent;
    if (!client.OnPreparePrinting(&info))
        return FALSE;
    return PrintTo(client, ApplicationPrinter(), info);
}

BOOL Gdi::RunPrintToFile(PrintClient& client, const QString& pdfPath)
{
    CPrintInfo info;
    info.m_bDirect = TRUE;
    if (!client.OnPreparePrinting(&info))
        return FALSE;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ApplicationPrinter().pageLayout());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return PrintTo(client, printer, info);
}

BOOL Gdi::RunPrintPreview(PrintClient& client, QWidget* parent)
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    if (!client.OnPreparePrinting(&info))
        return FALSE;
    QPrinter& printer = ApplicationPrinter();
    UseWholeSheet(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        CPrintInfo run = info;
        PrintPages(client, *target, run);
    });
    if (g_previewHook)
        QTimer::singleShot(0, &dialog, [&dialog] {
            auto hook = std::move(g_previewHook);
            g_previewHook = nullptr;
            hook(&dialog);
        });
    dialog.exec();
    return TRUE;
}

BOOL Gdi::RunPageSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&ApplicationPrinter(), parent);
    return dialog.exec() == QDialog::Accepted;
}
