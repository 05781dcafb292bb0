#include "DesignerRoad.h"

#include "controls/grid/GridDefs.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "testing/GridTexts.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

namespace DesignerRoad
{
void AnswerManifoldsAllOnOne(std::vector<CString>* offered)
{
    ScriptedAnswers::OnDialog(IDD_INDEXY_ROZDELOVACE, [offered](CDialog& dialog) {
        auto& manifold = static_cast<CIndexyRozdelovace&>(dialog);
        std::vector<CString> labels;
        for (INT_PTR i = 0; i < manifold.m_availableLabels.GetSize(); ++i)
            labels.push_back(manifold.m_availableLabels[i]);
        int row = 1;
        for (const CString& label : labels)
        {
            NotifyGrid(manifold, manifold.m_grid, IDC_IR_GRID, UINT(GVN_BEGINLABELEDIT), row, 1);
            manifold.m_grid.SetItemText(row, 1, label);
            NotifyGrid(manifold, manifold.m_grid, IDC_IR_GRID, UINT(GVN_ENDLABELEDIT), row, 1);
            ++row;
        }
        if (offered)
            *offered = labels;
        UiTest::Click(manifold.GetDlgItem(IDOK));
        return IDCANCEL;
    });
}
} // namespace DesignerRoad
