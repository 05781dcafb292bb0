#pragma once
// The type-A floor system page (dialog 196, "Typ  A"): the layer values of a type-A floor with
// the thickness and resistance of a layer kept in step, the build-up and covering lists of the
// catalogue workbook, the build-up editor behind "Skla&dba" and a cross-section of the floor.
// Also the holders of the type-B and type-C sets, which have no window here.

#include "floorwall/FloorConstruction.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CPropertyPage.h"

#include <array>

class CSoustavaTypu;
class CToolTipCtrl;

class CParamSoustTypA : public CPropertyPage
{
public:
    CParamSoustTypA();
    ~CParamSoustTypA() override;

    TypeAValues m_values;
    int m_nChanged = 1;
    int m_nBuildUpIndex = -1;
    CString m_strBuildUpReference;
    CSoustavaTypu* m_pSheet = nullptr; // set by the construction dialog
    CComboBox m_buildUps;
    CComboBox m_coverings;

    void ShowAllValues();
    void FillBuildUpList();
    void FillCoveringList();
    afx_msg void OnSelchangeBuildUp();
    afx_msg void OnSelchangeCovering();
    afx_msg void OnBuildUpEditor();

    // The edit of each field and its format, in the order of TypeAField.
    struct Field
    {
        TypeAField field;
        int id;
        const char* format;
        const char* tip; // nullptr: none
    };
    static const std::array<Field, 15>& Fields();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void FieldLeft(const Field& field);
    void DrawCrossSection(CDC& dc);
    CToolTipCtrl* m_pTips = nullptr;
};

// The type-B and type-C sets while the construction dialog is open.
class CParamSoustTypB : public CPropertyPage
{
public:
    CParamSoustTypB();
    TypeBValues m_values;
    int m_nChanged = 1;
};

class CParamSoustTypC : public CPropertyPage
{
public:
    CParamSoustTypC();
    TypeCValues m_values;
    int m_nChanged = 1;
};
