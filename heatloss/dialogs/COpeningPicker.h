#pragma once
// What the opening catalogue pickers share: their sheet of the catalogue workbook open while
// they live, the list of opening types ("Druh otvoru"), and the value texts of the last
// loaded row, shown in their fields. Their results come from the loaded row, not from typed
// text.

#include "datalib/CData.h"
#include "platform/ui/CDialog.h"

#include <map>
#include <vector>

class COpeningPicker : public CDialog
{
public:
    struct ValueField
    {
        const char* column;
        int control;
    };

    COpeningPicker(UINT templateId, const char* sheet, std::vector<ValueField> fields, CWnd* parent);
    ~COpeningPicker() override;

    // The text of a value column in the last loaded row (empty before one is loaded).
    CString Loaded(const char* column) const;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnTypeChosen();
    DECLARE_MESSAGE_MAP()

    // Called once the list is filled, with the sheet's row count.
    virtual void OnListFilled(int rows);
    void LoadRow(int row);

private:
    void CloseSheet();

    CString m_strSheet;
    std::vector<ValueField> m_fields;
    std::map<std::string, CString> m_loaded;
    CData m_Data;
};

// The transmittance U of an opening type ("Mekr_OtK$").
class CWindow_K : public COpeningPicker
{
public:
    explicit CWindow_K(CWnd* parent = nullptr);

protected:
    void OnOK() override;
};

// The joint air-permeability coefficient i of an opening type ("Mekr_OtI$").
class CWindow_I : public COpeningPicker
{
public:
    explicit CWindow_I(CWnd* parent = nullptr);

protected:
    void OnOK() override;
};

// A whole opening with its count ("Mekr_Ot$"); its first row is loaded at once.
class CWindow_OT : public COpeningPicker
{
public:
    explicit CWindow_OT(CWnd* parent = nullptr);

protected:
    void OnOK() override;
    void OnListFilled(int rows) override;
    afx_msg void OnCountLeft();
    DECLARE_MESSAGE_MAP()
};
