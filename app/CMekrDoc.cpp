#include "app/CMekrDoc.h"

#include "app/NotAvailable.h"
#include "platform/frame/FrameIds.h"

IMPLEMENT_DYNCREATE(CMekrDoc, CDocument)

BEGIN_MESSAGE_MAP(CMekrDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE, OnNotAvailable)
    ON_COMMAND(ID_FILE_SAVE_AS, OnNotAvailable)
END_MESSAGE_MAP()

// The file is named, not read: projects are read by the project model.
BOOL CMekrDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    DeleteContents();
    m_strDocPath = lpszPathName;
    SetModifiedFlag(FALSE);
    return TRUE;
}

// Nothing is written over a project file until the project model writes it.
BOOL CMekrDoc::OnSaveDocument(LPCTSTR /*lpszPathName*/)
{
    ShowNotAvailable();
    return FALSE;
}

void CMekrDoc::OnNotAvailable()
{
    ShowNotAvailable();
}
