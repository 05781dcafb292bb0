#include "resources/sdi_test_ids.h"

#include "platform/frame/CCreateContext.h"
#include "platform/frame/CFormView.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/ui/CDataExchange.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
class FormTestView : public CFormView
{
    DECLARE_DYNCREATE(FormTestView)

public:
    FormTestView() : CFormView(IDD_FORM) {}
    CString m_name = "Obývací pokoj";
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_name); }
};
IMPLEMENT_DYNCREATE(FormTestView, CFormView)
} // namespace

TEST(FormView, ControlsComeFromTheTemplateAndExchangeTheirData)
{
    UiTest::EnsureApplication();
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(FormTestView);
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(IDR_MDI_MAIN, WS_OVERLAPPEDWINDOW, nullptr, &context));
    frame->InitialUpdateFrame(nullptr, TRUE);
    auto* view = dynamic_cast<FormTestView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    CWnd* edit = view->GetDlgItem(IDC_NAME);
    ASSERT_NE(edit, nullptr);
    CString text;
    edit->GetWindowText(text);
    EXPECT_EQ(text, "Obývací pokoj");
    EXPECT_GT(view->GetTotalSize().cx, 200);

    edit->SetWindowText("Kuchyně");
    ASSERT_TRUE(view->UpdateData(TRUE));
    EXPECT_EQ(view->m_name, "Kuchyně");
    frame->DestroyWindow();
}
