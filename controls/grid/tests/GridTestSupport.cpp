#include "GridTestSupport.h"

#include "controls/grid/GridDispInfo.h"
#include "testing/OffscreenApplication.h"

namespace
{
const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);
} // namespace

BEGIN_MESSAGE_MAP(KeyRecordingGrid, CGridCtrl)
ON_NOTIFY(GVN_ENDLABELEDIT, IDC_INPLACE_CONTROL, OnEditEnded)
END_MESSAGE_MAP()

void KeyRecordingGrid::OnEditEnded(NMHDR* pNMHDR, LRESULT* pResult)
{
    endKeys.push_back(UINT(reinterpret_cast<GridDispInfo*>(pNMHDR)->item.lParam));
    OnEndInPlaceEdit(pNMHDR, pResult);
}
