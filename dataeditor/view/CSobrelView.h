#pragma once
// The window of a document: its table in a grid, one row a record, one column a field.

#include "platform/frame/CView.h"

#include <memory>

class CGridCtrl;
class CSobrelDoc;

class CSobrelView : public CView
{
    DECLARE_DYNCREATE(CSobrelView)

public:
    CSobrelView();
    ~CSobrelView() override;

    CSobrelDoc* Document() const;
    CGridCtrl* Grid() const { return m_grid.get(); }
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    // Fills the grid from the document's open table.
    void LoadTable();

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CGridCtrl> m_grid;
};
