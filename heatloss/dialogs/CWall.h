#pragma once
// One cooled surface of a room: its kind (outer or inner wall, glass wall, floor, ceiling,
// roof), its two dimensions, U and the temperature difference across it, outer (Ti − Te) or
// to a neighbouring space. Enter moves on; only "&OK" checks and closes, leaving the values in
// WallEntry. EditWall runs it on the model's current wall.

#include "cadlink/buttons/CVorbica.h"
#include "heatloss/dialogs/CElementDialog.h"

#include <functional>

class ProjectModel;

class CWall : public CElementDialog
{
public:
    CWall(ProjectModel& model, double roomLength, double roomWidth, double roomHeight, CWnd* parent = nullptr);

    static const char* const Kinds[7];

    // The construction dialog with the kind code ("SO", "Pdl", ...): IDOK when it left a U in
    // WallEntry. Without one "Vyber U" is disabled; the dialog sets the constructions dialog.
    std::function<int(const CString& kind)> m_pickU;
    // The adjacent-space picker: IDOK when it left a temperature in WallEntry.
    std::function<int()> m_pickTemperature;

    CVorbica m_cadWidth, m_cadSecond;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnConfirm();
    afx_msg void OnKindChanged();
    afx_msg void OnOuter();
    afx_msg void OnInner();
    afx_msg void OnNeighbourChanged();
    afx_msg void OnWidthLeft();
    afx_msg void OnPickU();
    afx_msg void OnPickTemperature();
    afx_msg void OnCadWidth();
    afx_msg void OnCadSecond();
    DECLARE_MESSAGE_MAP()

private:
    void SetUpCadButtons();
    void ApplyKind();
    void SetMode(int mode);
    void SetWidths(std::initializer_list<double> widths);
    CString KindText() const;
    CString Text(int id) const;
    int RoomTi() const;

    ProjectModel& m_model;
    double m_dRoomLength, m_dRoomWidth, m_dRoomHeight;
    int m_nMode = 1;
    bool m_bUpdating = false;
};

// Runs the wall dialog on the model's current wall with its room's dimensions (mm); on 1
// copies WallEntry into the wall. The dialog's result.
int EditWall(ProjectModel& model, double roomLength, double roomWidth, double roomHeight);
