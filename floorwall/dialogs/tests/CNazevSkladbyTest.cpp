// The build-up name dialog, driven off screen.
#include "floorwall/dialogs/CNazevSkladby.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{

struct NameCase
{
    const char* typed; // nullptr: nothing typed
    int button;
    int result;
    const char* name;
};

TEST(CNazevSkladbyTest, OkTakesTheNameAsTypedCancelKeepsIt)
{
    UiTest::EnsureApplication();
    const NameCase cases[] = {
        {"  Stěna z cihel  ", IDOK, IDOK, "  Stěna z cihel  "},
        {nullptr, IDOK, IDOK, ""},
        {"Strop", IDCANCEL, IDCANCEL, "dříve"},
    };
    for (const NameCase& c : cases)
    {
        SCOPED_TRACE(c.typed ? c.typed : "(nothing)");
        ScriptedAnswers::Reset();
        CNazevSkladby dialog;
        dialog.m_strNazev = c.button == IDCANCEL ? "dříve" : "";
        bool focused = false;
        ScriptedAnswers::OnDialog(IDD_NAZEV_SKLADBY, [&](CDialog& d) {
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, "kalvenrod - název skladby");
            focused = CWnd::GetFocus() == d.GetDlgItem(IDC_NAZEV_SKLADBY);
            if (c.typed)
                UiTest::TypeText(c.typed);
            UiTest::Click(d.GetDlgItem(c.button));
            return 99;
        });
        EXPECT_EQ(int(dialog.DoModal()), c.result);
        EXPECT_TRUE(focused);
        EXPECT_EQ(dialog.m_strNazev, c.name);
    }
}

} // namespace
