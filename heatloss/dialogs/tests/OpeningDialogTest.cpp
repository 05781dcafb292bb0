#include "heatloss/dialogs/CWindow.h"

#include "InputDialogFixture.h"

#include "heatloss/OpeningEntry.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/COpeningPicker.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

#include <functional>
#include <memory>

namespace
{
// Opening 1 of wall 1 of room 1: "OJ ", 1500 × 1500 mm, U 1.2, i 1.4, joint 6000 mm, one.
class OpeningDialogTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_savedData = AppSettings::Get().PathData;
        AppSettings::Get().PathData = KALVENROD_BIN_DIR;
        m_model = std::make_unique<ProjectModel>();
        m_model->Cursor = {1, 1, 1};
        auto& o = Opening();
        o.code = "OJ ";
        o.length = o.height = 1500;
        o.U = 1.2;
        o.i = 1.4;
        o.jointLength = 6000;
        o.count = 1;
    }
    void TearDown() override
    {
        AppSettings::Get().PathData = m_savedData;
        InputDialogFixture::TearDown();
    }
    OpeningTable::Entry& Opening() { return m_model->Openings.At(1, 1, 1); }
    int Edit(const std::function<void(CDialog&)>& actions)
    {
        ScriptedAnswers::OnDialog(IDD_WINDOW, [&](CDialog& d) {
            actions(d);
            UiTest::Click(d.GetDlgItem(IDC_WIN_OK));
            m_focus = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0;
            return IDCANCEL;
        });
        return EditOpening(*m_model);
    }
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text.Trim();
    }
    static void Leave(CDialog& d, int id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), 0); }

    std::unique_ptr<ProjectModel> m_model;
    CString m_savedData;
    int m_focus = 0;
};

TEST_F(OpeningDialogTest, JointFollowsTheSize)
{
    CString circumference, joint;
    ASSERT_EQ(IDOK, Edit([&](CDialog& d) {
        d.SetDlgItemText(IDC_WIN_WIDTH, "1200");
        Leave(d, IDC_WIN_WIDTH);
        circumference = Text(d, IDC_WIN_CIRCUMFERENCE);
        joint = Text(d, IDC_WIN_JOINT);
    }));
    EXPECT_EQ("5400", circumference.str());
    EXPECT_EQ("5400", joint.str());
    EXPECT_EQ(1200, Opening().length);
    EXPECT_EQ(5400, Opening().jointLength);

    ASSERT_EQ(IDOK, Edit([&](CDialog& d) { d.SetDlgItemText(IDC_WIN_JOINT, ""); }));
    EXPECT_EQ(5400, Opening().jointLength) << "an empty joint is the circumference";
}

TEST_F(OpeningDialogTest, OkRefusals)
{
    // A number outside its range keeps the dialog open with a box that names the field and its
    // range (the count is looked at before the kind); a missing kind has its own box.
    const struct
    {
        int field;
        const char* text;
        bool noKind;
        int focus;
        const char* message;
    } cases[] = {
        {IDC_WIN_I, "0", false, IDC_WIN_I, "i otvoru [m2.s-1.Pa0.67] = 0 je mimo rozsah 0,001 až 100 !!"},
        {IDC_WIN_COUNT, "0", true, IDC_WIN_COUNT, "Počet otvorů [-] = 0 je mimo rozsah 1 až 1000 !!"},
        {IDC_WIN_U, "0,0", false, IDC_WIN_U, "U otvoru [W.m-2.K-1] = 0,0 je mimo rozsah 0,001 až 20 !!"},
        {IDC_WIN_WIDTH, "", false, IDC_WIN_WIDTH, "Šířka otvoru [mm] =  je mimo rozsah 1 až 100000 !!"},
        {IDC_WIN_WIDTH, "-1500", false, IDC_WIN_WIDTH, "Šířka otvoru [mm] = -1500 je mimo rozsah 1 až 100000 !!"},
        {IDC_WIN_HEIGHT, "150000", false, IDC_WIN_HEIGHT,
         "Výška otvoru [mm] = 150000 je mimo rozsah 1 až 100000 !!"},
        {IDC_WIN_U, "-1,2", false, IDC_WIN_U, "U otvoru [W.m-2.K-1] = -1,2 je mimo rozsah 0,001 až 20 !!"},
        {IDC_WIN_I, "1e999", false, IDC_WIN_I, "i otvoru [m2.s-1.Pa0.67] = 1e999 je mimo rozsah 0,001 až 100 !!"},
        {IDC_WIN_JOINT, "5000000", false, IDC_WIN_JOINT,
         "Délka spáry otvoru [mm] = 5000000 je mimo rozsah 1 až 1000000 !!"},
        {IDC_WIN_COUNT, "1001", false, IDC_WIN_COUNT, "Počet otvorů [-] = 1001 je mimo rozsah 1 až 1000 !!"},
        {IDC_WIN_COUNT, "2", true, 0, "Není správně vyplněno !"},
    };
    for (const auto& c : cases)
    {
        ScriptedAnswers::ForgetShown();
        EXPECT_EQ(IDCANCEL, Edit([&](CDialog& d) {
            d.SetDlgItemText(c.field, c.text);
            if (c.noKind)
                static_cast<CComboBox*>(d.GetDlgItem(IDC_WIN_KIND))->SetCurSel(-1);
        })) << c.text;
        if (c.focus)
            EXPECT_EQ(c.focus, m_focus) << c.text;
        ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size()) << c.text;
        EXPECT_EQ(c.message, ScriptedAnswers::ShownBoxes()[0].text);
        EXPECT_EQ("kalvenrod - upozornění", ScriptedAnswers::ShownBoxes()[0].caption);
        EXPECT_EQ(1, Opening().count);
        EXPECT_EQ(1500, Opening().length);
    }

    // The ends of the ranges are taken.
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(IDOK, Edit([&](CDialog& d) {
        d.SetDlgItemText(IDC_WIN_COUNT, "1000");
        d.SetDlgItemText(IDC_WIN_I, "0,001");
        d.SetDlgItemText(IDC_WIN_WIDTH, "100000");
    }));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(1000, Opening().count);
    EXPECT_DOUBLE_EQ(0.001, Opening().i);
    EXPECT_EQ(100000, Opening().length);
}

TEST_F(OpeningDialogTest, PickersChangeTheFieldsOnlyOnOk)
{
    OpeningEntry::Instance() = OpeningEntry();
    const struct
    {
        UINT picker;
        int button;
        int answer;
        const char* width;
        const char* U;
        const char* i;
        const char* count;
    } cases[] = {
        {IDD_WINDOW_OT, IDC_WIN_PICK_OPENING, IDCANCEL, "777", "1,200", "1,400", "1"},
        {IDD_WINDOW_OT, IDC_WIN_PICK_OPENING, IDOK, "900", "1,400", "0,400", "1"}, // the first row, one
        {IDD_WINDOW_K, IDC_WIN_PICK_U, IDOK, "777", "0,000", "1,400", "1"},        // no choice: 0
        {IDD_WINDOW_I, IDC_WIN_PICK_I, IDCANCEL, "777", "1,200", "1,400", "1"},
    };
    for (const auto& c : cases)
    {
        ScriptedAnswers::OnDialog(c.picker, [&](CDialog& picker) {
            if (c.picker == IDD_WINDOW_OT)
                picker.SetDlgItemText(IDC_OPENING_WIDTH, "555"); // typed, not taken
            UiTest::Click(picker.GetDlgItem(c.answer));
            return IDCANCEL;
        });
        CString width, U, i, count;
        Edit([&](CDialog& d) {
            d.SetDlgItemText(IDC_WIN_WIDTH, "777");
            UiTest::Click(d.GetDlgItem(c.button));
            width = Text(d, IDC_WIN_WIDTH);
            U = Text(d, IDC_WIN_U);
            i = Text(d, IDC_WIN_I);
            count = Text(d, IDC_WIN_COUNT);
            d.SetDlgItemText(IDC_WIN_COUNT, "0");
        });
        EXPECT_EQ(c.width, width.str()) << c.picker << " " << c.answer;
        EXPECT_EQ(c.U, U.str()) << c.picker << " " << c.answer;
        EXPECT_EQ(c.i, i.str()) << c.picker << " " << c.answer;
        EXPECT_EQ(c.count, count.str()) << c.picker << " " << c.answer;
    }
    EXPECT_EQ(4200, OpeningEntry::Instance().jointLength);
    EXPECT_EQ(1200, OpeningEntry::Instance().height);
}

TEST_F(OpeningDialogTest, CadButtonsByTheChosenProgram)
{
    const int saved = AppSettings::Get().ProCAD;
    for (int cad : {120, 123})
    {
        AppSettings::Get().ProCAD = cad;
        int shown = 0;
        CString count;
        Edit([&](CDialog& d) {
            for (int id : {IDC_WIN_CAD_WIDTH, IDC_WIN_CAD_HEIGHT, IDC_WIN_CAD_COUNT})
                shown += d.GetDlgItem(id)->IsWindowVisible() ? 1 : 0;
            if (cad != 120)
                UiTest::Click(d.GetDlgItem(IDC_WIN_CAD_COUNT)); // no CAD program runs
            count = Text(d, IDC_WIN_COUNT);
        });
        EXPECT_EQ(cad == 120 ? 0 : 3, shown);
        EXPECT_EQ(cad == 120 ? "1" : "", count.str());
    }
    AppSettings::Get().ProCAD = saved;
}

// Pictures for a person to look at: build/tests/heatloss-input-dialogs/dialog-<id>.png.
TEST_F(OpeningDialogTest, Pictures)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-input-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    auto render = [&](CDialog& dialog, int id) {
        EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-" + std::to_string(id) + ".png")) << id;
    };
    CWindow opening(*m_model);
    render(opening, IDD_WINDOW);
    CWindow_K k;
    render(k, IDD_WINDOW_K);
    CWindow_OT ot;
    render(ot, IDD_WINDOW_OT);
    CWindow_I i;
    render(i, IDD_WINDOW_I);
}
} // namespace
