#include "dataeditor/document/CSobrelDoc.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/view/CSobrelView.h"

IMPLEMENT_DYNCREATE(CSobrelDoc, CDocument)

BEGIN_MESSAGE_MAP(CSobrelDoc, CDocument)
END_MESSAGE_MAP()

CSobrelDoc::CSobrelDoc() { data.m_bShowErrors = FALSE; }

CSobrelDoc::~CSobrelDoc() = default;

CSobrelView* CSobrelDoc::View() const
{
    POSITION position = GetFirstViewPosition();
    return position ? dynamic_cast<CSobrelView*>(GetNextView(position)) : nullptr;
}

BOOL CSobrelDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

BOOL CSobrelDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    CSobrelApp* app = SobrelApp();
    if (!data.Open(lpszPathName, app->excelConnect, 0, 0) || data.m_nTableCount < 1)
        return FALSE;
    CString table = app->requestedTable;
    app->requestedTable.Empty();
    if (table.IsEmpty() || !data.IsTable(table))
        table = data.m_aTableNames[0];
    if (!data.OpenTable(table, "", 0))
        return FALSE;
    tableName = table;
    return TRUE;
}

BOOL CSobrelDoc::ImportFile(const CString&) { return FALSE; }
