#include "platform/frame/CMultiDocTemplate.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/FrameTexts.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                     const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty())
        title = FrameTexts::Text(FrameTexts::UntitledId);
    CString numbered;
    numbered.Format("%s%u", title.GetString(), ++m_nUntitledCount);
    pDocument->SetTitle(numbered);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = CreateNewDocument();
    if (!document)
        return nullptr;
    const BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame)
    {
        delete document;
        return nullptr;
    }
    if (!LoadInto(document, lpszPathName))
    {
        frame->DestroyWindow();
        return nullptr;
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}
