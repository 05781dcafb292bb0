#include "platform/frame/CSingleDocTemplate.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CView.h"
#include "platform/frame/CWinApp.h"
#include "platform/frame/FrameTexts.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    if (m_docList.empty())
        CDocTemplate::AddDocument(pDoc);
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty())
        title = FrameTexts::Text(FrameTexts::UntitledId);
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = nullptr;
    CFrameWnd* frame = nullptr;
    bool createdDocument = false;
    bool createdFrame = false;
    if (!m_docList.empty())
    {
        // One document at a time: it is asked to save, then reused.
        document = m_docList.front();
        if (!document->SaveModified())
            return nullptr;
        POSITION pos = document->GetFirstViewPosition();
        if (CView* view = pos ? document->GetNextView(pos) : nullptr)
            frame = view->GetParentFrame();
    }
    else
    {
        document = CreateNewDocument();
        if (!document)
            return nullptr;
        createdDocument = true;
    }
    if (!frame)
    {
        const BOOL autoDelete = document->m_bAutoDelete;
        document->m_bAutoDelete = FALSE; // a failed frame must not take the document with it
        frame = CreateNewFrame(document, nullptr);
        document->m_bAutoDelete = autoDelete;
        if (!frame)
        {
            if (createdDocument)
                delete document;
            return nullptr;
        }
        createdFrame = true;
    }
    if (!LoadInto(document, lpszPathName))
    {
        if (createdFrame)
            frame->DestroyWindow(); // takes the new document with it
        return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (createdFrame && app && !app->m_pMainWnd)
        app->m_pMainWnd = frame;
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}
