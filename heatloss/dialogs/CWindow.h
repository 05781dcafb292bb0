#pragma once
// One opening (window or door) of a wall: kind, width, height, U, i, joint length and the
// number of like openings. Enter moves on; only "&OK" checks and closes, leaving the values in
// OpeningEntry. EditOpening runs it on the model's current opening.

#include "cadlink/buttons/CVorbica.h"
#include "heatloss/dialogs/CElementDialog.h"

#include <functional>

class ProjectModel;

class CWindow : public CElementDialog
{
public:
    explicit CWindow(ProjectModel& model, CWnd* parent = nullptr);

    static const char* const Kinds[5];

    // The catalogue pickers; each IDOK when it left its values in OpeningEntry.
    std::function<int()> m_pickU, m_pickI, m_pickOpening;

    CVorbica m_cadWidth, m_cadHeight, m_cadCount;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnConfirm();
    afx_msg void OnSizeLeft();
    afx_msg void OnPickU();
    afx_msg void OnPickI();
    afx_msg void OnPickOpening();
    afx_msg void OnCadWidth();
    afx_msg void OnCadHeight();
    afx_msg void OnCadCount();
    DECLARE_MESSAGE_MAP()

private:
    void SetUpCadButtons();
    int Whole(int id) const;
    double Decimal(int id) const;
    void ShowCircumference(bool joint);
    void TakeCadDistance(CVorbica& button, int id);

    ProjectModel& m_model;
};

// Runs the opening dialog on the model's current opening; on 1 copies OpeningEntry into it.
int EditOpening(ProjectModel& model);
