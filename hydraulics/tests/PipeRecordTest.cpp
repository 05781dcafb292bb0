// The pipe record of a heating circuit, loaded from the maker's catalogue.
#include "HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "hydraulics/CTopnaTrubka.h"
#include "hydraulics/PressureDrop.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

namespace
{
void ExpectDefaults(const CTopnaTrubka& pipe)
{
    EXPECT_EQ(pipe.m_dOuterDiameter, 0.015);
    EXPECT_EQ(pipe.m_dCoatingDiameter, 0.01501);
    EXPECT_EQ(pipe.m_dWallThickness, 0.0015);
    EXPECT_EQ(pipe.m_dPipeConductivity, 0.22);
    EXPECT_EQ(pipe.m_dCoatingConductivity, 0.22);
}

TEST(PipeRecord, NewRecordHasTheDefaultPipe)
{
    CTopnaTrubka pipe;
    EXPECT_EQ(pipe.m_strCode, "9001-0004");
    EXPECT_EQ(PipeIndexFromCode(pipe.m_strCode), 35);
    ExpectDefaults(pipe);
}

class PipeLoadTest : public ::testing::TestWithParam<char>
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::ForgetShown();
        AppendRows(m_catalogue.Path(), "Data$",
                   {{{"Věta", "901"}, {"Průměr trubky", Typed("0.017", GetParam())},
                     {"TepVod trubky", Typed("0.35", GetParam())}}});
        m_oldList = AppSettings::Get().PathList;
        AppSettings::Get().PathList = m_catalogue.Folder();
    }
    void TearDown() override { AppSettings::Get().PathList = m_oldList; }

    ScopedDecimalSeparator m_locale{GetParam()};
    WorkbookCopy m_catalogue{"ZVK-9001.XLS"};
    CString m_oldList;
};

TEST_P(PipeLoadTest, EmptyCellsKeepTheDefaults)
{
    CTopnaTrubka pipe;
    ASSERT_EQ(pipe.LoadFromDatabase("9001-0901"), 1);
    EXPECT_EQ(pipe.m_strCode, "9001-0901");
    EXPECT_DOUBLE_EQ(pipe.m_dOuterDiameter, 0.017);
    EXPECT_DOUBLE_EQ(pipe.m_dPipeConductivity, 0.35);
    EXPECT_EQ(pipe.m_dWallThickness, 0.0015);
    EXPECT_EQ(pipe.m_dCoatingDiameter, 0.01501);
}

TEST_P(PipeLoadTest, SecondLoadStartsFromTheDefaults)
{
    CTopnaTrubka pipe;
    ASSERT_EQ(pipe.LoadFromDatabase("9001-0006"), 1);
    EXPECT_DOUBLE_EQ(pipe.m_dOuterDiameter, 0.018);
    EXPECT_DOUBLE_EQ(pipe.m_dWallThickness, 0.002);
    ASSERT_EQ(pipe.LoadFromDatabase("9001-0777"), 1); // no such row
    EXPECT_EQ(pipe.m_strCode, "9001-0777");
    ExpectDefaults(pipe);
}

TEST_P(PipeLoadTest, MissingCatalogueFailsWithTheOpenersMessage)
{
    CTopnaTrubka pipe;
    pipe.m_dOuterDiameter = 0.03;
    EXPECT_EQ(pipe.LoadFromDatabase("9333-0004"), 0);
    EXPECT_EQ(pipe.m_strCode, "9333-0004");
    ExpectDefaults(pipe);
    bool shown = false;
    for (const auto& box : ScriptedAnswers::ShownBoxes())
        shown = shown || box.text.Find("ZVK-9333.XLS") >= 0;
    EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(Locales, PipeLoadTest, ::testing::Values('.', ','));
} // namespace
