#pragma once
// One room of the heat-loss input: number, name, inner dimensions, Ti, doors, air exchange and
// orientation. Enter moves to the next field; only "&OK" checks the fields and closes, leaving
// the values in RoomEntry. EditRoom runs it on the model's current room.

#include "cadlink/buttons/CVorbica.h"
#include "heatloss/dialogs/CElementDialog.h"

#include <functional>

class ProjectModel;

class CRoom : public CElementDialog
{
public:
    explicit CRoom(ProjectModel& model, CWnd* parent = nullptr);

    // The room temperature picker; IDOK when it left a Ti in RoomEntry.
    std::function<int()> m_pickTemperature;

    // The five CAD buttons beside number, length, width, height and doors.
    CVorbica m_cadNumber, m_cadLength, m_cadWidth, m_cadHeight, m_cadDoors;

    static const char* const Orientations[8];
    // The height the last accepted room had (0 before the first), for a room without one.
    static int& DefaultHeight();

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnConfirm();
    afx_msg void OnDimensionChanged();
    afx_msg void OnMultipleLeft();
    afx_msg void OnAirExchangeLeft();
    afx_msg void OnPickTemperature();
    afx_msg void OnCadLength();
    afx_msg void OnCadWidth();
    afx_msg void OnCadDoors();
    DECLARE_MESSAGE_MAP()

private:
    void SetUpCadButtons();
    void FillFields();
    double Decimal(int id) const;
    int Whole(int id) const;
    CString Text(int id) const;
    void SetText(int id, const char* format, double value);
    double Volume() const;
    void ShowAreaAndVolume();
    void ShowMultipleFromAirExchange();
    // The first text field that does not pass the checks of "&OK" (number and name given and
    // not another room's); 0 when all pass.
    int FirstInvalidText() const;
    // The dimensions, doors, Ti and air exchange each within its range; the first that is not
    // is told and focused.
    bool NumbersInRange();
    void TakeCadDistance(CVorbica& button, int id);

    ProjectModel& m_model;
    bool m_bUpdating = false;
};

// Runs the room dialog on the model's current room; on 1 copies RoomEntry into it (a changed Ti
// shifts the differences of the room's walls by the same step). The dialog's result.
int EditRoom(ProjectModel& model);
