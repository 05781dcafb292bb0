#include "heatloss/dialogs/CDataGridDialog.h"

#include "InputDialogFixture.h"

#include "../../tests/TestProjects.h"
#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "datalib/CData.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/UserLocale.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
// The project template's "SeznamV$" (its building row) with the rows after the builder's
// building row appended; the program's model is emptied first.
class DataGridDialogTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_project = CString(m_folder.filePath("Projekt.XLS").toStdString());
        const QString source = QString::fromUtf8(KALVENROD_BIN_DIR) + "/MekrOrig.xls";
        ASSERT_TRUE(QFile::copy(source, QString::fromStdString(m_project.str())));
        QFile::setPermissions(QString::fromStdString(m_project.str()), QFile::ReadOwner | QFile::WriteOwner);
        m_savedPath = AppSettings::Get().PathBase;
        AppSettings::Get().PathBase = m_project;
        ProjectModel::Instance().Reset("");
    }
    void TearDown() override
    {
        AppSettings::Get().PathBase = m_savedPath;
        InputDialogFixture::TearDown();
    }
    void Append(const SheetRows& rows)
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamV$", "", 0));
        const auto& all = rows.Sheet().rows;
        for (size_t r = 1; r < all.size(); ++r)
        {
            ASSERT_TRUE(data.AddRow());
            for (int c = 0; c < InputSheet::ColumnCount; ++c)
                if (!all[r][c].IsEmpty())
                    data.SetStringValue(c, all[r][c], data.m_nRecordCount - 1);
        }
        data.CloseTable();
        data.Close();
    }
    // Runs the dialog: actions, then "&OK" (or what the actions chose by ending it).
    int Run(CDataGridDialog& dialog, const std::function<void(CDataGridDialog&)>& actions, int end = IDOK)
    {
        ScriptedAnswers::OnDialog(IDD_DATA_GRID, [&, end](CDialog& d) {
            actions(dialog);
            UiTest::Click(d.GetDlgItem(end));
            return IDCANCEL;
        });
        return int(dialog.DoModal());
    }
    static void RightClick(CDataGridDialog& dialog, int row)
    {
        GridNotify notify;
        notify.iRow = row;
        LRESULT result = 0;
        dialog.OnGridRClick(&notify.hdr, &result);
    }
    static void DoubleClick(CDataGridDialog& dialog, int row)
    {
        GridNotify notify;
        notify.iRow = row;
        LRESULT result = 0;
        dialog.OnGridDblClick(&notify.hdr, &result);
    }
    static std::string Cell(CDataGridDialog& dialog, int row, InputSheet::Column column)
    {
        return dialog.m_Grid.GetItemText(row, column + 1).str();
    }
    std::string ReadBack() const
    {
        return RunPython(R"(
import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name("SeznamV")
for r in range(1, sheet.nrows):
    print("|".join(str(c.value) for c in sheet.row(r)))
)",
                         {QString::fromStdString(m_project.str())});
    }

    QTemporaryDir m_folder;
    CString m_project;
    CString m_savedPath;
};

ProjectModel& Model() { return ProjectModel::Instance(); }

void EnterRoom(const char* number, const char* name)
{
    auto& room = Model().Rooms[Model().Cursor.room];
    room.number = number;
    room.name = name;
    room.Ti = 20;
    room.length = 5000;
    room.width = 4000;
    room.height = 2600;
    room.doors = 1;
    room.airExchange = 10;
    room.orientation = "J";
}

TEST_F(DataGridDialogTest, RoadFromAnEmptyProjectToTheStoredSheet)
{
    CDataGridDialog dialog;
    std::vector<std::pair<double, double>> wallDefaults;
    dialog.m_editRoom = [] {
        EnterRoom(Model().Cursor.room == 1 ? "1.01" : "1.02", Model().Cursor.room == 1 ? "Obývák" : "Kuchyň");
        return 1;
    };
    dialog.m_editWall = [&](double length, double width, double height) {
        auto& wall = Model().Walls.At(Model().Cursor.room, Model().Cursor.wall);
        EXPECT_EQ(5000.0, length);
        wallDefaults.emplace_back(wall.length, wall.height);
        const bool outer = Model().Cursor.wall == 1;
        wall.code = outer ? "SO " : "SN ";
        wall.temperatureDifference = outer ? 35 : 5;
        wall.U = outer ? 0.3 : 1.5;
        return 1;
    };
    dialog.m_editOpening = [] {
        auto& opening = Model().Openings.At(Model().Cursor.room, Model().Cursor.wall, Model().Cursor.opening);
        opening.code = "OJ ";
        opening.length = opening.height = 1500;
        opening.count = 2;
        opening.U = 1.2;
        opening.i = 1.4;
        opening.jointLength = 6000;
        return 1;
    };
    const int result = Run(dialog, [&](CDataGridDialog& d) {
        RightClick(d, 1); // room 1.01 at row 2
        RightClick(d, 2); // wall SO at row 3
        RightClick(d, 2); // wall SN at row 4
        RightClick(d, 3); // an opening of SO, before SN
        ASSERT_EQ(6, d.m_Grid.GetRowCount());
        EXPECT_EQ("OJ ", Cell(d, 4, InputSheet::Name));
        EXPECT_EQ("SN ", Cell(d, 5, InputSheet::Name));
        RightClick(d, 1); // room 1.02 at row 6
        RightClick(d, 6); // its wall at row 7
        EXPECT_EQ(3, Model().Rooms.count);
        EXPECT_EQ("7", d.m_Grid.GetItemText(7, 0).str());

        d.m_Grid.SetSelectedRange(6, 0, 6, 14);
        ScriptedAnswers::AnswerBox(IDYES);
        d.m_Grid.SetFocus();
        UiTest::PressKey(VK_DELETE);
        UiTest::ProcessEvents();
        EXPECT_EQ(6, d.m_Grid.GetRowCount());
        EXPECT_EQ(2, Model().Rooms.count) << "the model follows the deletion";

        d.m_editWall = [](double, double, double) {
            Model().Walls.At(Model().Cursor.room, Model().Cursor.wall).length = 5000;
            return 1;
        };
        DoubleClick(d, 3);
        EXPECT_EQ("5000", Cell(d, 3, InputSheet::Width));
        EXPECT_EQ(GVIS_READONLY, d.m_Grid.GetItemState(3, 5) & GVIS_READONLY);
        EXPECT_EQ(13, d.m_Grid.GetItemImage(3, 1));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((std::vector<std::pair<double, double>>{{4000, 2600}, {4000, 2600}, {4000, 2600}}), wallDefaults);

    EXPECT_EQ("|objekt||||||||||||000000|d2b48c|T|1\n"
              "1.01|Obývák|20|5000|4000|2600|1|10|J|||||000000|f0d800|T|1\n"
              "|SO |||5000|2600||||35|0,3||1|000000|ffffe0||1\n"
              "|OJ |||1500|1500|2||||1,2|1,4|6000|000000|dfffff||1\n"
              "|SN |||4000|2600||||5|1,5||2|000000|ffffe0||1\n",
              ReadBack());

    // Reopened: the same tree, the model as entered.
    Model().Reset("");
    CDataGridDialog reopened;
    Run(reopened, [&](CDataGridDialog& d) {
        ASSERT_EQ(6, d.m_Grid.GetRowCount());
        const int levels[] = {1, 2, 3, 4, 3};
        for (int row = 1; row < 6; ++row)
            EXPECT_EQ(levels[row - 1], d.m_Grid.GetRowLevel(row)) << row;
        EXPECT_EQ("Obývák", Cell(d, 2, InputSheet::Name));
    }, IDCANCEL);
    EXPECT_EQ(2, Model().Rooms.count);
    EXPECT_EQ(3, Model().Rooms[1].wallCount);
    EXPECT_EQ(5000, Model().Walls.At(1, 1).length);
    EXPECT_EQ(2, Model().Openings.At(1, 1, 1).count);
    EXPECT_DOUBLE_EQ(1.5, Model().Walls.At(1, 2).U);
}

TEST_F(DataGridDialogTest, InsertRowsAndSlotCounting)
{
    Append(SheetRows().Room("1", "A").Wall("SO").Wall("SN").Opening("OJ").Room("2", "B").Wall("SO"));
    CDataGridDialog dialog;
    Run(dialog, [&](CDataGridDialog& d) {
        // Rows: 1 B, 2 M, 3 S, 4 S, 5 O, 6 M, 7 S.
        EXPECT_EQ(6, d.FindInsertRow(3, 2)) << "a wall of room 1 goes after wall 2's opening";
        EXPECT_EQ(8, d.FindInsertRow(2, 1)) << "a room is appended";
        EXPECT_EQ(4, d.FindInsertRow(4, 3)) << "an opening of wall 1 goes before wall 2";
        EXPECT_EQ(6, d.FindInsertRow(4, 4)) << "an opening of wall 2 goes after its opening";
        EXPECT_EQ(-1, d.FindInsertRow(2, 0));
        const struct
        {
            int row, room, wall, opening;
        } located[] = {{2, 1, 0, 0}, {4, 1, 2, 0}, {5, 1, 2, 1}, {7, 2, 1, 0}};
        for (const auto& s : located)
        {
            d.LocateOpening(s.row);
            EXPECT_EQ(s.room, Model().Cursor.room) << s.row;
            EXPECT_EQ(s.wall, Model().Cursor.wall) << s.row;
            EXPECT_EQ(s.opening, Model().Cursor.opening) << s.row;
        }
        int edited = -1;
        d.m_editRoom = [&] {
            edited = Model().Cursor.room;
            return 0;
        };
        for (int row : {0, 5, 100})
            RightClick(d, row); // the heading, an opening row, nothing: no dialog
        DoubleClick(d, 1); // the building row
        EXPECT_EQ(8, d.m_Grid.GetRowCount());
        EXPECT_EQ(-1, edited);
        // After room 1 is deleted, room 2 (now row 2) is slot 1 and edits as itself.
        d.m_Grid.SetSelectedRange(2, 0, 2, 14);
        ScriptedAnswers::AnswerBox(IDYES);
        d.m_Grid.SetFocus();
        UiTest::PressKey(VK_DELETE);
        UiTest::ProcessEvents();
        DoubleClick(d, 2);
        EXPECT_EQ(1, edited);
        EXPECT_EQ("B", Model().Rooms[1].name.str());
    }, IDCANCEL);
}

TEST_F(DataGridDialogTest, FullParentsRefuseAnotherElement)
{
    SheetRows rows;
    for (int r = 0; r < 97; ++r)
        rows.Room("x", "pokoj");
    rows.Room("w", "stěny");
    for (int w = 0; w < 18; ++w)
        rows.Wall("SN");
    rows.Wall("SO");
    for (int o = 0; o < 19; ++o)
        rows.Opening("OJ");
    Append(rows);
    CDataGridDialog dialog;
    bool opened = false;
    dialog.m_editRoom = [&] { return opened = true, 1; };
    dialog.m_editWall = [&](double, double, double) { return opened = true, 1; };
    dialog.m_editOpening = [&] { return opened = true, 1; };
    Run(dialog, [&](CDataGridDialog& d) {
        const int rowCount = d.m_Grid.GetRowCount();
        const int wallRoomRow = 1 + 98;
        const int lastWallRow = wallRoomRow + 19;
        const struct
        {
            int row;
            const char* message;
        } cases[] = {{1, "Budova má již 98 místností, další nelze přidat !!"},
                     {wallRoomRow, "Místnost má již 19 stěn, další nelze přidat !!"},
                     {lastWallRow, "Stěna má již 19 otvorů, další nelze přidat !!"}};
        for (const auto& c : cases)
        {
            ScriptedAnswers::ForgetShown();
            RightClick(d, c.row);
            ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size()) << c.row;
            EXPECT_EQ(c.message, ScriptedAnswers::ShownBoxes()[0].text);
            EXPECT_EQ("kalvenrod - upozornění", ScriptedAnswers::ShownBoxes()[0].caption);
            EXPECT_EQ(rowCount, d.m_Grid.GetRowCount());
        }
    }, IDCANCEL);
    EXPECT_FALSE(opened);
    EXPECT_EQ(99, Model().Rooms.count);
}

TEST_F(DataGridDialogTest, OpeningAreaWarning)
{
    // A wall of 4000 × 2500 mm (10.0 m²) with 2 × 1500 × 1000 mm (3.0 m²).
    Append(SheetRows().Room("1", "A").Wall("SO", 4000, 2500).Opening("OJ", 1500, 1000, 2));
    CDataGridDialog dialog;
    dialog.m_editOpening = [] { return 1; };
    Run(dialog, [&](CDataGridDialog& d) {
        DoubleClick(d, 4);
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
        // A second opening of 2000 × 2500 mm: 8.0 m², at least three quarters of the wall.
        d.m_editOpening = [] {
            auto& o = Model().Openings.At(Model().Cursor.room, Model().Cursor.wall, Model().Cursor.opening);
            o.code = "DO ";
            o.length = 2000;
            o.height = 2500;
            o.count = 1;
            return 1;
        };
        RightClick(d, 3);
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty()) << "an addition is not checked";
        d.m_editOpening = [] { return 1; };
        DoubleClick(d, 4);
        ASSERT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
        EXPECT_EQ("Do stěny o ploše 10,0 [m2]\n\nje vkládáno 8,0 [m2] oken !!!", ScriptedAnswers::ShownBoxes()[0].text);
    }, IDCANCEL);
}

TEST_F(DataGridDialogTest, CancelReloadsTheModelAndAFailedLoadStoresNothing)
{
    Append(SheetRows().Room("1", "A"));
    CDataGridDialog dialog;
    dialog.m_editRoom = [] {
        EnterRoom("2", "přidaná");
        return 1;
    };
    EXPECT_EQ(IDCANCEL, Run(dialog, [&](CDataGridDialog& d) {
        RightClick(d, 1);
        EXPECT_EQ(3, Model().Rooms.count);
    }, IDCANCEL));
    EXPECT_EQ(2, Model().Rooms.count);

    CDataGridDialog loadOnly;
    loadOnly.m_bLoadOnly = TRUE;
    EXPECT_EQ(IDCANCEL, loadOnly.DoModal());

    AppSettings::Get().PathBase = CString(m_folder.filePath("chybí.xls").toStdString());
    CDataGridDialog failed;
    bool okEnabled = true;
    Run(failed, [&](CDataGridDialog& d) { okEnabled = d.GetDlgItem(IDOK)->IsWindowEnabled(); }, IDOK);
    EXPECT_FALSE(okEnabled);
    EXPECT_FALSE(QFile::exists(m_folder.filePath("chybí.xls")));
    CDataGridDialog failedLoadOnly;
    failedLoadOnly.m_bLoadOnly = TRUE;
    EXPECT_EQ(IDABORT, failedLoadOnly.DoModal());
}

// Pictures for a person to look at: build/tests/heatloss-input-dialogs/dialog-<id>.png.
TEST_F(DataGridDialogTest, Picture)
{
    Append(SheetRows().Room("1.01", "Obývák").Wall("SO").Opening("OJ").Wall("SN", 4000, 2500, "5", "1.5", 2)
               .Room("1.02", "Kuchyň").Wall("SO"));
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-input-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    CDataGridDialog dialog;
    EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-249.png"));
}

TEST_F(DataGridDialogTest, ARoomEditRewritesItsWallRows)
{
    Append(SheetRows().Room("1", "A").Wall("SO", 4000, 2500, "35").Opening("OJ").Wall("SN", 4000, 2500, "5").Room("2", "B")
               .Wall("SO", 4000, 2500, "35"));
    CDataGridDialog dialog;
    dialog.m_editRoom = [] {
        // As the room dialog does for Ti 20 → 24.
        auto& room = Model().Rooms[Model().Cursor.room];
        for (int w = 1; w < room.wallCount; ++w)
            Model().Walls.At(Model().Cursor.room, w).temperatureDifference += 4;
        room.Ti = 24;
        return 1;
    };
    Run(dialog, [&](CDataGridDialog& d) {
        DoubleClick(d, 2);
        EXPECT_EQ("24", Cell(d, 2, InputSheet::Ti));
        EXPECT_EQ("39", Cell(d, 3, InputSheet::TemperatureDifference));
        EXPECT_EQ("9", Cell(d, 5, InputSheet::TemperatureDifference));
        EXPECT_EQ("2", Cell(d, 5, InputSheet::JointLength)) << "a wall row shows its slot";
        EXPECT_EQ("35", Cell(d, 7, InputSheet::TemperatureDifference)) << "the next room's walls stay";
        // The tree shown down to the rooms hides walls and openings.
        UiTest::Click(d.GetDlgItem(IDC_SHOW_ROOMS));
        EXPECT_FALSE(d.m_Grid.m_TreeColumn.IsTreeRowViewable(3));
        EXPECT_TRUE(d.m_Grid.m_TreeColumn.IsTreeRowViewable(6));
        UiTest::Click(d.GetDlgItem(IDC_SHOW_OPENINGS));
        EXPECT_TRUE(d.m_Grid.m_TreeColumn.IsTreeRowViewable(4));
    }, IDCANCEL);
}
} // namespace
