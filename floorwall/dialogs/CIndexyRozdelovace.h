#pragma once
// The manifold indices dialog (dialog 305): one grid column a manifold, its twelve rows the
// outlets, each holding the label of the circuit connected there, chosen from the labels not yet
// placed. On OK every circuit of the kind gets the number of the manifold it stands on (0 none).
// A manifold that holds more than twelve circuits when the dialog opens is told once; its first
// twelve are placed and the others stay on offer, so that none loses its place unseen.

#include "controls/grid/CBtnDataBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/ui/CDialog.h"

#include <vector>

class CMistPodlahVytap;
class CTopnyOkruh;
struct NMHDR;

class CIndexyRozdelovace : public CDialog
{
public:
    explicit CIndexyRozdelovace(CWnd* parent = nullptr);

    static constexpr int kOutlets = 12;

    int m_nMode = 11; // 11 floor circuits, 19 wall circuits
    std::vector<CMistPodlahVytap*>* m_pRooms = nullptr; // not owned
    CStringArray m_allLabels;
    CStringArray m_availableLabels;
    CString m_strLabelBeforeEdit;
    CFmtGridCtrl m_grid;
    CBtnDataBase m_buttons;

    // The circuits of the mode: the rooms in order, their circuit array of the kind.
    std::vector<CTopnyOkruh*> ModeCircuits() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnNextManifold();
    afx_msg void OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void CollectLabels();
    void BuildColumns();
    int AddManifoldColumn(int number, int width);
    void MakeChoiceCells(int column);
    // Whether the label is among all labels (a circuit that can be placed).
    bool Offered(const CString& label) const;
    void RemoveAvailable(const CString& label);
};
