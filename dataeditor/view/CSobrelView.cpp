#include "dataeditor/view/CSobrelView.h"

#include "controls/grid/CGridCtrl.h"
#include "dataeditor/document/CSobrelDoc.h"

IMPLEMENT_DYNCREATE(CSobrelView, CView)

BEGIN_MESSAGE_MAP(CSobrelView, CView)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
constexpr UINT kGridId = 1658;
}

CSobrelView::CSobrelView() = default;

CSobrelView::~CSobrelView() = default;

CSobrelDoc* CSobrelView::Document() const { return dynamic_cast<CSobrelDoc*>(GetDocument()); }

void CSobrelView::OnDraw(CDC*) {}

void CSobrelView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (m_grid)
        return;
    m_grid = std::make_unique<CGridCtrl>();
    CRect client;
    GetClientRect(&client);
    m_grid->Create(client, this, kGridId, WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    LoadTable();
}

void CSobrelView::LoadTable()
{
    CSobrelDoc* document = Document();
    if (!m_grid || !document)
        return;
    CData& data = document->data;
    const int rows = data.m_nTable >= 0 ? data.m_nRecordCount : 0;
    const int columns = data.m_nTable >= 0 ? data.m_nColCount : 0;
    m_grid->SetRowCount(rows + 1);
    m_grid->SetColumnCount(columns + 1);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(1);
    m_grid->SetItemText(0, 0, "#");
    for (int c = 0; c < columns; ++c)
        m_grid->SetItemText(0, c + 1, data.m_aColNames[c]);
    for (int r = 0; r < rows; ++r)
    {
        m_grid->SetItemTextFmt(r + 1, 0, "%d", r + 1);
        for (int c = 0; c < columns; ++c)
        {
            CString text;
            if (data.GetStringValue(c, text, r, -3))
                m_grid->SetItemText(r + 1, c + 1, text);
        }
    }
    m_grid->AutoSize();
}

void CSobrelView::OnSize(UINT, int cx, int cy)
{
    if (m_grid && m_grid->GetSafeHwnd())
        m_grid->MoveWindow(0, 0, cx, cy);
}
