#pragma once
// The room temperature picker: a room type of the catalogue's sheet for the project's building
// type, with its design inner temperature Ti and humidity. OK leaves the Ti field's whole
// number in RoomEntry; it shows once a room type with a Ti or humidity has been chosen.

#include "datalib/CData.h"
#include "platform/ui/CDialog.h"

class CRoom_Te : public CDialog
{
public:
    explicit CRoom_Te(int buildingType, CWnd* parent = nullptr);
    ~CRoom_Te() override;

    // The catalogue sheet of a building type 1..12 ("Mekr_TiOb$" ...); empty for any other.
    static CString SheetOf(int buildingType);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnTypeChosen();
    DECLARE_MESSAGE_MAP()

private:
    void ShowRow(int row);
    void CloseSheet();

    int m_nBuildingType;
    CData m_Data;
};
