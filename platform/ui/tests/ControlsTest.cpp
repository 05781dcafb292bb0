#include "TestResource.h"

#include "platform/ui/CBitmapButton.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CScrollBar.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CTreeCtrl.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommonControls.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDC_EDIT = 2001;
constexpr UINT IDC_SPIN = 2002;
constexpr UINT IDC_SLIDER = 2003;

// A parent that writes down the scroll messages and spin steps its controls send, and the
// commands it gets.
class CHostWnd : public CWnd
{
public:
    std::vector<std::string> log;
    int clampAt = 0; // a nonzero limit the spin handler keeps the position under
    BOOL openEnabled = FALSE;

protected:
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar*)
    {
        log.push_back("vscroll " + std::to_string(code) + " " + std::to_string(short(pos)));
    }
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar*)
    {
        log.push_back("hscroll " + std::to_string(code) + " " + std::to_string(short(pos)));
    }
    afx_msg void OnSpinDelta(NMHDR* hdr, LRESULT* result)
    {
        auto* nm = reinterpret_cast<NMUPDOWN*>(hdr);
        log.push_back("delta " + std::to_string(nm->iPos) + " " + std::to_string(nm->iDelta));
        if (clampAt && nm->iPos + nm->iDelta > clampAt)
            nm->iDelta = clampAt - nm->iPos;
        *result = 0;
    }
    afx_msg void OnNew() { log.push_back("new"); }
    afx_msg void OnUpdateOpen(CCmdUI* ui) { ui->Enable(openEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, OnSpinDelta)
ON_COMMAND(ID_TEST_NEW, OnNew)
ON_UPDATE_COMMAND_UI(ID_TEST_OPEN, OnUpdateOpen)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "KalvenrodHost", "Ovládací prvky", WS_OVERLAPPEDWINDOW,
                                  CRect(0, 0, 300, 200), nullptr, 0));
        host.ShowWindow(SW_SHOW);
    }

    CHostWnd host;
};
} // namespace

TEST_F(ControlsTest, SpinWithIntegerBuddyStepsAndReports)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 90, 32), &host, IDC_EDIT));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT,
                            CRect(0, 0, 16, 22), &host, IDC_SPIN));
    EXPECT_EQ(spin.GetBuddy(), &edit);
    CRect editRect, spinRect;
    edit.GetWindowRect(&editRect);
    spin.GetWindowRect(&spinRect);
    EXPECT_EQ(editRect.right, spinRect.left); // the arrows sit at the buddy's right edge
    spin.SetRange32(0, 255);
    spin.SetPos(250);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "250");

    UDACCEL accel{0, 10};
    spin.SetAccel(1, &accel);
    host.clampAt = 255;
    host.log.clear();
    static_cast<QToolButton*>(spin.GetWidget()->findChildren<QToolButton*>().front())->click(); // up
    EXPECT_EQ(LOWORD(spin.GetPos()), 255);
    edit.GetWindowText(text);
    EXPECT_EQ(text, "255");
    const std::vector<std::string> expected = {"delta 250 10", "vscroll 4 255", "vscroll 8 255"};
    EXPECT_EQ(host.log, expected);

    edit.SetWindowText("17"); // typed into the buddy: the position follows
    EXPECT_EQ(spin.GetPos32(), 17);
    edit.SetWindowText("x");
    BOOL error = FALSE;
    spin.GetPos32(&error);
    EXPECT_TRUE(error);
}

TEST_F(ControlsTest, SliderMovesReachTheParentWithTheNewPosition)
{
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE, CRect(10, 50, 210, 80), &host, IDC_SLIDER));
    slider.SetRange(0, 255);
    slider.SetPageSize(51);
    slider.SetLineSize(10);
    slider.SetPos(85);
    EXPECT_EQ(slider.GetPos(), 85);
    EXPECT_TRUE(host.log.empty()); // the program's own changes are not reported
    static_cast<QSlider*>(slider.GetWidget())->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(slider.GetPos(), 136);
    const std::vector<std::string> expected = {"hscroll 3 136", "hscroll 8 136"};
    EXPECT_EQ(host.log, expected);
}

TEST_F(ControlsTest, ProgressBarStepsAndTooltips)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(10, 90, 210, 100), &host, 2004));
    progress.SetRange32(0, 30);
    progress.SetStep(10);
    progress.StepIt();
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 20);
    EXPECT_EQ(progress.OffsetPos(5), 20);
    EXPECT_EQ(progress.GetPos(), 25);

    CToolTipCtrl tips;
    tips.Create(&host);
    tips.AddTool(&progress, "hlavní údaje o místnosti");
    EXPECT_EQ(progress.GetWidget()->toolTip().toStdString(), "hlavní údaje o místnosti");
    tips.Activate(FALSE);
    EXPECT_TRUE(progress.GetWidget()->toolTip().isEmpty());
}

TEST_F(ControlsTest, PopupMenuFromTheResourcesIsScriptedAndUpdated)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(menu.GetMenuItemCount(), 1);
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemCount(), 4);
    EXPECT_EQ(file->GetMenuItemID(0), UINT(ID_TEST_NEW));
    EXPECT_EQ(file->GetMenuItemID(2), 0u); // separator
    CString text;
    file->GetMenuString(ID_TEST_HELP, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&Obsah\tF1");
    EXPECT_TRUE(file->GetMenuState(ID_TEST_HELP, MF_BYCOMMAND) & MF_CHECKED);

    MenuScript::Clear();
    MenuScript::ChooseNext(ID_TEST_NEW);
    host.log.clear();
    EXPECT_TRUE(file->TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &host));
    UiTest::ProcessEvents();
    EXPECT_EQ(host.log, std::vector<std::string>{"new"});
    // The update handler of the owner decided that "Otevřít" is unavailable.
    ASSERT_EQ(MenuScript::Shown().size(), 1u);
    EXPECT_EQ(MenuScript::Shown()[0], std::vector<UINT>{ID_TEST_NEW});
    EXPECT_EQ(file->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &host), 0); // unscripted off screen
}

TEST_F(ControlsTest, FileDialogsAreScriptedWithTheWindowsFilter)
{
    EXPECT_EQ(CFileDialog::QtFilter("Projekty (*.kzn)|*.kzn|Sešity|*.xls;*.XLS||"),
              "Projekty (*.kzn) (*.kzn);;Sešity (*.xls *.XLS)");
    ScriptedAnswers::Reset();
    ScriptedAnswers::AnswerCommonDialog(IDOK, "/tmp/projekty/Nový dům");
    CFileDialog save(FALSE, "kzn", "dům.kzn", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     "Projekty (*.kzn)|*.kzn||");
    save.m_ofn.lpstrTitle = "Uložit jako";
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/tmp/projekty/Nový dům.kzn"); // the default extension added
    EXPECT_EQ(save.GetFileName(), "Nový dům.kzn");
    EXPECT_EQ(save.GetFileExt(), "kzn");
    EXPECT_EQ(save.GetFileTitle(), "Nový dům");
    ASSERT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].title, "Uložit jako");
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].initial, "dům.kzn");

    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL); // no one to answer off screen
}

namespace
{
int CALLBACK_Initial(HWND hwnd, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        SendMessage(hwnd, BFFM_SETSELECTION, TRUE, data);
    return 0;
}
} // namespace

TEST_F(ControlsTest, ColourAndFolderDialogs)
{
    ScriptedAnswers::Reset();
    ScriptedAnswers::AnswerCommonDialog(IDOK, "210,180,140");
    CColorDialog colour(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR, &host);
    ASSERT_EQ(colour.DoModal(), IDOK);
    EXPECT_EQ(colour.GetColor(), RGB(210, 180, 140));
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].initial, "1,2,3");

    ScriptedAnswers::AnswerCommonDialog(IDOK, "/data/katalog");
    static const char initial[] = "/data";
    BROWSEINFO info;
    info.hwndOwner = host.m_hWnd;
    info.lpszTitle = "Složka s daty";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &CALLBACK_Initial;
    info.lParam = reinterpret_cast<LPARAM>(initial);
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    ASSERT_NE(chosen, nullptr);
    char path[260];
    EXPECT_TRUE(SHGetPathFromIDList(chosen, path));
    EXPECT_STREQ(path, "/data/katalog");
    CoTaskMemFree(chosen);
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[1].initial, "/data");
    EXPECT_EQ(SHBrowseForFolder(&info), nullptr); // cancelled off screen
}

TEST_F(ControlsTest, ListControlInReportView)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 280, 150), &host, 2005));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.InsertColumn(0, "Název", LVCFMT_LEFT, 100), 0);
    EXPECT_EQ(list.InsertColumn(1, "Hodnota", LVCFMT_RIGHT, 80), 1);
    for (int i = 0; i < 3; ++i)
    {
        const int item = list.InsertItem(i, ("Místnost " + std::to_string(i + 1)).c_str());
        list.SetItemText(item, 1, std::to_string(20 + i).c_str());
        list.SetItemData(item, DWORD_PTR(100 + i));
    }
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(1, 0), "Místnost 2");
    EXPECT_EQ(list.GetItemText(2, 1), "22");
    EXPECT_EQ(list.GetItemData(2), DWORD_PTR(102));
    EXPECT_EQ(list.GetColumnWidth(0), 100);
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    POSITION pos = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(list.GetNextSelectedItem(pos), 1);
    EXPECT_EQ(pos, nullptr);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), "Místnost 2");
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(list.GetItemText(0, 0), "21");
}

TEST_F(ControlsTest, TreeControlItemsAndSelection)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 150),
                            &host, 2006));
    HTREEITEM options = tree.InsertItem("Volby");
    HTREEITEM b = tree.InsertItem("Tisk", options);
    HTREEITEM a = tree.InsertItem("Barvy", options, TVI_SORT);
    tree.SetItemData(b, 7);
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_EQ(tree.GetRootItem(), options);
    EXPECT_EQ(tree.GetChildItem(options), a); // sorted before "Tisk"
    EXPECT_EQ(tree.GetNextSiblingItem(a), b);
    EXPECT_EQ(tree.GetParentItem(b), options);
    EXPECT_EQ(tree.GetItemText(b), "Tisk");
    EXPECT_EQ(tree.GetItemData(b), DWORD_PTR(7));
    EXPECT_TRUE(tree.ItemHasChildren(options));
    tree.Expand(options, TVE_EXPAND);
    EXPECT_TRUE(tree.GetItemState(options, TVIS_EXPANDED));
    tree.SelectItem(b);
    EXPECT_EQ(tree.GetSelectedItem(), b);
    tree.DeleteItem(options);
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(ControlsTest, DatePickerInTheUsersDateForm)
{
    UserLocale::SetCurrent(UserLocale::Czech());
    CDateTimeCtrl date;
    ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, CRect(0, 0, 120, 22), &host, 2007));
    ASSERT_TRUE(date.SetTime(COleDateTime(2026, 12, 10, 0, 0, 0)));
    COleDateTime back;
    ASSERT_TRUE(date.GetTime(back));
    EXPECT_EQ(back.GetYear(), 2026);
    EXPECT_EQ(back.GetMonth(), 12);
    EXPECT_EQ(back.GetDay(), 10);
    EXPECT_EQ(static_cast<QDateTimeEdit*>(date.GetWidget())->text().toStdString(), "10.12.2026");
    UserLocale::ResetToSystem();
}

TEST_F(ControlsTest, BitmapButtonAndScrollBar)
{
    CBitmapButton button;
    ASSERT_TRUE(
        button.Create("IDB_TEST", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 10, 10), &host, 2008));
    ASSERT_TRUE(button.LoadBitmaps(IDB_TEST_TOOLBAR));
    button.SizeToContent();
    CRect r;
    button.GetClientRect(&r);
    EXPECT_EQ(r.Size(), CSize(32, 15)); // the bitmap's size
    EXPECT_FALSE(button.LoadBitmaps(4711));

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(280, 0, 296, 150), &host, 2009));
    bar.SetScrollRange(0, 100);
    bar.SetScrollPos(40);
    EXPECT_EQ(bar.GetScrollPos(), 40);
    host.log.clear();
    static_cast<QScrollBar*>(bar.GetWidget())->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.GetScrollPos(), 40); // the parent moves it, not the bar
    EXPECT_EQ(host.log, std::vector<std::string>{"vscroll 1 0"});
}

TEST_F(ControlsTest, FontDialogIsScripted)
{
    ScriptedAnswers::Reset();
    ScriptedAnswers::AnswerCommonDialog(IDOK, "Times New Roman,120,700,1");
    CFontDialog dialog(nullptr, CF_EFFECTS | CF_SCREENFONTS, nullptr, &host);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFaceName(), "Times New Roman");
    EXPECT_EQ(dialog.GetSize(), 120);
    EXPECT_TRUE(dialog.IsBold());
    EXPECT_TRUE(dialog.IsItalic());
    LOGFONT lf;
    dialog.GetCurrentFont(&lf);
    EXPECT_EQ(lf.lfHeight, -16); // 12 points on the 96 dpi screen
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].kind, "font");
}
