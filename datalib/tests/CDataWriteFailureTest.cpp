// Writes that cannot reach the file: the caller learns it from Flush and the error state,
// the file stays as it was, and a copy that fails leaves no half of itself behind.
#include "Fixtures.h"
#include "datalib/CData.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{
struct WriteFailure
{
    const char* name;
    // Breaks the place after the change was made; false when the machine cannot do it.
    std::function<bool(SmallFolder& place, const FixtureFolder& fixtures, const CString& path)> breakPlace;
    int errorCode;
};

void PrintTo(const WriteFailure& failure, std::ostream* out)
{
    *out << failure.name;
}

const std::vector<WriteFailure>& WriteFailures()
{
    static const std::vector<WriteFailure> cases = {
        {"ReadOnlyFolder", [](SmallFolder& place, const FixtureFolder&, const CString&) { return place.MakeReadOnly(); },
         3043},
        {"ReplacedByAnotherProgram",
         [](SmallFolder&, const FixtureFolder& fixtures, const CString& path)
         {
             const CString theirs = fixtures.WorkbookWithEmptySheet("Jejich.xls");
             std::filesystem::copy_file(theirs.str(), path.str() + ".nový");
             std::filesystem::rename(path.str() + ".nový", path.str());
             return true;
         },
         3197},
        {"FullDisk",
         [](SmallFolder& place, const FixtureFolder&, const CString&)
         {
             if (!place.Mounted())
                 return false;
             place.Fill();
             return true;
         },
         3043},
    };
    return cases;
}

class FailedWrite : public testing::TestWithParam<WriteFailure>
{
};
} // namespace

TEST_P(FailedWrite, FlushGivesZeroAndKeepsTheFile)
{
    FixtureFolder fixtures;
    SmallFolder place;
    const CString path = place.Path("Projekt.xls");
    CData data;
    ASSERT_NO_FATAL_FAILURE(OpenWithAChange(fixtures, path, data));
    if (!GetParam().breakPlace(place, fixtures, path))
        GTEST_SKIP() << "this machine cannot make the place fail";
    const std::string before = FileBytes(path);

    EXPECT_EQ(data.Flush(), 0);
    EXPECT_EQ(data.GetErrorCode(), GetParam().errorCode);
    EXPECT_FALSE(data.GetErrorText().IsEmpty());
    EXPECT_TRUE(FileBytes(path) == before) << FileBytes(path).size() << " bytes, before " << before.size();
    data.Close();
    EXPECT_TRUE(FileBytes(path) == before) << FileBytes(path).size() << " bytes, before " << before.size();
}

INSTANTIATE_TEST_SUITE_P(Places, FailedWrite, testing::ValuesIn(WriteFailures()),
                         [](const testing::TestParamInfo<WriteFailure>& info) { return info.param.name; });

TEST(Flush, WritesNowAndAFailedWriteWaitsForTheNext)
{
    FixtureFolder fixtures;
    SmallFolder place;
    if (!place.Mounted())
        GTEST_SKIP() << "this machine cannot mount a small file system";
    const CString path = place.Path("Projekt.xls");
    CData data;
    ASSERT_NO_FATAL_FAILURE(OpenWithAChange(fixtures, path, data));
    place.Fill();
    EXPECT_EQ(data.Flush(), 0);
    place.Empty();
    EXPECT_EQ(data.Flush(), 1);
    EXPECT_EQ(data.GetErrorCode(), 0);

    // Another object finds the change in the file while the first is still open.
    const std::string written = FileBytes(path);
    data.Close();
    EXPECT_TRUE(FileBytes(path) == written);
    CData reader;
    CString text;
    ASSERT_TRUE(reader.Open(path, "Excel 8.0", 0, 1));
    ASSERT_TRUE(reader.OpenTable("SeznamM$", "", 0));
    EXPECT_TRUE(reader.GetStringValue("Poznámka", text, 1, -1, 0));
    EXPECT_EQ(text, "změna");
}

TEST(Flush, NeedsAnOpenDatabaseAndWritesADatabaseFile)
{
    FixtureFolder fixtures;
    CData data;
    EXPECT_EQ(data.Flush(), 0);
    ASSERT_TRUE(data.Create(fixtures.Path("Katalog.mdb"), ""));
    data.AddColBeforeCreateTable("Název", dbText, 50, -2);
    ASSERT_TRUE(data.CreateTable("Seznam"));
    ASSERT_TRUE(data.AddRow());
    ASSERT_TRUE(data.SetStringValue("Název", "Deska", -1, 0));
    EXPECT_EQ(data.Flush(), 1);
}

TEST(ErrorState, FindTellsNothingFoundFromAFailure)
{
    FixtureFolder fixtures;
    CData data;
    EXPECT_FALSE(data.Open(fixtures.Path("Chybí.xls"), "Excel 8.0", 0, 0));
    EXPECT_EQ(data.GetErrorCode(), 3024);
    data.ClearError();
    EXPECT_EQ(data.GetErrorCode(), 0);
    EXPECT_TRUE(data.GetErrorText().IsEmpty());

    ASSERT_TRUE(data.Open(fixtures.ProjectWorkbook(), "Excel 8.0", 0, 0));
    EXPECT_FALSE(data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE", 0));
    EXPECT_NE(data.GetErrorCode(), 0);
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    // A search that finds nothing is no failure.
    EXPECT_FALSE(data.Find(10, "[Číslo]='999'", 0));
    EXPECT_EQ(data.GetErrorCode(), 0);
}

TEST(FailedCopy, LeavesAnExistingTargetAsItWas)
{
    FixtureFolder fixtures;
    const CString source = fixtures.ProjectWorkbook();
    // The target already holds the source's second sheet: the copy fails after the first.
    const CString target = fixtures.Path("Cíl.xls");
    {
        CData make;
        ASSERT_TRUE(make.Create(target, "Excel 8.0"));
        make.AddColBeforeCreateTable("Název", dbText, 50, -2);
        ASSERT_TRUE(make.CreateTable("SeznamM"));
    }
    const std::string before = FileBytes(target);
    CData data;
    ASSERT_TRUE(data.Open(source, "Excel 8.0", 0, 0));
    ASSERT_EQ(data.m_aTableNames[0], "DataAkce$");
    EXPECT_EQ(data.Copy(target, -1), 0);
    EXPECT_EQ(data.GetErrorCode(), 3010);
    EXPECT_TRUE(FileBytes(target) == before);
    EXPECT_TRUE(data.IsOpen());
}

TEST(FailedCopy, LeavesNoTargetOnAFullDisk)
{
    FixtureFolder fixtures;
    SmallFolder place;
    if (!place.Mounted())
        GTEST_SKIP() << "this machine cannot mount a small file system";
    place.Fill();
    for (const char* type : {"Excel 8.0", "Access"})
    {
        SCOPED_TRACE(type);
        CData data;
        if (CString(type) == "Access")
        {
            ASSERT_TRUE(data.Create(fixtures.Path("Katalog.mdb"), ""));
            data.AddColBeforeCreateTable("Název", dbText, 255, -2);
            ASSERT_TRUE(data.CreateTable("Seznam"));
            for (int r = 0; r < 200; ++r)
                ASSERT_TRUE(data.AddRow() && data.SetStringValue(0, CString(std::string(200, 'x')), -1));
            data.CloseTable();
        }
        else
            ASSERT_TRUE(data.Open(fixtures.ProjectWorkbook(), type, 0, 0));
        const CString target = place.Path(CString(type) == "Access" ? "Kopie.mdb" : "Kopie.xls");
        EXPECT_EQ(data.Copy(target, -1), 0);
        EXPECT_FALSE(std::filesystem::exists(target.str()));
        EXPECT_NE(data.GetErrorCode(), 0);
    }
}
