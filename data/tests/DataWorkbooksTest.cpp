// Every generated workbook holds exactly its data files: sheets in order, field names,
// and every cell with the type its column declares.
#include "GeneratedWorkbooks.h"

#include <gtest/gtest.h>

namespace
{

class GeneratedWorkbookTest : public testing::TestWithParam<std::string>
{
};

TEST_P(GeneratedWorkbookTest, HoldsItsDataFilesCellByCell)
{
    const datagen::WorkbookManifest manifest = LoadManifest(GetParam());
    const workbook::Workbook book = workbook::ReadWorkbook(GeneratedPath(manifest));
    ASSERT_EQ(book.SheetCount(), static_cast<int>(manifest.Sheets().size()));
    for (int s = 0; s < book.SheetCount(); ++s)
    {
        const datagen::WorkbookManifest::SheetEntry& entry = manifest.Sheets()[s];
        const workbook::Worksheet& sheet = book.Sheet(s);
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(sheet.Name(), entry.name);
        const datagen::DataSheetFile data = datagen::DataSheetFile::Load(entry.dataFile);
        const int columns = static_cast<int>(data.FieldNames().size());
        EXPECT_EQ(sheet.ColumnEnd(), columns);
        EXPECT_EQ(sheet.RowEnd(), static_cast<int>(data.Rows().size()) + 1);
        for (int c = 0; c < columns; ++c)
            EXPECT_EQ(sheet.TextAt(0, c), data.FieldNames()[c]);
        for (int r = 0; r < static_cast<int>(data.Rows().size()); ++r)
            for (int c = 0; c < columns; ++c)
            {
                const std::string& field = data.Rows()[r][c];
                const workbook::Cell& cell = sheet.At(r + 1, c);
                SCOPED_TRACE(data.FieldNames()[c] + " row " + std::to_string(r));
                if (field.empty())
                    EXPECT_TRUE(cell.IsEmpty());
                else if (data.ColumnTypes()[c] == datagen::ColumnType::Number)
                {
                    ASSERT_EQ(cell.kind, workbook::CellKind::Number);
                    EXPECT_DOUBLE_EQ(cell.number, datagen::DataSheetFile::ParseNumber(field));
                }
                else
                {
                    ASSERT_EQ(cell.kind, workbook::CellKind::Text);
                    EXPECT_EQ(sheet.TextOf(cell), field);
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWorkbooks, GeneratedWorkbookTest, testing::ValuesIn(DataFolders()),
                         [](const testing::TestParamInfo<std::string>& info)
                         {
                             std::string name;
                             for (char ch : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(ch)))
                                     name += ch;
                             return name;
                         });

TEST(DataSheetFileTest, RejectsRowsOfTheWrongWidthAndNonNumbers)
{
    EXPECT_THROW(datagen::DataSheetFile::ParseNumber("1,5"), std::runtime_error);
    EXPECT_THROW(datagen::DataSheetFile::ParseNumber(""), std::runtime_error);
    EXPECT_DOUBLE_EQ(datagen::DataSheetFile::ParseNumber("-12"), -12.0);
    EXPECT_DOUBLE_EQ(datagen::DataSheetFile::ParseNumber("0.0077"), 0.0077);
    EXPECT_EQ(datagen::SplitAtTabs("a\t\tb").size(), 3u);
    EXPECT_EQ(datagen::SplitAtTabs("").size(), 1u);
}

} // namespace
