// The basic data dialog and its pickers, driven by control id off screen.
#include "common/AppSettings.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CBase.h"
#include "heatloss/dialogs/CBase_Typ.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <functional>

namespace
{

CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

bool Shown(CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    return control->IsWindowVisible() && control->IsWindowEnabled();
}

// A click near the left edge, where a radio button's circle and text are.
void Click(CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    CRect r;
    control->GetClientRect(&r);
    const CPoint point(std::min(6, r.Width() / 2), r.Height() / 2);
    UiTest::MouseDown(control, point);
    UiTest::MouseUp(control, point);
}

// Types into a field and moves the focus on, as the user leaving the field.
void Leave(CWnd& dialog, int field, const char* text, int next)
{
    dialog.GetDlgItem(field)->SetFocus();
    dialog.SetDlgItemText(field, text);
    dialog.GetDlgItem(next)->SetFocus();
}

class BasicDataTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings.SetStartValues(0);
        settings.PathData = KALVENROD_BIN_DIR;
        settings.UserName = "Novák";
        settings.ProjectInfoPath.Empty();
        ProjectModel::Instance().Reset("");
    }
    void TearDown() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get().ProjectInfoPath.Empty();
        ProjectModel::Instance().Reset("");
    }
    ProjectHeader& Header() { return ProjectModel::Instance().Header; }

    // Runs the basic data dialog with the actions; its result.
    int RunBase(const std::function<int(CBase&)>& actions, int* choice = nullptr)
    {
        CBase dialog;
        ScriptedAnswers::OnDialog(IDD_BASE, [&](CDialog& d) { return actions(static_cast<CBase&>(d)); });
        const int result = int(dialog.DoModal());
        if (choice)
            *choice = dialog.m_nChoice;
        return result;
    }

    // A header ready for the heat-loss choice but for the fields a case empties.
    void FullHeader()
    {
        ProjectHeader& header = Header();
        header.orderNumber = "Z-1";
        header.Te = -15;
        header.altitude = "327";
        header.temperatureRegion = "Benešov";
        header.windyLandscape = "neuvedeno";
        header.B = 6;
        header.p2 = 0.1;
        header.buildingType = 1;
        header.buildingTypeText = "Obytná budova";
    }
};

TEST_F(BasicDataTest, OkFollowsTheChoiceAndTheRequiredFields)
{
    struct Case
    {
        const char* what;
        int choice; // the button clicked, 0 none
        int emptied; // a field emptied, 0 none
        const char* B;
        bool ok;
    };
    const Case cases[] = {
        {"no choice", 0, 0, nullptr, false},
        {"heat losses", IDC_BASE_HEAT_LOSS, 0, nullptr, true},
        {"heat losses without order number", IDC_BASE_HEAT_LOSS, IDC_BASE_ORDER, nullptr, false},
        {"heat losses without author", IDC_BASE_HEAT_LOSS, IDC_BASE_AUTHOR, nullptr, false},
        {"heat losses with B 0", IDC_BASE_HEAT_LOSS, 0, "0", false},
        {"floor heating", IDC_BASE_FLOOR, 0, nullptr, true},
        {"floor heating without order number", IDC_BASE_FLOOR, IDC_BASE_ORDER, nullptr, false},
        {"wall heating", IDC_BASE_WALL, 0, nullptr, true},
        {"pipes", IDC_BASE_PIPES, 0, nullptr, true},
        {"continue", IDC_BASE_CONTINUE, 0, nullptr, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        FullHeader();
        if (c.B)
            Header().B = 0;
        RunBase([&](CBase& d) {
            EXPECT_FALSE(Shown(d, IDC_BASE_OK));
            EXPECT_FALSE(d.GetDlgItem(IDC_BASE_TE)->IsWindowVisible());
            if (c.emptied)
                d.SetDlgItemText(c.emptied, "");
            if (c.choice)
                Click(d, c.choice);
            EXPECT_EQ(Shown(d, IDC_BASE_OK), c.ok);
            // The climate group only for the heat losses.
            EXPECT_EQ(d.GetDlgItem(IDC_BASE_TE)->IsWindowVisible(), c.choice == IDC_BASE_HEAT_LOSS);
            EXPECT_EQ(d.GetDlgItem(IDC_BASE_CHOOSE_TYPE)->IsWindowVisible(), c.choice == IDC_BASE_HEAT_LOSS);
            return IDCANCEL;
        });
    }
    // Without a place, the B picker is not offered.
    FullHeader();
    Header().temperatureRegion.Empty();
    RunBase([&](CBase& d) {
        Click(d, IDC_BASE_HEAT_LOSS);
        EXPECT_FALSE(Shown(d, IDC_BASE_CHOOSE_B));
        EXPECT_TRUE(Shown(d, IDC_BASE_CHOOSE_TE));
        return IDCANCEL;
    });
}

TEST_F(BasicDataTest, TeIsOneOfTheFourDesignTemperatures)
{
    for (const char* te : {"-12", "-15", "-18", "-21"})
    {
        SCOPED_TRACE(te);
        FullHeader();
        const int result = RunBase([&](CBase& d) {
            Click(d, IDC_BASE_HEAT_LOSS);
            Leave(d, IDC_BASE_TE, te, IDC_BASE_NOTE);
            EXPECT_EQ(Text(d, IDC_BASE_TE), te);
            Click(d, IDC_BASE_OK);
            return 99;
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Header().Te, atoi(te));
    }
    for (const char* te : {"-20", "0", "abc"})
    {
        SCOPED_TRACE(te);
        FullHeader();
        const int result = RunBase([&](CBase& d) {
            Click(d, IDC_BASE_HEAT_LOSS);
            Leave(d, IDC_BASE_TE, te, IDC_BASE_NOTE);
            EXPECT_EQ(Text(d, IDC_BASE_TE), "-15");
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_BASE_TE));
            EXPECT_EQ(d.m_bTeValid, 0);
            // Refused again: the picker is the way out.
            Leave(d, IDC_BASE_TE, te, IDC_BASE_NOTE);
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_BASE_CHOOSE_TE));
            d.SetDlgItemText(IDC_BASE_TE, te);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BASE_OK, BN_CLICKED), 0);
            EXPECT_EQ(Text(d, IDC_BASE_TE), "-15");
            return 99;
        });
        // The heat losses need a valid Te.
        EXPECT_EQ(result, 99);
        // The other steps hide Te and keep the stored one.
        EXPECT_EQ(RunBase([&](CBase& d) {
                      Click(d, IDC_BASE_FLOOR);
                      d.SetDlgItemText(IDC_BASE_TE, te);
                      Click(d, IDC_BASE_OK);
                      return 99;
                  }),
                  IDOK);
        EXPECT_EQ(Header().Te, -15);
    }
}

TEST_F(BasicDataTest, LeavingTeForCancelIsNotHeldUp)
{
    FullHeader();
    const int result = RunBase([&](CBase& d) {
        Click(d, IDC_BASE_HEAT_LOSS);
        d.GetDlgItem(IDC_BASE_TE)->SetFocus();
        d.SetDlgItemText(IDC_BASE_TE, "-20");
        d.GetDlgItem(IDCANCEL)->SetFocus();
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDCANCEL));
        Click(d, IDCANCEL);
        return 99;
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(BasicDataTest, EnterMovesOnAndOkStoresTheHeader)
{
    FullHeader();
    Header().author.Empty();
    const int result = RunBase([&](CBase& d) {
        EXPECT_EQ(Text(d, IDC_BASE_AUTHOR), "Novák");
        d.GetDlgItem(IDC_BASE_ORDER)->SetFocus();
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(d.IsModalRunning());
        EXPECT_NE(CWnd::GetFocus(), d.GetDlgItem(IDC_BASE_ORDER));
        d.SetDlgItemText(IDC_BASE_INVESTOR1, "Obec Benešov");
        d.SetDlgItemText(IDC_BASE_ORDER, "Z-2");
        d.SetDlgItemText(IDC_BASE_NOTE, CString('x', 60));
        Click(d, IDC_BASE_HEAT_LOSS);
        Click(d, IDC_BASE_OK);
        return 99;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Header().investor1, "Obec Benešov");
    EXPECT_EQ(Header().orderNumber, "Z-2");
    EXPECT_EQ(Header().author, "Novák");
    EXPECT_EQ(Header().note.GetLength(), 49);
    EXPECT_EQ(Header().B, 6);
    EXPECT_DOUBLE_EQ(Header().p2, 0.1);
    EXPECT_EQ(Header().altitude, "327");
    EXPECT_EQ(Header().date.GetLength(), 10);
}

TEST_F(BasicDataTest, BPickerNeedsTheSiteAndFollowsTheLandscape)
{
    FullHeader();
    Header().windyLandscape.Empty();
    RunBase([&](CBase& d) {
        Click(d, IDC_BASE_HEAT_LOSS);
        Click(d, IDC_BASE_CHOOSE_B);
        return IDCANCEL;
    });
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Není zadáno umístění stavby");
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs() == std::vector<UINT>{IDD_BASE});

    const int normal[] = {IDC_B_NORMAL_PROTECTED, IDC_B_NORMAL_UNPROTECTED, IDC_B_NORMAL_UNFAVOURABLE};
    const int windy[] = {IDC_B_WINDY_PROTECTED, IDC_B_WINDY_UNPROTECTED, IDC_B_WINDY_UNFAVOURABLE};
    const int expected[2][3][2] = {{{4, 3}, {8, 6}, {12, 9}}, {{8, 6}, {12, 9}, {16, 12}}};
    // A landscape the catalogue does not give ("neuvedeno") offers both rows; the row chosen is
    // stored as the header's windy landscape and shown in the basic data.
    const struct
    {
        const char* landscape;
        bool normalOffered, windyOffered;
        bool chooseWindy;
        const char* stored;
    } landscapes[] = {
        {"ano", false, true, true, "ano"},         {"ANO", false, true, true, "ANO"},
        {"ne", true, false, false, "ne"},          {"neuvedeno", true, true, true, "ano"},
        {"neuvedeno", true, true, false, "ne"},
    };
    for (const auto& c : landscapes)
        for (int kind : {IDC_B_DETACHED, IDC_B_TERRACED})
            for (int position = 0; position < 3; ++position)
            {
                SCOPED_TRACE(std::string(c.landscape) + (c.chooseWindy ? " windy" : " normal"));
                FullHeader();
                Header().windyLandscape = c.landscape;
                ScriptedAnswers::OnDialog(IDD_BASE_B, [&](CDialog& b) {
                    EXPECT_EQ(Text(b, IDC_B_VALUE), "Vyberte druh budovy");
                    for (int id : normal)
                        EXPECT_FALSE(b.GetDlgItem(id)->IsWindowEnabled());
                    EXPECT_FALSE(Shown(b, IDOK));
                    Click(b, kind);
                    EXPECT_EQ(Text(b, IDC_B_VALUE), "Vyberte rychlost větrů");
                    for (int i = 0; i < 3; ++i)
                    {
                        EXPECT_EQ(b.GetDlgItem(normal[i])->IsWindowEnabled(), c.normalOffered);
                        EXPECT_EQ(b.GetDlgItem(windy[i])->IsWindowEnabled(), c.windyOffered);
                    }
                    Click(b, (c.chooseWindy ? windy : normal)[position]);
                    EXPECT_TRUE(Shown(b, IDOK));
                    Click(b, IDOK);
                    return IDCANCEL;
                });
                const int value = expected[c.chooseWindy][position][kind == IDC_B_TERRACED];
                RunBase([&](CBase& d) {
                    Click(d, IDC_BASE_HEAT_LOSS);
                    Click(d, IDC_BASE_CHOOSE_B);
                    EXPECT_EQ(Text(d, IDC_BASE_B), CString(std::to_string(value).c_str()));
                    EXPECT_EQ(Text(d, IDC_BASE_WINDY), CString(c.stored));
                    Click(d, IDC_BASE_OK);
                    return IDCANCEL;
                });
                EXPECT_EQ(Header().B, value);
                EXPECT_EQ(Header().windyLandscape, c.stored);
            }
}

TEST_F(BasicDataTest, P2AndTypePickersWriteTheHeaderAtTheClick)
{
    const struct
    {
        int button;
        double p2;
        const char* text;
    } modes[] = {{IDC_P2_CONTINUOUS, 0.0, "0,0"}, {IDC_P2_LONG, 0.1, "0,1"}, {IDC_P2_SHORT, 0.2, "0,2"}};
    for (const auto& mode : modes)
    {
        FullHeader();
        ScriptedAnswers::OnDialog(IDD_BASE_P2, [&](CDialog& p) {
            EXPECT_EQ(Text(p, IDC_P2_VALUE), "");
            EXPECT_FALSE(Shown(p, IDOK));
            Click(p, mode.button);
            EXPECT_TRUE(Shown(p, IDOK));
            return IDCANCEL; // "Zrušit" does not undo the click
        });
        RunBase([&](CBase& d) {
            Click(d, IDC_BASE_HEAT_LOSS);
            Click(d, IDC_BASE_CHOOSE_P2);
            return IDCANCEL;
        });
        EXPECT_DOUBLE_EQ(Header().p2, mode.p2);
    }
    const char* texts[] = {"Obytná budova",     "Administrativní budova", "Školní budova",
                           "Zdravotnické zařízení", "Obchodní budova",   "Hotely a restaurace",
                           "Koleje a ubytovny", "Divadla, kina, ...",     "Sportovní budovy",
                           "Nádraží, letiště",  "Zemědělské stavby",      "Průmyslové stavby"};
    for (int type = 1; type <= 12; ++type)
    {
        SCOPED_TRACE(type);
        FullHeader();
        ScriptedAnswers::OnDialog(IDD_BASE_TYP, [&](CDialog& t) {
            EXPECT_FALSE(Shown(t, IDOK));
            Click(t, CBase_Typ::kTypeButtons[type - 1]);
            Click(t, IDOK);
            return IDCANCEL;
        });
        RunBase([&](CBase& d) {
            Click(d, IDC_BASE_HEAT_LOSS);
            Click(d, IDC_BASE_CHOOSE_TYPE);
            EXPECT_EQ(Text(d, IDC_BASE_TYPE), texts[type - 1]);
            return IDCANCEL;
        });
        EXPECT_EQ(Header().buildingType, type);
    }
}

TEST_F(BasicDataTest, TePickerListsThePlacesAndPreselectsTheStoredOne)
{
    FullHeader();
    Header().temperatureRegion = "česká";
    Header().Te = 0;
    ScriptedAnswers::OnDialog(IDD_BASE_TE, [&](CDialog& t) {
        auto* places = static_cast<CComboBox*>(t.GetDlgItem(IDC_TE_PLACES));
        EXPECT_EQ(places->GetCount(), 79);
        EXPECT_EQ(places->GetCurSel(), 6); // "Česká Lípa", the first that begins so
        EXPECT_EQ(Text(t, IDC_TE_ALTITUDE), "276");
        EXPECT_EQ(Text(t, IDC_TE_VALUE), "-15");
        EXPECT_TRUE(Shown(t, IDOK));
        places->SetCurSel(3);
        t.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TE_PLACES, CBN_CLOSEUP), 0);
        EXPECT_EQ(Text(t, IDC_TE_VALUE), "-12");
        Click(t, IDOK);
        return IDCANCEL;
    });
    RunBase([&](CBase& d) {
        Click(d, IDC_BASE_HEAT_LOSS);
        Click(d, IDC_BASE_CHOOSE_TE);
        EXPECT_EQ(Text(d, IDC_BASE_PLACE), "Brno");
        EXPECT_EQ(Text(d, IDC_BASE_TE), "-12");
        EXPECT_EQ(Text(d, IDC_BASE_ALTITUDE), "227");
        EXPECT_TRUE(Shown(d, IDC_BASE_CHOOSE_B));
        return IDCANCEL;
    });
    EXPECT_EQ(Header().temperatureRegion, "Brno");
    EXPECT_EQ(Header().Te, -12);
    EXPECT_EQ(Header().windyLandscape, "neuvedeno");

    // Before a place is chosen the fields show the columns' captions.
    Header().temperatureRegion.Empty();
    ScriptedAnswers::OnDialog(IDD_BASE_TE, [&](CDialog& t) {
        EXPECT_EQ(Text(t, IDC_TE_ALTITUDE), "Nadmořská výška");
        EXPECT_EQ(Text(t, IDC_TE_VALUE), "Te");
        EXPECT_FALSE(Shown(t, IDOK));
        return IDCANCEL;
    });
    RunBase([&](CBase& d) {
        Click(d, IDC_BASE_HEAT_LOSS);
        Click(d, IDC_BASE_CHOOSE_TE);
        return IDCANCEL;
    });
}

TEST_F(BasicDataTest, ProjectInfoFileFillsAnEmptyHeaderOnce)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/info.ini";
    std::ofstream(path) << "[ZAKAZKA]\nNazev1=Obec Lhota\nZC=123\n[PROJEKT]\nProjektant=Dvořák\n";
    AppSettings::Get().ProjectInfoPath = path.c_str();
    RunBase([&](CBase& d) {
        EXPECT_EQ(Text(d, IDC_BASE_INVESTOR1), "Obec Lhota");
        EXPECT_EQ(Text(d, IDC_BASE_ORDER), "123");
        EXPECT_EQ(Text(d, IDC_BASE_AUTHOR), "Dvořák");
        return IDCANCEL;
    });
    // With an order number in the header the file is not read again.
    Header().orderNumber = "Z-9";
    Header().investor1 = "Jiný";
    RunBase([&](CBase& d) {
        EXPECT_EQ(Text(d, IDC_BASE_INVESTOR1), "Jiný");
        EXPECT_EQ(Text(d, IDC_BASE_ORDER), "Z-9");
        return IDCANCEL;
    });
}

} // namespace
