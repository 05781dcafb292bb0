#pragma once
// The view of the project: it draws nothing on screen (the start picture stands over the frame);
// its work is printing the chosen report, with the page margins it keeps.

#include "common/PageDistribution.h"
#include "platform/frame/CView.h"
#include "platform/gdi/CFont.h"

#include <memory>
#include <vector>

class CCmdUI;
class ProjectModel;
struct PrintSnapshot;

class CMekrView : public CView
{
    DECLARE_DYNCREATE(CMekrView)

public:
    CMekrView();
    ~CMekrView() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // The largest sum of the top and bottom margins (mm) that leaves every report's page of the
    // application printer room for its frame, one row and the page line.
    int LargestVerticalMargins();

    // The choice of the report choice dialog.
    int m_bVcetneHodnoty = 0;
    int m_nSestava = -1;
    // Page margins in millimetres.
    int m_nLeftMargin = 10;
    int m_nTopMargin = 20;
    int m_nRightMargin = 10;
    int m_nBottomMargin = 20;

    // State of a print run, set up by OnBeginPrinting.
    int m_nFirstPageRows = 0;
    int m_nHeadingRows = 0;
    int m_nPageCount = 0;
    int m_nCurrentPage = 0;
    int m_nNormalRow = 0;
    // The design temperatures of the floor and wall heating reports, °C.
    double m_dSupplyTemperature = 0.0;
    double m_dSecondTemperature = 0.0;
    int m_nBoldRow = 0;
    PageCapacity m_capacity;
    std::vector<PagePart> m_pages;
    std::vector<int> m_groupSizes;

protected:
    afx_msg void OnFilePageSetup();
    afx_msg void OnPrintCommand();
    afx_msg void OnPreviewCommand();
    afx_msg void OnUpdatePrintCommands(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Runs the report choice; true when a report is to be printed.
    bool ChooseReport();
    void ShowPrintProblems();
    // Keeps a problem of the run once, to be shown after it.
    void NoteProblem(const CString& problem);
    // The start picture is away from the start of a print run (or the opening of the preview)
    // to its end, then shown again when it was there.
    void HideStartPicture();
    void RestoreStartPicture();
    void MeasureRows(CDC* pDC);
    PageGeometry GeometryOf(CDC* pDC) const;
    // The frame of every page: logo, headings, on page 1 the project box. Top moves below it.
    void DrawPageFrame(CDC* pDC, const CRect& area, int& top);
    void DrawProjectBox(CDC* pDC, const CRect& area, int top, int boxRows);
    // The page line under the body, never below the sheet's bottom edge.
    void DrawPageLine(CDC* pDC, const CRect& area, int sheetBottom);
    int PageLineHeight() const;
    // What the frame and the table head of a report take above the body on page 1 and on
    // later pages.
    int TableHeadHeight() const;
    int FirstPageDrawnHeight(int report, int includeValues) const;
    int FollowingPageDrawnHeight(int report) const;
    // Heat-loss reports (HeatLossReports.cpp).
    void SetUpHeatLossResults();
    void SetUpHeatLossInput();
    void DrawClimateBlock(CDC* pDC, const CRect& area, int top);
    void PrintHeatLossResults(CDC* pDC, const CRect& area, int top);
    void PrintHeatLossInput(CDC* pDC, const CRect& area, int top);
    // Pipe-distribution sizing (SizingReport.cpp).
    void SetUpSizing();
    void PrintSizing(CDC* pDC, const CRect& area, int top);
    // Bills of materials (BillReports.cpp).
    void SetUpBill();
    void PrintBill(CDC* pDC, const CRect& area, int top);
    // Floor heating input and results (FloorReports.cpp).
    void SetUpFloorReport();
    // Lines (or rooms) that the pages before the current one printed.
    int FirstLineOfPage() const;
    void PrintFloorInput(CDC* pDC, const CRect& area, int top);
    void PrintFloorResults(CDC* pDC, const CRect& area, int top);
    // Wall heating input and results (WallReports.cpp).
    void SetUpWallResults();
    void SetUpWallInput();
    void DrawWallTemperatures(CDC* pDC, const CRect& area, int top);
    void PrintWallInput(CDC* pDC, const CRect& area, int top);
    void PrintWallResults(CDC* pDC, const CRect& area, int top);
    // Manifold bills (ManifoldReports.cpp).
    void SetUpManifolds();
    void PrintManifolds(CDC* pDC, const CRect& area, int top);
    // A bold row of two labels and their values, each value right-aligned before the next label.
    void DrawBoldRow(CDC* pDC, const CRect& area, int y, const CString& leftLabel, const CString& leftValue,
                     const CString& rightLabel, const CString& rightValue);

    CFont m_boldFont;
    CFont m_normalFont;
    std::unique_ptr<ProjectModel> m_model; // the project as the run started
    std::unique_ptr<PrintSnapshot> m_snapshot; // the design data as the run started
    std::vector<CString> m_problems;
    bool m_bPictureWasShown = false;
    bool m_bPreviewOpen = false;
};
