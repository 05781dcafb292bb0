#pragma once
// A view: the window that shows a document, draws it (OnDraw) and prints it through the print
// life cycle (OnPreparePrinting, OnBeginPrinting, per page OnPrepareDC and OnPrint, OnEndPrinting).

#include "platform/gdi/PrintJob.h"
#include "platform/ui/CWnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd, public Gdi::PrintClient
{
    DECLARE_DYNAMIC(CView)

public:
    CView() { m_bAutoDelete = TRUE; }
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT, CFrameWnd*) {}

    // Printing. The defaults: no dialog besides the print dialog, pages until the maximum page
    // (page 1 only when the view set none), and each page drawn with OnDraw.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};
