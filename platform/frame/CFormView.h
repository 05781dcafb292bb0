#pragma once
// A view whose controls come from a dialog template, laid out as the dialog would be, with data
// exchange (DoDataExchange through UpdateData).

#include "platform/frame/CView.h"

#include <memory>
#include <vector>

class CDataExchange;

class CFormView : public CView
{
    DECLARE_DYNAMIC(CFormView)

public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    explicit CFormView(LPCTSTR lpszTemplateName);

    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override;
    virtual void DoDataExchange(CDataExchange*) {}

    // The size of the form (the template's rectangle) in pixels.
    CSize GetTotalSize() const { return m_totalSize; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);

    UINT m_nIDTemplate = 0;
    CSize m_totalSize;
    std::vector<std::unique_ptr<CWnd>> m_controls;

    DECLARE_MESSAGE_MAP()
};
