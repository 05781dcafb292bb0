#include "heatloss/dialogs/CRoom.h"

#include "InputDialogFixture.h"
#include "heatloss/dialogs/CRoom_Te.h"

#include "common/AppSettings.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/RoomEntry.h"
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
// Room 1 "1.01" Obývák, room 2 as the test sets it; the dialog runs on room 2.
class RoomDialogTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_model = std::make_unique<ProjectModel>();
        auto& first = m_model->Rooms[1];
        first.number = "1.01";
        first.name = "Obývák";
        m_model->Rooms.count = 3;
        m_model->Cursor.room = 2;
        m_savedCad = AppSettings::Get().ProCAD;
        CRoom::DefaultHeight() = 0;
    }
    void TearDown() override
    {
        AppSettings::Get().ProCAD = m_savedCad;
        InputDialogFixture::TearDown();
    }
    auto& Room() { return m_model->Rooms[2]; }
    // Runs EditRoom with the actions; "&OK" is clicked after them, and a dialog still open
    // then is cancelled.
    int Edit(const std::function<void(CDialog&)>& actions)
    {
        ScriptedAnswers::OnDialog(IDD_ROOM, [&](CDialog& d) {
            actions(d);
            UiTest::Click(d.GetDlgItem(IDC_ROOM_OK));
            m_focus = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0;
            return IDCANCEL;
        });
        return EditRoom(*m_model);
    }
    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }
    static void Fill(CDialog& d, const char* number, const char* name)
    {
        d.SetDlgItemText(IDC_ROOM_NUMBER, number);
        d.SetDlgItemText(IDC_ROOM_NAME, name);
        d.SetDlgItemText(IDC_ROOM_LENGTH, "5000");
        d.SetDlgItemText(IDC_ROOM_WIDTH, "4000");
        d.SetDlgItemText(IDC_ROOM_HEIGHT, "2600");
    }

    std::unique_ptr<ProjectModel> m_model;
    int m_savedCad = 120;
    int m_focus = 0;
};

TEST_F(RoomDialogTest, DefaultsGoIntoTheFieldsOnly)
{
    CRoom::DefaultHeight() = 2700;
    CString height, doors;
    EXPECT_EQ(IDCANCEL, Edit([&](CDialog& d) {
        height = Text(d, IDC_ROOM_HEIGHT);
        doors = Text(d, IDC_ROOM_DOORS);
        d.SetDlgItemText(IDC_ROOM_NUMBER, ""); // keeps the dialog open
    }));
    EXPECT_EQ("2700", height.str());
    EXPECT_EQ("1", doors.str());
    EXPECT_EQ(0, Room().height);
    EXPECT_EQ(0, Room().doors);
}

TEST_F(RoomDialogTest, OrientationIsChosenWithoutRegardToCase)
{
    const struct
    {
        const char* stored;
        const char* shown;
    } cases[] = {{"sv", "SV"}, {"J", "J"}, {"XX", "JZ"}, {"", "JZ"}};
    for (const auto& c : cases)
    {
        Room().orientation = c.stored;
        CString shown;
        Edit([&](CDialog& d) {
            auto* list = static_cast<CComboBox*>(d.GetDlgItem(IDC_ROOM_ORIENTATION));
            list->GetLBText(list->GetCurSel(), shown);
            d.SetDlgItemText(IDC_ROOM_NUMBER, "");
        });
        EXPECT_EQ(c.shown, shown.str()) << c.stored;
    }
}

TEST_F(RoomDialogTest, OkChecksTheFieldsInOrder)
{
    const struct
    {
        const char* number;
        const char* name;
        const char* length;
        int focus; // 0: accepted
    } cases[] = {
        {"  ", "Kuchyň", "5000", IDC_ROOM_NUMBER},
        {"1.02", "", "5000", IDC_ROOM_NAME},
        {"1.01", "Kuchyň", "5000", IDC_ROOM_NUMBER},
        {"1.02", "Obývák", "5000", IDC_ROOM_NAME},
        {"1.02", "Kuchyň", "0", IDC_ROOM_LENGTH},
        {"1.01 ", "obývák", "5000", 0}, // a trailing blank or another case is another text
    };
    for (const auto& c : cases)
    {
        const int result = Edit([&](CDialog& d) {
            Fill(d, c.number, c.name);
            d.SetDlgItemText(IDC_ROOM_LENGTH, c.length);
        });
        EXPECT_EQ(c.focus ? IDCANCEL : IDOK, result) << c.number << " " << c.name;
        if (c.focus)
            EXPECT_EQ(c.focus, m_focus) << c.number << " " << c.name;
    }
    EXPECT_EQ("1.01 ", Room().number.str());
    EXPECT_EQ(2600, CRoom::DefaultHeight());
}

// A number no room has keeps the dialog open with a box that names the field, the text typed
// and the range; the field gets the focus and the model keeps its values.
TEST_F(RoomDialogTest, NumbersOutOfRangeAreRefusedWithAMessage)
{
    Room().length = 3000;
    const struct
    {
        int field;
        const char* text;
        const char* message; // empty: taken
    } cases[] = {
        {IDC_ROOM_LENGTH, "-4000", "Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!"},
        {IDC_ROOM_LENGTH, "0", "Délka místnosti [mm] = 0 je mimo rozsah 1 až 500000 !!"},
        {IDC_ROOM_WIDTH, "600000", "Šířka místnosti [mm] = 600000 je mimo rozsah 1 až 500000 !!"},
        {IDC_ROOM_HEIGHT, "1e999", "Výška místnosti [mm] = 1e999 je mimo rozsah 1 až 100000 !!"},
        {IDC_ROOM_TI, "-300", "Teplota Ti [°C] = -300 je mimo rozsah -50 až 100 !!"},
        {IDC_ROOM_TI, "1e999", "Teplota Ti [°C] = 1e999 je mimo rozsah -50 až 100 !!"},
        {IDC_ROOM_DOORS, "-1", "Počet dveří [-] = -1 je mimo rozsah 0 až 1000 !!"},
        {IDC_ROOM_AIR, "1000000000", "Výměna vzduchu [m3/h] = 1000000000 je mimo rozsah 0 až 10000000 !!"},
        {IDC_ROOM_TI, "0", ""},
        {IDC_ROOM_DOORS, "0", ""},
        {IDC_ROOM_AIR, "10000000", ""},
        {IDC_ROOM_LENGTH, "500000", ""},
    };
    for (const auto& c : cases)
    {
        ScriptedAnswers::ForgetShown();
        Room().length = 3000;
        Room().airExchange = 0; // no multiple that a larger room would follow
        const int result = Edit([&](CDialog& d) {
            Fill(d, "1.02", "Kuchyň");
            d.SetDlgItemText(c.field, c.text);
        });
        SCOPED_TRACE(c.text);
        if (!*c.message)
        {
            EXPECT_EQ(IDOK, result);
            EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
            continue;
        }
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(c.field, m_focus);
        ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
        EXPECT_EQ(c.message, ScriptedAnswers::ShownBoxes()[0].text);
        EXPECT_EQ("kalvenrod - upozornění", ScriptedAnswers::ShownBoxes()[0].caption);
        EXPECT_EQ(3000, Room().length);
    }
}

TEST_F(RoomDialogTest, ATiChangeShiftsTheWallDifferences)
{
    Room().Ti = 20;
    Room().wallCount = 4;
    const int before[] = {32, 5, 0};
    for (int w = 1; w <= 3; ++w)
        m_model->Walls.At(2, w).temperatureDifference = before[w - 1];
    ASSERT_EQ(IDOK, Edit([&](CDialog& d) {
        Fill(d, "1.02", "Kuchyň");
        d.SetDlgItemText(IDC_ROOM_TI, "24");
    }));
    EXPECT_EQ(24, Room().Ti);
    EXPECT_EQ(36, m_model->Walls.At(2, 1).temperatureDifference);
    EXPECT_EQ(9, m_model->Walls.At(2, 2).temperatureDifference);
    EXPECT_EQ(4, m_model->Walls.At(2, 3).temperatureDifference);
    EXPECT_EQ(5000, Room().length);
    EXPECT_EQ(4000, Room().width);
}

TEST_F(RoomDialogTest, AirExchangeFollowsTheVolume)
{
    Room().length = 5000;
    Room().width = 4000;
    Room().height = 2000; // 40 m³
    Room().airExchange = 20;
    const struct
    {
        const char* multiple;
        const char* air;
    } cases[] = {{"0,5", "25"}, {"0", "20"}};
    for (const auto& c : cases)
    {
        CString area, volume, air, multipleShown;
        Edit([&](CDialog& d) {
            multipleShown = Text(d, IDC_ROOM_MULTIPLE);
            d.SetDlgItemText(IDC_ROOM_MULTIPLE, c.multiple);
            d.SetDlgItemText(IDC_ROOM_HEIGHT, "2500"); // 50 m³
            area = Text(d, IDC_ROOM_AREA);
            volume = Text(d, IDC_ROOM_VOLUME);
            air = Text(d, IDC_ROOM_AIR);
            d.SetDlgItemText(IDC_ROOM_NUMBER, "");
        });
        EXPECT_EQ("0,5", multipleShown.str());
        EXPECT_EQ("20,0", area.str());
        EXPECT_EQ("50,0", volume.str());
        EXPECT_EQ(c.air, air.str()) << c.multiple;
    }
}

TEST_F(RoomDialogTest, CadButtonsByTheChosenProgram)
{
    const struct
    {
        int cad;
        int shown;
    } cases[] = {{120, 0}, {121, 3}};
    for (const auto& c : cases)
    {
        AppSettings::Get().ProCAD = c.cad;
        int shown = 0;
        CString length;
        Edit([&](CDialog& d) {
            for (int id = IDC_ROOM_CAD_NUMBER; id <= IDC_ROOM_CAD_DOORS; ++id)
                shown += d.GetDlgItem(id)->IsWindowVisible() ? 1 : 0;
            if (c.cad != 120)
            {
                d.SetDlgItemText(IDC_ROOM_LENGTH, "5000");
                UiTest::Click(d.GetDlgItem(IDC_ROOM_CAD_LENGTH)); // no CAD program runs
                length = Text(d, IDC_ROOM_LENGTH);
            }
            d.SetDlgItemText(IDC_ROOM_NUMBER, "");
        });
        EXPECT_EQ(c.shown, shown) << c.cad;
        if (c.cad != 120)
            EXPECT_TRUE(length.IsEmpty());
    }
}

TEST_F(RoomDialogTest, TiFromTheRoomTemperaturePicker)
{
    const CString savedData = AppSettings::Get().PathData;
    AppSettings::Get().PathData = KALVENROD_BIN_DIR;
    const struct
    {
        int buildingType;
        int answer; // of the picker
        const char* ti; // in the room dialog afterwards
        bool okShownAtFirst;
    } cases[] = {{1, IDOK, "20", false}, {1, IDCANCEL, "18", false}, {0, IDOK, "18", false}};
    for (const auto& c : cases)
    {
        m_model->Header.buildingType = c.buildingType;
        Room().Ti = 18;
        bool okShown = true, okShownAfterChoice = false;
        ScriptedAnswers::OnDialog(IDD_ROOM_TE, [&](CDialog& picker) {
            okShown = picker.GetDlgItem(IDOK)->IsWindowVisible();
            auto* types = static_cast<CComboBox*>(picker.GetDlgItem(IDC_ROOMTE_TYPE));
            if (types->GetCount() > 0)
            {
                types->SetCurSel(0);
                picker.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROOMTE_TYPE, CBN_CLOSEUP), 0);
                okShownAfterChoice = picker.GetDlgItem(IDOK)->IsWindowVisible();
            }
            if (c.answer == IDOK)
                UiTest::Click(picker.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        CString ti;
        Edit([&](CDialog& d) {
            UiTest::Click(d.GetDlgItem(IDC_ROOM_PICK_TI));
            ti = Text(d, IDC_ROOM_TI);
            d.SetDlgItemText(IDC_ROOM_NUMBER, "");
        });
        EXPECT_EQ(c.ti, ti.str()) << c.buildingType << " " << c.answer;
        EXPECT_EQ(c.okShownAtFirst, okShown);
        EXPECT_EQ(c.buildingType == 1, okShownAfterChoice);
    }
    AppSettings::Get().PathData = savedData;
}

// A picture for a person to look at: build/tests/heatloss-input-dialogs/dialog-131.png.
TEST_F(RoomDialogTest, Picture)
{
    auto& room = Room();
    room.number = "1.02";
    room.name = "Kuchyň";
    room.length = 5000;
    room.width = 4000;
    room.height = 2600;
    room.Ti = 20;
    room.doors = 1;
    room.airExchange = 26;
    room.orientation = "J";
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-input-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    CRoom dialog(*m_model);
    EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-131.png"));
    const CString savedData = AppSettings::Get().PathData;
    AppSettings::Get().PathData = KALVENROD_BIN_DIR;
    CRoom_Te picker(1);
    EXPECT_TRUE(DialogShot::Render(picker, folder + "/dialog-151.png"));
    AppSettings::Get().PathData = savedData;
}
} // namespace
