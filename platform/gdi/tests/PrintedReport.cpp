#include "PrintedReport.h"

BOOL PrintedReport::OnPreparePrinting(CPrintInfo* info)
{
    calls.push_back("prepare");
    return Gdi::PreparePrinting(info, nullptr);
}

void PrintedReport::OnBeginPrinting(CDC*, CPrintInfo* info)
{
    calls.push_back("begin");
    m_bold.CreateFont(50, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Times New Roman");
    m_normal.CreateFont(40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Times New Roman");
    info->SetMinPage(1);
    info->SetMaxPage(pages);
}

void PrintedReport::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    calls.push_back("dc " + std::to_string(info->m_nCurPage));
    dc->SetMapMode(MM_LOMETRIC);
}

std::vector<std::string> PrintedReport::TextsOfPage(UINT page, UINT count)
{
    const std::string p = std::to_string(page);
    return {"Heading of page " + p, "Firm Kalvenrod", "Centred line " + p, "Výpočet tepelných ztrát",
            "Strana " + p + " z " + std::to_string(count)};
}

void PrintedReport::OnPrint(CDC* dc, CPrintInfo* info)
{
    calls.push_back("print " + std::to_string(info->m_nCurPage));
    const CRect r = info->m_rectDraw;
    const auto texts = TextsOfPage(info->m_nCurPage, info->GetMaxPage());
    dc->SelectStockObject(NULL_BRUSH);
    if (info->m_nCurPage == 1)
        dc->Rectangle(100, -100, 1000, -500);
    CFont* old = dc->SelectObject(&m_bold);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->TextOut(r.left + 100, -600, CString(texts[0].c_str()));
    dc->SetTextAlign(TA_RIGHT | TA_TOP);
    dc->TextOut(r.right - 100, -700, CString(texts[1].c_str()));
    dc->SelectObject(&m_normal);
    dc->SetTextAlign(TA_CENTER | TA_TOP);
    dc->TextOut((r.left + r.right) / 2, -800, CString(texts[2].c_str()));
    dc->MoveTo(r.left + 100, -860);
    dc->LineTo(r.right - 100, -860);
    CRect box(r.left + 100, -900, r.right - 100, -1000);
    dc->Rectangle(&box);
    dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc->TextOut(r.left + 120, -990, CString(texts[3].c_str()));
    dc->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc->TextOut(r.right - 100, r.bottom + 100, CString(texts[4].c_str()));
    dc->SelectObject(old);
}

void PrintedReport::OnEndPrinting(CDC*, CPrintInfo*)
{
    calls.push_back("end");
    m_bold.DeleteObject();
    m_normal.DeleteObject();
}
