#pragma once
// A three-page test report drawn in MM_LOMETRIC, and a client that records the print life cycle.

#include "platform/gdi/PrintJob.h"

#include <string>
#include <vector>

class PrintedReport : public Gdi::PrintClient
{
public:
    std::vector<std::string> calls;
    UINT pages = 3;

    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    // The texts of a page, top to bottom.
    static std::vector<std::string> TextsOfPage(UINT page, UINT count);

private:
    CFont m_bold;
    CFont m_normal;
};
