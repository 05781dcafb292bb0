#include "platform/frame/CDocTemplate.h"
#include "platform/frame/CCreateContext.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CWinApp.h"

#include "platform/core/Resources.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    LoadDocStrings();
}

CDocTemplate::~CDocTemplate()
{
    for (CDocument* doc : m_docList)
        doc->m_pDocTemplate = nullptr;
}

void CDocTemplate::LoadDocStrings()
{
    if (const char* text = Resources::FindString(m_nIDResource))
        m_strDocStrings = text;
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    CString rest = m_strDocStrings;
    for (int i = 0; i < int(index); ++i)
    {
        const int lf = rest.Find('\n');
        if (lf < 0)
            return FALSE;
        rest = rest.Mid(lf + 1);
    }
    const int lf = rest.Find('\n');
    rString = lf < 0 ? rest : rest.Left(lf);
    return !rString.IsEmpty();
}

// A position is the index of the next document plus one.
POSITION CDocTemplate::GetFirstDocPosition() const
{
    return m_docList.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(1));
}

CDocument* CDocTemplate::GetNextDoc(POSITION& rPos) const
{
    const std::size_t index = reinterpret_cast<std::uintptr_t>(rPos) - 1;
    if (!rPos || index >= m_docList.size())
    {
        rPos = nullptr;
        return nullptr;
    }
    rPos = index + 1 < m_docList.size() ? reinterpret_cast<POSITION>(std::uintptr_t(index + 2)) : nullptr;
    return m_docList[index];
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    m_docList.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
    if (pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* doc = dynamic_cast<CDocument*>(object);
    if (!doc)
    {
        delete object;
        return nullptr;
    }
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame)
    {
        delete object;
        return nullptr;
    }
    CWinApp* app = AfxGetApp();
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, app ? app->m_pMainWnd : nullptr,
                          &context))
    {
        if (!frame->GetSafeHwnd())
            delete frame;
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (CDocument* doc : std::vector<CDocument*>(m_docList))
        if (!doc->SaveModified())
            return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    for (CDocument* doc : std::vector<CDocument*>(m_docList))
        doc->OnCloseDocument();
}

BOOL CDocTemplate::MatchesExtension(LPCTSTR lpszPathName) const
{
    CString ext;
    if (!lpszPathName || !GetDocString(ext, filterExt) || ext.IsEmpty())
        return FALSE;
    CString path(lpszPathName);
    return path.GetLength() >= ext.GetLength() && path.Right(ext.GetLength()).CompareNoCase(ext) == 0;
}

BOOL CDocTemplate::LoadInto(CDocument* pDocument, LPCTSTR lpszPathName)
{
    if (!lpszPathName)
    {
        SetDefaultTitle(pDocument);
        return pDocument->OnNewDocument();
    }
    pDocument->BeginWaitCursor();
    const BOOL wasModified = pDocument->IsModified();
    pDocument->SetModifiedFlag(FALSE);
    const BOOL opened = pDocument->OnOpenDocument(lpszPathName);
    pDocument->EndWaitCursor();
    if (!opened)
    {
        if (!pDocument->IsModified())
            pDocument->SetModifiedFlag(wasModified);
        return FALSE;
    }
    pDocument->SetPathName(lpszPathName);
    return TRUE;
}
