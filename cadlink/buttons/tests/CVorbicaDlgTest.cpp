// The CAD choice dialog, driven by control id off screen.

#include "CadLinkFixture.h"

#include "cadlink/buttons/CVorbicaDlg.h"
#include "cadlink/buttons/VorbicaResource.h"

#include "platform/core/Modules.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/DialogShot.h"
#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QImage>

namespace
{
class CVorbicaDlgTest : public CadLinkFixture
{
protected:
    void SetUp() override
    {
        CadLinkFixture::SetUp();
        ScriptedAnswers::Reset();
    }

    static void InstallLtRelease9() { SetRegistryValue(HKEY_CURRENT_USER, "Software\\Autodesk", "CurProd", "AutoCAD LT"),
                                      SetRegistryValue(HKEY_CURRENT_USER, "Software\\Autodesk\\AUTOCAD LT", "CurVer", "R9.1"); }

    // Runs the button's dialog with the action; the dialog's result.
    int RunDialog(std::function<int(CVorbicaDlg&)> action)
    {
        ScriptedAnswers::OnDialog(IDD_VORBICA,
                                  [action](CDialog& d) { return action(static_cast<CVorbicaDlg&>(d)); });
        return m_button.DoModal();
    }
};

HICON Icon(UINT id, int size)
{
    return static_cast<HICON>(LoadImage(nullptr, MAKEINTRESOURCE(id), IMAGE_ICON, size, size, 0));
}

CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

bool Enabled(CWnd& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled();
}

void Click(CWnd& dialog, int id)
{
    UiTest::Click(dialog.GetDlgItem(id));
}
} // namespace

TEST_F(CVorbicaDlgTest, ARightDoubleClickOnTheButtonChoosesTheCadProgram)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "Místnost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(m_button.Create("CAD", BS_PUSHBUTTON | BS_ICON | WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 50), &frame, 1001));
    m_button.m_kodCAD = 121;
    m_button.VyberKnihovnu();
    ScriptedAnswers::OnDialog(
        IDD_VORBICA,
        [](CDialog& d)
        {
            EXPECT_EQ(d.GetCheckedRadioButton(IDC_RADIO_ACAD14, IDC_RADIO_ZADNY), IDC_RADIO_ACAD14);
            Click(d, IDC_ACAD02);
            EXPECT_EQ(d.GetCheckedRadioButton(IDC_RADIO_ACAD14, IDC_RADIO_ZADNY), IDC_RADIO_ACAD02);
            Click(d, IDC_RADIO_ICAD30);
            EXPECT_EQ(static_cast<CVorbicaDlg&>(d).m_kodCAD, 128);
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_ICAD30));
            Click(d, IDOK);
            return -1;
        });
    UiTest::MouseDown(&m_button, CPoint(5, 5), Qt::RightButton);
    UiTest::MouseUp(&m_button, CPoint(5, 5), Qt::RightButton);
    UiTest::DoubleClick(&m_button, CPoint(5, 5)); // a left double click opens nothing
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
    m_button.SendMessage(WM_RBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_VORBICA});
    EXPECT_EQ(m_button.m_kodCAD, 128);
    EXPECT_STREQ(m_button.m_knihovna, "Durnavec.dll");
    EXPECT_EQ(m_button.m_ikona, Icon(IDI_ICAD30, 16));
    EXPECT_EQ(m_button.GetIcon(), m_button.m_ikona);
    m_button.DestroyWindow();
    frame.DestroyWindow();
}

TEST_F(CVorbicaDlgTest, ColourAndWidthComeInAndGoBack)
{
    m_button.m_barva = 0xFF00FF;
    m_button.m_tloustka = 0.2;
    EXPECT_EQ(RunDialog(
                  [](CVorbicaDlg& d)
                  {
                      EXPECT_EQ(Text(d, IDC_EDIT_RED), "255");
                      EXPECT_EQ(Text(d, IDC_EDIT_GREEN), "0");
                      EXPECT_EQ(Text(d, IDC_EDIT_BLUE), "255");
                      EXPECT_EQ(Text(d, IDC_EDIT_TLOUSTKA), "0.200");
                      EXPECT_EQ(static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_TLOUSTKA))->GetPos(), 200);
                      EXPECT_EQ(static_cast<CSpinButtonCtrl*>(d.GetDlgItem(IDC_SPIN_TLOUSTKA))->GetPos32(), 200);
                      auto* green = static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_GREEN));
                      green->SetPos(128);
                      d.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 128), reinterpret_cast<LPARAM>(green->m_hWnd));
                      EXPECT_EQ(Text(d, IDC_EDIT_GREEN), "128");
                      Click(d, IDOK);
                      return -1;
                  }),
              IDOK);
    EXPECT_EQ(m_button.m_barva, COLORREF(255 + 256 * 128 + 65536 * 255));
}

TEST_F(CVorbicaDlgTest, SpinStepsAreClampedToTheirRanges)
{
    struct Case
    {
        int spin;
        int from;
        int delta;
        int to;
    };
    const Case cases[] = {{IDC_SPIN_RED, 250, 10, 255}, {IDC_SPIN_BLUE, 3, -10, 0}, {IDC_SPIN_TLOUSTKA, 1995, 10, 2000}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.spin);
        RunDialog(
            [&c](CVorbicaDlg& d)
            {
                auto* spin = static_cast<CSpinButtonCtrl*>(d.GetDlgItem(c.spin));
                spin->SetPos32(c.from);
                UDACCEL step{0, UINT(std::abs(c.delta))};
                spin->SetAccel(1, &step);
                spin->Step(c.delta > 0 ? 1 : -1);
                if (c.spin == IDC_SPIN_TLOUSTKA)
                {
                    EXPECT_DOUBLE_EQ(d.m_tloustka, c.to * 0.001);
                    EXPECT_EQ(Text(d, IDC_EDIT_TLOUSTKA), "2.000");
                    EXPECT_EQ(static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_TLOUSTKA))->GetPos(), c.to);
                }
                else
                {
                    EXPECT_EQ(c.spin == IDC_SPIN_RED ? d.m_red : d.m_blue, c.to);
                    const int slider = c.spin == IDC_SPIN_RED ? IDC_SLIDER_RED : IDC_SLIDER_BLUE;
                    EXPECT_EQ(static_cast<CSliderCtrl*>(d.GetDlgItem(slider))->GetPos(), c.to);
                }
                EXPECT_EQ(spin->GetPos32(), c.to);
                return IDCANCEL;
            });
    }
}

TEST_F(CVorbicaDlgTest, CancelChangesNothing)
{
    m_button.m_kodCAD = 121;
    m_button.m_tloustka = 0.5;
    m_button.VyberKnihovnu();
    EXPECT_EQ(RunDialog(
                  [](CVorbicaDlg& d)
                  {
                      Click(d, IDC_TCAD80);
                      auto* width = static_cast<CSliderCtrl*>(d.GetDlgItem(IDC_SLIDER_TLOUSTKA));
                      width->SetPos(1500);
                      d.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 1500), reinterpret_cast<LPARAM>(width->m_hWnd));
                      EXPECT_EQ(Text(d, IDC_EDIT_TLOUSTKA), "1.500");
                      return IDCANCEL;
                  }),
              IDCANCEL);
    EXPECT_EQ(m_button.m_kodCAD, 121);
    EXPECT_DOUBLE_EQ(m_button.m_tloustka, 0.5);
    EXPECT_STREQ(m_button.m_knihovna, "Kestrolm.dll");
    EXPECT_EQ(m_button.m_ikona, nullptr);
}

TEST_F(CVorbicaDlgTest, NoCadDisablesOnlyTheAuxiliaryLines)
{
    RunDialog(
        [](CVorbicaDlg& d)
        {
            Click(d, IDC_CADZADNY);
            EXPECT_EQ(d.m_kodCAD, 120);
            for (int id : {IDC_SLIDER_RED, IDC_SPIN_GREEN, IDC_EDIT_TLOUSTKA, IDC_SLIDER_TLOUSTKA, IDC_VZOREK})
                EXPECT_FALSE(Enabled(d, id)) << id;
            EXPECT_TRUE(Enabled(d, IDC_ACAD04));
            EXPECT_TRUE(Enabled(d, IDC_RADIO_ACAD04));
            Click(d, IDC_RADIO_ACAD04);
            EXPECT_EQ(d.m_kodCAD, 125);
            EXPECT_TRUE(Enabled(d, IDC_SLIDER_RED));
            return IDCANCEL;
        });
}

TEST_F(CVorbicaDlgTest, AutoCadLtIsDetectedFromTheRegistry)
{
    struct Value
    {
        HKEY root;
        const char* key;
        const char* name;
        const char* value;
    };
    const char* const autodesk = "Software\\Autodesk";
    const char* const lt = "Software\\Autodesk\\AUTOCAD LT";
    struct Case
    {
        const char* name;
        std::vector<Value> values;
        UINT icon; // 0: none
    };
    const Case cases[] = {
        {"user, R9", {{HKEY_CURRENT_USER, autodesk, "CurProd", "AutoCad Lt"}, {HKEY_CURRENT_USER, lt, "CurVer", "R9.1"}}, IDI_ACADLT_R9},
        {"machine, R8", {{HKEY_LOCAL_MACHINE, autodesk, "CurProd", "AUTOCAD LT"}, {HKEY_LOCAL_MACHINE, lt, "CurVer", "R8.0"}}, IDI_ACADLT_R8},
        {"machine, R7", {{HKEY_LOCAL_MACHINE, autodesk, "CurProd", "autocad lt"}, {HKEY_LOCAL_MACHINE, lt, "CurVer", "R7"}}, IDI_ACADLT_R7},
        {"machine, R2000", {{HKEY_LOCAL_MACHINE, autodesk, "CurProd", "AutoCAD LT"}, {HKEY_LOCAL_MACHINE, lt, "CurVer", "R2000"}}, IDI_ACADLT_R7},
        {"machine, R9 only", {{HKEY_LOCAL_MACHINE, autodesk, "CurProd", "AutoCAD LT"}, {HKEY_LOCAL_MACHINE, lt, "CurVer", "R9"}}, 0},
        {"product list", {{HKEY_LOCAL_MACHINE, autodesk, "ProdList", "ACAD;aclt"}, {HKEY_LOCAL_MACHINE, lt, "CurVer", "R8"}}, IDI_ACADLT_R8},
        {"another product", {{HKEY_CURRENT_USER, autodesk, "CurProd", "AutoCAD"}, {HKEY_CURRENT_USER, lt, "CurVer", "R9"}}, IDI_ACADLT_R9},
        {"nothing", {}, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        for (const Value& v : c.values)
            SetRegistryValue(v.root, v.key, v.name, v.value);
        CVorbicaDlg dialog;
        EXPECT_EQ(dialog.NyniAktivovaneLT(), c.icon ? Icon(c.icon, 32) : nullptr);
    }
}

TEST_F(CVorbicaDlgTest, LtChoiceNeedsAnInstalledLt)
{
    m_button.m_kodCAD = 122;
    EXPECT_EQ(RunDialog(
                  [](CVorbicaDlg& d)
                  {
                      EXPECT_FALSE(Enabled(d, IDC_ACADLT));
                      EXPECT_FALSE(Enabled(d, IDC_RADIO_ACADLT));
                      EXPECT_EQ(d.GetCheckedRadioButton(IDC_RADIO_ACAD14, IDC_RADIO_ZADNY), IDC_RADIO_ZADNY);
                      Click(d, IDOK);
                      return -1;
                  }),
              IDOK);
    EXPECT_EQ(m_button.m_kodCAD, 120);
    EXPECT_STREQ(m_button.m_knihovna, "");
}

TEST_F(CVorbicaDlgTest, LtDelaysOfMoreThanSixteenBitsSurviveOk)
{
    InstallLtRelease9();
    m_button.m_kodCAD = 121;
    EXPECT_EQ(RunDialog(
                  [](CVorbicaDlg& d)
                  {
                      EXPECT_FALSE(d.GetDlgItem(IDC_EDIT_PRODLEVA)->IsWindowVisible());
                      Click(d, IDC_ACADLT);
                      EXPECT_TRUE(d.GetDlgItem(IDC_EDIT_PRODLEVA)->IsWindowVisible());
                      EXPECT_EQ(Text(d, IDC_EDIT_PRODLEVA), "30000");
                      d.SetDlgItemText(IDC_EDIT_PRODLEVA, "120000");
                      d.SetDlgItemText(IDC_EDIT_OPAKOVANI, "300000");
                      Click(d, IDOK);
                      return -1;
                  }),
              IDOK);
    EXPECT_EQ(m_button.m_kodCAD, 122);
    EXPECT_EQ(m_button.m_prodleva, 120000);
    EXPECT_EQ(m_button.m_opakovani, 300000);
    EXPECT_EQ(m_button.m_ikona, Icon(IDI_ACADLT_R9, 32));
}

TEST_F(CVorbicaDlgTest, TheIconOfACodeWithoutADialog)
{
    InstallLtRelease9();
    const std::pair<int, HICON> cases[] = {{121, Icon(IDI_ACAD14, 16)}, {125, Icon(IDI_ACAD04, 16)},
                                           {122, Icon(IDI_ACADLT_R9, 32)}, {120, Icon(IDI_CADZADNY, 16)},
                                           {7, Icon(IDI_CADZADNY, 16)}};
    for (const auto& [code, icon] : cases)
    {
        m_button.m_kodCAD = code;
        EXPECT_NE(icon, nullptr);
        EXPECT_EQ(m_button.DosadIkonu(), icon) << code;
        EXPECT_EQ(m_button.m_ikona, icon) << code;
    }
    EXPECT_STREQ(m_button.m_knihovna, "");
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());
}

// Pictures of the dialog beside the test program, for a person to look at.
TEST_F(CVorbicaDlgTest, PicturesWithAndWithoutLt)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    for (bool lt : {false, true})
    {
        if (lt)
            InstallLtRelease9();
        CVorbicaDlg dialog;
        dialog.m_kodCAD = lt ? 122 : 121;
        const std::string path = folder + (lt ? "/dialog-21001-lt.png" : "/dialog-21001.png");
        ASSERT_TRUE(DialogShot::Render(dialog, path));
        EXPECT_GT(QImage(QString::fromStdString(path)).width(), 400);
    }
}

TEST_F(CVorbicaDlgTest, TheDialogIsTheLibrarysWhateverPackIsCurrent)
{
    HMODULE pack = LoadLibrary("CadTest_En.dll");
    ASSERT_NE(pack, nullptr);
    AfxSetResourceHandle(pack);
    m_button.m_kodCAD = 121;
    RunDialog(
        [](CVorbicaDlg& d)
        {
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, " Klient *CADů !");
            EXPECT_NE(d.GetDlgItem(IDC_ACAD14), nullptr);
            EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandle("Vorbica.dll"));
            return IDCANCEL;
        });
    EXPECT_EQ(AfxGetResourceHandle(), pack);
    AfxSetResourceHandle(nullptr);
    FreeLibrary(pack);
}
