#include "TestProjects.h"

#include "common/AppSettings.h"
#include "heatloss/ElementRowTexts.h"
#include "heatloss/InputSheetLoader.h"
#include "heatloss/InputSheetStore.h"
#include "platform/core/UserLocale.h"
#include "platform/dao/tests/DebianPython.h"
#include "testing/ScriptedAnswers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{
// Every cell of the sheet as xlrd reads it: one line a row, cells joined by "|"; a number
// cell as repr of its float.
const char* kReadSheet = R"(
import sys, xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name(sys.argv[2])
for r in range(sheet.nrows):
    print("|".join(c.value if c.ctype == xlrd.XL_CELL_TEXT else ("" if c.ctype == xlrd.XL_CELL_EMPTY else repr(c.value)) for c in sheet.row(r)))
)";

const char* kWriteProject = R"(
import sys, xlwt
book = xlwt.Workbook(encoding="utf-8")
book.add_sheet("DataAkce").write(0, 0, "PROG_VER")
if len(sys.argv) > 2:
    rows = book.add_sheet("SeznamV")
    for c, name in enumerate(sys.argv[2:]):
        rows.write(0, c, name)
    rows.write(1, 1, "Budova")
    for c, text in enumerate(["1.01", "Stará", "20", "5000"]):
        rows.write(2, c, text)
book.save(sys.argv[1])
)";

class InputSheetStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        UserLocale::SetCurrent(UserLocale::Czech());
        m_savedPath = AppSettings::Get().PathBase;
        AppSettings::Get().PathBase = CString(Project());
        WriteProject(true);
    }
    void TearDown() override
    {
        AppSettings::Get().PathBase = m_savedPath;
        UserLocale::ResetToSystem();
        ScriptedAnswers::Reset();
    }
    std::string Project() const { return m_folder.Path("Dům.XLS"); }
    // A project workbook with the header sheet and, when withInput, the input sheet with
    // its columns, the building row and an old room.
    void WriteProject(bool withInput) const
    {
        QStringList args{QString::fromStdString(Project())};
        if (withInput)
            for (int column = 0; column < InputSheet::ColumnCount; ++column)
                args << QString::fromStdString(InputSheet::ColumnName(InputSheet::Column(column)).str());
        RunPython(kWriteProject, args);
    }
    std::string ReadBack(const char* sheet = "SeznamV") const
    {
        return RunPython(kReadSheet, {QString::fromStdString(Project()), sheet});
    }
    static std::vector<InputSheetTexts> TextsOf(const std::vector<InputSheet::Row>& rows)
    {
        std::vector<InputSheetTexts> texts;
        for (const InputSheet::Row& row : rows)
            texts.emplace_back(row.begin(), row.end());
        return texts;
    }

    TempFolder m_folder;
    CString m_savedPath;
};

TEST_F(InputSheetStore, WritesEveryRowInOrderAndReadsBackAsTheModel)
{
    auto project = TwoRoomProject();
    std::vector<InputSheet::Row> rows(1);
    rows[0][InputSheet::Name] = "Budova";
    for (int room = 1; room < project->Rooms.count; ++room)
    {
        rows.push_back(RoomRowTexts(*project, room));
        for (int wall = 1; wall < project->Rooms[room].wallCount; ++wall)
        {
            rows.push_back(WallRowTexts(*project, room, wall));
            for (int opening = 1; opening < project->Walls.At(room, wall).openingCount; ++opening)
                rows.push_back(OpeningRowTexts(*project, room, wall, opening));
        }
    }
    ASSERT_EQ(1, SaveInputSheet(TextsOf(rows)));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());

    std::string expected;
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
        expected += (column ? "|" : "") + InputSheet::ColumnName(InputSheet::Column(column)).str();
    expected += "\n";
    for (const InputSheet::Row& row : rows)
    {
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
            expected += (column ? "|" : "") + row[column].str();
        expected += "\n";
    }
    EXPECT_EQ(expected, ReadBack());
    EXPECT_NE(std::string::npos, expected.find("|0,3|")) << "U in the user's notation";

    ProjectModel reopened;
    ASSERT_TRUE(LoadInputSheet(CString(Project()), reopened).IsEmpty());
    ASSERT_EQ(project->Rooms.count, reopened.Rooms.count);
    EXPECT_EQ(project->Walls.At(2, 2).U, reopened.Walls.At(2, 2).U);
    EXPECT_EQ(project->Openings.At(2, 2, 1).count, reopened.Openings.At(2, 2, 1).count);
    EXPECT_EQ(project->Walls.At(1, 1).openingCount, reopened.Walls.At(1, 1).openingCount);
}

TEST_F(InputSheetStore, BuildingRowOnlyLeavesOneRow)
{
    std::vector<InputSheetTexts> rows{InputSheetTexts(InputSheet::ColumnCount)};
    rows[0][InputSheet::Name] = "Objekt";
    ASSERT_EQ(1, SaveInputSheet(rows));
    const std::string sheet = ReadBack();
    EXPECT_EQ(sheet.substr(sheet.find('\n') + 1), "|Objekt||||||||||||\n");
}

TEST_F(InputSheetStore, FailuresWriteNothingAndSay)
{
    const auto bytes = [this]
    {
        QFile file(QString::fromStdString(Project()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const std::vector<InputSheetTexts> rows{InputSheetTexts(InputSheet::ColumnCount)};

    // A workbook without the sheet.
    WriteProject(false);
    const QByteArray before = bytes();
    EXPECT_EQ(0, SaveInputSheet(rows));
    EXPECT_EQ(before, bytes());
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ("Problémy při práci v tabulce SeznamV$", ScriptedAnswers::ShownBoxes().back().text);

    // No project workbook at all.
    AppSettings::Get().PathBase = CString(m_folder.Path("chybí.xls"));
    EXPECT_EQ(0, SaveInputSheet(rows));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(m_folder.Path("chybí.xls"))));
}
} // namespace
