#pragma once
// The template of a program with one document at a time: New and Open reuse the document and
// its frame (the main window).

#include "platform/frame/CDocTemplate.h"

class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    using CDocTemplate::CDocTemplate;

    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;
    void AddDocument(CDocument* pDoc) override;
};
