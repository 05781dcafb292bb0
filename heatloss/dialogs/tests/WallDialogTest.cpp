#include "heatloss/dialogs/CWall.h"

#include "InputDialogFixture.h"

#include "common/AppSettings.h"
#include "heatloss/AdjacentSpaceTemperature.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/WallEntry.h"
#include "heatloss/dialogs/CWall_K.h"
#include "heatloss/dialogs/CWall_Ti_Vedl.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// Room 1 (Ti 20 °C, 4000 × 5000 × 2600 mm) of a project with Te −15 °C; its wall 1 is edited.
class WallDialogTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_model = std::make_unique<ProjectModel>();
        m_model->Header.Te = -15;
        m_model->Rooms[1].Ti = 20;
        m_model->Rooms.count = 2;
        m_model->Rooms[1].wallCount = 2;
        m_model->Cursor.room = 1;
        m_model->Cursor.wall = 1;
        Wall().length = 4000;
        Wall().height = 2600;
        Wall().U = 0.3;
    }
    WallTable::Entry& Wall() { return m_model->Walls.At(1, 1); }
    int Edit(const std::function<void(CDialog&)>& actions)
    {
        ScriptedAnswers::OnDialog(IDD_WALL, [&](CDialog& d) {
            actions(d);
            UiTest::Click(d.GetDlgItem(IDC_WALL_OK));
            return IDCANCEL;
        });
        return EditWall(*m_model, 4000, 5000, 2600);
    }
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static std::vector<std::string> Widths(CDialog& d)
    {
        auto* list = static_cast<CComboBox*>(d.GetDlgItem(IDC_WALL_WIDTH));
        std::vector<std::string> widths;
        CString text;
        for (int k = 0; k < list->GetCount(); ++k)
        {
            list->GetLBText(k, text);
            widths.push_back(text.str());
        }
        return widths;
    }
    static void ChooseKind(CDialog& d, int kind)
    {
        static_cast<CComboBox*>(d.GetDlgItem(IDC_WALL_KIND))->SetCurSel(kind);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WALL_KIND, CBN_SELCHANGE), 0);
    }

    std::unique_ptr<ProjectModel> m_model;
};

TEST_F(WallDialogTest, ModeAndDifferenceAtOpening)
{
    const struct
    {
        const char* code;
        int stored;
        bool outer;           // the mode shown
        const char* inner;    // the inner difference field
        const char* neighbour;
        int confirmed;        // the difference stored on OK
    } cases[] = {
        {"SO ", 15, true, "15", "5", 35},
        {"SN ", 35, false, "35", "-15", 35}, // an inner wall at Ti − Te keeps it
        {"SN ", 5, false, "5", "15", 5},
    };
    for (const auto& c : cases)
    {
        Wall().code = c.code;
        Wall().temperatureDifference = c.stored;
        bool outer = false;
        CString outerField, inner, neighbour;
        ASSERT_EQ(IDOK, Edit([&](CDialog& d) {
            outer = d.IsDlgButtonChecked(IDC_WALL_OUTER) != 0;
            outerField = Text(d, IDC_WALL_OUTER_DIFF);
            inner = Text(d, IDC_WALL_INNER_DIFF);
            neighbour = Text(d, IDC_WALL_NEIGHBOUR);
        })) << c.code << c.stored;
        EXPECT_EQ(c.outer, outer) << c.code << c.stored;
        EXPECT_EQ("35", outerField.str());
        EXPECT_EQ(c.inner, inner.str()) << c.code << c.stored;
        EXPECT_EQ(c.neighbour, neighbour.str()) << c.code << c.stored;
        EXPECT_EQ(c.confirmed, Wall().temperatureDifference) << c.code << c.stored;
        EXPECT_EQ(c.code, Wall().code.str());
    }
}

TEST_F(WallDialogTest, KindsOfferTheRoomsDimensions)
{
    Wall().code = "SO ";
    Wall().temperatureDifference = 35;
    std::vector<std::string> floorWidths, wallWidths;
    CString floorLabel, floorLength, wallHeight, chosenWidth;
    Edit([&](CDialog& d) {
        ChooseKind(d, 4); // Pdl-podlaha
        floorWidths = Widths(d);
        floorLabel = Text(d, IDC_WALL_SECOND_LABEL);
        floorLength = Text(d, IDC_WALL_SECOND);
        ChooseKind(d, 0); // SO -stěna venkovní
        wallWidths = Widths(d);
        wallHeight = Text(d, IDC_WALL_SECOND);
        chosenWidth = Text(d, IDC_WALL_WIDTH);
        ChooseKind(d, 1); // SN: a neighbour of 12 °C at Ti 20 is 8 K
        d.SetDlgItemText(IDC_WALL_NEIGHBOUR, "12");
    });
    EXPECT_EQ(std::vector<std::string>{"5000"}, floorWidths);
    EXPECT_EQ("Délka", floorLabel.str());
    EXPECT_EQ("4000", floorLength.str());
    EXPECT_EQ((std::vector<std::string>{"4000", "5000"}), wallWidths);
    EXPECT_EQ("2600", wallHeight.str());
    EXPECT_EQ("5000", chosenWidth.str());
    EXPECT_EQ(8, Wall().temperatureDifference);
    EXPECT_EQ(5000, Wall().length);
    EXPECT_EQ("SN ", Wall().code.str());
}

TEST_F(WallDialogTest, RefusalsKeepTheDialogOpen)
{
    Wall().code = "???";
    EXPECT_EQ(IDCANCEL, Edit([&](CDialog& d) { UiTest::Click(d.GetDlgItem(IDC_WALL_PICK_U)); }));
    ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
    EXPECT_EQ("Není správně vyplněno !", ScriptedAnswers::ShownBoxes()[0].text);
    EXPECT_EQ("kalvenrod - upozornění", ScriptedAnswers::ShownBoxes()[0].caption);
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_WALL}) << "no constructions without a kind";

    Wall().code = "SO ";
    for (const char* U : {"0", "abc"})
    {
        EXPECT_EQ(IDCANCEL, Edit([&](CDialog& d) { d.SetDlgItemText(IDC_WALL_U, U); })) << U;
        EXPECT_DOUBLE_EQ(0.3, Wall().U);
    }
    EXPECT_EQ(IDOK, Edit([&](CDialog& d) { d.SetDlgItemText(IDC_WALL_U, "0.45"); }));
    EXPECT_DOUBLE_EQ(0.45, Wall().U);
}

// A number no wall has keeps the dialog open with a box that names the field and its range.
TEST_F(WallDialogTest, NumbersOutOfRangeAreRefusedWithAMessage)
{
    Wall().code = "SN ";
    Wall().temperatureDifference = 5; // inner mode, neighbour at 15 °C
    const struct
    {
        const char* name;
        std::function<void(CDialog&)> type;
        const char* message; // empty: taken
    } cases[] = {
        {"width", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_WIDTH, "-4000"); },
         "Šířka stěny [mm] = -4000 je mimo rozsah 1 až 500000 !!"},
        {"height", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_SECOND, "600000"); },
         "Výška (délka) stěny [mm] = 600000 je mimo rozsah 1 až 500000 !!"},
        {"U", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_U, "25"); },
         "U stěny [W.m-2.K-1] = 25 je mimo rozsah 0,001 až 20 !!"},
        {"U not finite", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_U, "1e999"); },
         "U stěny [W.m-2.K-1] = 1e999 je mimo rozsah 0,001 až 20 !!"},
        {"a neighbour at 500 °C", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_NEIGHBOUR, "500"); },
         "Rozdíl teplot [K] = -480 je mimo rozsah -160 až 160 !!"},
        {"a warmer neighbour", [](CDialog& d) { d.SetDlgItemText(IDC_WALL_NEIGHBOUR, "24"); }, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScriptedAnswers::ForgetShown();
        const int result = Edit(c.type);
        if (!*c.message)
        {
            EXPECT_EQ(IDOK, result);
            EXPECT_EQ(-4, Wall().temperatureDifference);
            continue;
        }
        EXPECT_EQ(IDCANCEL, result);
        ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
        EXPECT_EQ(c.message, ScriptedAnswers::ShownBoxes()[0].text);
        EXPECT_EQ(4000, Wall().length);
        EXPECT_EQ(5, Wall().temperatureDifference);
    }
}

// "Vyber U": the constructions of the wall's kind; OK on one puts its U into the U field, Cancel
// leaves the field as it was.
TEST_F(WallDialogTest, UFromTheConstructionsOfTheKind)
{
    const CString savedData = AppSettings::Get().PathData;
    AppSettings::Get().PathData = KALVENROD_BIN_DIR;
    Wall().code = "SO ";
    Wall().temperatureDifference = 35;
    for (int answer : {IDCANCEL, IDOK})
    {
        CString kindShown, field;
        ScriptedAnswers::OnDialog(IDD_WALL_K, [&](CDialog& dialog) {
            auto& constructions = static_cast<CWall_K&>(dialog);
            kindShown = constructions.m_strKind;
            CFmtGridCtrl& grid = constructions.m_GridK;
            CRect cell;
            grid.GetCellRect(2, 1, &cell);
            UiTest::MouseDown(&grid, cell.CenterPoint());
            UiTest::MouseUp(&grid, cell.CenterPoint());
            UiTest::Click(dialog.GetDlgItem(answer));
            return IDCANCEL;
        });
        Edit([&](CDialog& d) {
            UiTest::Click(d.GetDlgItem(IDC_WALL_PICK_U));
            field = Text(d, IDC_WALL_U);
        });
        EXPECT_EQ("SO", kindShown.str());
        EXPECT_EQ(answer == IDOK ? "0,342" : "0,300", field.str());
        EXPECT_DOUBLE_EQ(answer == IDOK ? 0.342 : 0.3, Wall().U);
    }
    AppSettings::Get().PathData = savedData;
}

TEST_F(WallDialogTest, AdjacentSpaceTemperatures)
{
    int temperature = 0;
    ASSERT_TRUE(AdjacentSpaceTemperature(0, -15, temperature));
    EXPECT_EQ(-9, temperature);
    ASSERT_TRUE(AdjacentSpaceTemperature(2, -21, temperature));
    EXPECT_EQ(-6, temperature);
    EXPECT_FALSE(AdjacentSpaceTemperature(0, -17, temperature));
    EXPECT_FALSE(AdjacentSpaceTemperature(13, -15, temperature));

    const struct
    {
        int Te;
        int choice;
        int answer;
        const char* neighbour; // in the wall dialog afterwards
        bool choicesEnabled;
    } cases[] = {{-15, 0, IDOK, "-9", true},
                 {-21, 2, IDOK, "-6", true},
                 {-15, 0, IDCANCEL, "15", true}, // Cancel hands nothing over
                 {-17, 0, IDOK, "15", false}};
    for (const auto& c : cases)
    {
        m_model->Header.Te = c.Te;
        Wall().code = "SN ";
        Wall().temperatureDifference = 5;
        bool enabled = false, okEnabled = true;
        CString chosen;
        ScriptedAnswers::OnDialog(IDD_WALL_TI_VEDL, [&](CDialog& picker) {
            enabled = picker.GetDlgItem(IDC_ADJ_FIRST_CHOICE + c.choice)->IsWindowEnabled();
            okEnabled = picker.GetDlgItem(IDOK)->IsWindowEnabled();
            picker.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ADJ_FIRST_CHOICE + c.choice, BN_CLICKED), 0);
            chosen = Text(picker, IDC_ADJ_CHOSEN);
            UiTest::Click(picker.GetDlgItem(c.answer));
            return IDCANCEL;
        });
        CString neighbour;
        Edit([&](CDialog& d) {
            UiTest::Click(d.GetDlgItem(IDC_WALL_PICK_TEMPERATURE));
            neighbour = Text(d, IDC_WALL_NEIGHBOUR);
        });
        EXPECT_EQ(c.neighbour, neighbour.str()) << c.Te << " " << c.answer;
        EXPECT_EQ(c.choicesEnabled, enabled) << c.Te;
        EXPECT_FALSE(okEnabled);
        if (!c.choicesEnabled)
            EXPECT_EQ("pro tuto Te nejsou", chosen.str());
    }
}

// Pictures for a person to look at: build/tests/heatloss-input-dialogs/dialog-<id>.png.
TEST_F(WallDialogTest, Pictures)
{
    Wall().code = "SN ";
    Wall().temperatureDifference = 5;
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-input-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    CWall dialog(*m_model, 4000, 5000, 2600);
    EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-133.png"));
    CWall_Ti_Vedl picker(-15);
    EXPECT_TRUE(DialogShot::Render(picker, folder + "/dialog-142.png"));
}
} // namespace
