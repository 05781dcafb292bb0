// The SQL texts the programs run on the data workbooks name columns by their visible names;
// against the stored names of the generated sheets they translate as the library needs.
#include "GeneratedWorkbooks.h"
#include "datalib/DataRules.h"

#include <gtest/gtest.h>

namespace
{

struct QueryForm
{
    const char* folder;
    const char* sheet;
    const char* visibleSql;
    const char* storedSql;
};

const QueryForm kQueryForms[] = {
    {"ZVK-9001", "Data", "SELECT * FROM [Data$] WHERE [Věta] IN (4,7,9)",
     "SELECT * FROM [Data$] WHERE [Věta;0] IN (4,7,9)"},
    {"ZVK-9001", "Data", "SELECT * FROM [Data$] WHERE [Věta] IN (14,15,72)",
     "SELECT * FROM [Data$] WHERE [Věta;0] IN (14,15,72)"},
    {"ZVK-9001", "Data", "SELECT * FROM [Data$] WHERE [Věta] IN (102,203,204,205,206,207,209,212,213)",
     "SELECT * FROM [Data$] WHERE [Věta;0] IN (102,203,204,205,206,207,209,212,213)"},
    {"ZVK-9001", "Data", "SELECT * FROM [Data$] WHERE [Věta]=1054",
     "SELECT * FROM [Data$] WHERE [Věta;0]=1054"},
    {"ZVK-9001", "Data", "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*PPPPP*'",
     "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*PPPPP*'"},
    {"ZVK-9005", "Data", "SELECT * FROM [Data$] WHERE [Typ]='Nopová deska 30' AND [Název]='x'",
     "SELECT * FROM [Data$] WHERE [Typ]='Nopová deska 30' AND [Název]='x'"},
    {"MekrData", "Mekr_USkP",
     "SELECT * FROM [Mekr_USkP$] WHERE [Pořadí]=0 AND [Odkaz] IN (SELECT [Odkaz] FROM [Mekr_USkP$] WHERE "
     "[Kód položky]='9001-0014')",
     "SELECT * FROM [Mekr_USkP$] WHERE [Pořadí;0]=0 AND [Odkaz] IN (SELECT [Odkaz] FROM [Mekr_USkP$] WHERE "
     "[Kód položky]='9001-0014')"},
    {"MekrData", "Mekr_USkP",
     "SELECT * FROM [Mekr_USkP$] WHERE [Odkaz]='20240115090000' AND [Pořadí]>0 ORDER BY [Pořadí] ASC",
     "SELECT * FROM [Mekr_USkP$] WHERE [Odkaz]='20240115090000' AND [Pořadí;0]>0 ORDER BY [Pořadí;0] ASC"},
    {"MekrData", "Mekr_MaPa", "SELECT * FROM [Mekr_MaPa$] WHERE [Objemová hmotnost]>0 ORDER BY [Položka]",
     "SELECT * FROM [Mekr_MaPa$] WHERE [Objemová hmotnost;0]>0 ORDER BY [Položka]"},
    {"MekrData", "Mekr_StK", "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'",
     "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'"},
    {"MekrData", "Mekr_kUsr", "SELECT * FROM [Mekr_kUsr$] WHERE [Odkaz]='-1'",
     "SELECT * FROM [Mekr_kUsr$] WHERE [Odkaz]='-1'"},
    {"MekrData", "Mekr_PoUp", "SELECT * FROM [Mekr_PoUp$] WHERE [typ krytiny]='Koberec tenký 7 mm'",
     "SELECT * FROM [Mekr_PoUp$] WHERE [typ krytiny]='Koberec tenký 7 mm'"},
    {"ZVK-VYROBCI", "Trubky", "SELECT * FROM [Trubky$] WHERE [Výrobce otopných trubek]='Vlnotherm s.r.o.'",
     "SELECT * FROM [Trubky$] WHERE [Výrobce otopných trubek]='Vlnotherm s.r.o.'"},
};

TEST(DataQueryFormsTest, VisibleColumnNamesResolveToTheStoredOnes)
{
    for (const QueryForm& form : kQueryForms)
    {
        SCOPED_TRACE(form.visibleSql);
        const SheetTable table(Generated(form.folder), form.sheet);
        const auto lookup = [&table](const CString& visible, CString& stored)
        {
            for (int c = 0; c < table.ColumnCount(); ++c)
            {
                const CString name(table.FieldName(c));
                if (DataRules::SplitStoredName(name, ';').visible == visible)
                {
                    stored = name;
                    return true;
                }
            }
            return false;
        };
        const CString sheetName(std::string(form.sheet) + "$");
        EXPECT_EQ(DataRules::TranslateColumnNames(form.visibleSql, sheetName, lookup).str(), form.storedSql);
    }
}

} // namespace
