#pragma once
// A document template binds a document class, a frame class and a view class to a resource id
// whose string describes the document type:
// "window title\ndocument name\nnew-file name\nfilter name\nfilter extension\nfile type id\nfile type name".

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <vector>

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);
    ~CDocTemplate() override;

    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

    POSITION GetFirstDocPosition() const;
    CDocument* GetNextDoc(POSITION& rPos) const;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    // Whether a path has this template's file extension.
    BOOL MatchesExtension(LPCTSTR lpszPathName) const;

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    void LoadDocStrings();
    // Opens into a document that exists (new when the path is null); false when that failed.
    BOOL LoadInto(CDocument* pDocument, LPCTSTR lpszPathName);

    std::vector<CDocument*> m_docList;
};
