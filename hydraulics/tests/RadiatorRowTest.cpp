// The radiator row of "SeznamM$", in a point and a comma locale.
#include "HydraulicsFixtures.h"

#include "datalib/CData.h"
#include "hydraulics/COtopneTeleso.h"

#include <gtest/gtest.h>

namespace
{
class RadiatorRowTest : public ::testing::TestWithParam<char>
{
protected:
    CString Typed(const char* text) const { return ::Typed(text, GetParam()); }
    ScopedDecimalSeparator m_locale{GetParam()};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_P(RadiatorRowTest, WrittenRowReadsBack)
{
    COtopneTeleso radiator;
    radiator.m_strRoomNumber = "1.01";
    radiator.m_strCatalogueKey = "9005-0012";
    radiator.m_strCount = "2";
    radiator.m_nSections = 12;
    radiator.m_dRoom = 22.5;
    radiator.m_dConnectionFactor = 0.85;
    radiator.m_dCoveringFactor = 0.0; // reads back as 1.0
    radiator.m_dTemperatureFactor = 0.4698;
    radiator.m_dPlacementFactor = 0.95;
    radiator.m_dCoverFactor = 0.87;
    radiator.m_dRoomLoss = 1234.56;
    radiator.m_dOutput = 987.66;
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        radiator.WriteRow(&data, 7);
        data.CloseTable();
        data.Close();
    }
    const auto rows = ReadSheet(m_project.Path(), "SeznamM$");
    ASSERT_EQ(rows.size(), 2u);
    const std::vector<std::pair<CString, CString>> expected = {
        {"Číslo                Místnosti", "1.01"},
        {"TeplotaM", Typed("22.5")},
        {"ZtrátaM", Typed("1234.56")}, // the loss and the output with every digit
        {"Vytápění", Typed("987.66")},
        {"PočetT", "2"},
        {"VětaT", "9005-0012"},
        {"PočetČl", "12"},
        {"Podlahové     Vytápění", "Ne"},
        {"R krytiny", Typed("0.000")},
        {"R RoznášVrstvy", Typed("0.850")},
        {"R izolace", Typed("0.870")},
        {"R stropu", Typed("0.950")},
        {"R omítky", Typed("0.470")},
        {"Q_TELE_SKUT", Typed("987.66")},
        {"TYP_ZAZNAMU", "3"},
        {"Format", "000000|e6e6fa||1"},
    };
    EXPECT_EQ(rows[1], expected);

    CData data;
    ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    COtopneTeleso back;
    back.ReadRow(&data, 1);
    EXPECT_EQ(back.m_strRoomNumber, "1.01");
    EXPECT_EQ(back.m_strCatalogueKey, "9005-0012");
    EXPECT_EQ(back.m_strCount, "2");
    EXPECT_EQ(back.m_strFormat, "000000|e6e6fa||1");
    EXPECT_EQ(back.m_nSections, 12);
    EXPECT_DOUBLE_EQ(back.m_dRoom, 22.5);
    EXPECT_EQ(back.m_dRoomLoss, 1234.56);
    EXPECT_EQ(back.m_dOutput, 987.66);
    EXPECT_DOUBLE_EQ(back.m_dCoveringFactor, 1.0);
    EXPECT_DOUBLE_EQ(back.m_dConnectionFactor, 0.85);
    EXPECT_DOUBLE_EQ(back.m_dCoverFactor, 0.87);
    EXPECT_DOUBLE_EQ(back.m_dPlacementFactor, 0.95);
    EXPECT_DOUBLE_EQ(back.m_dTemperatureFactor, 0.47);
    EXPECT_EQ(back.m_pData, &data);
    EXPECT_EQ(back.m_nRow, 1);
    data.CloseTable();
    data.Close();
}

TEST_P(RadiatorRowTest, ValuesNotAboveZeroReadAsDefaults)
{
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"TYP_ZAZNAMU", "3"}, {"R omítky", "0.000"}, {"PočetČl", "x"}},
                {{"TYP_ZAZNAMU", "3"}, {"TeplotaM", "-5"}, {"R stropu", "abc"}, {"ZtrátaM", "-3"}},
                {{"TYP_ZAZNAMU", "3"}, {"TeplotaM", "1e999"}, {"Vytápění", "850"}, {"Q_TELE_SKUT", "999"}}});
    CData data;
    ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    for (int row = 1; row <= 3; ++row)
    {
        COtopneTeleso radiator;
        radiator.m_dSupply = 60.0; // fields without a column keep their values
        radiator.ReadRow(&data, row);
        EXPECT_DOUBLE_EQ(radiator.m_dRoom, 20.0) << row;
        EXPECT_DOUBLE_EQ(radiator.m_dTemperatureFactor, 1.0) << row;
        EXPECT_DOUBLE_EQ(radiator.m_dPlacementFactor, 1.0) << row;
        EXPECT_DOUBLE_EQ(radiator.m_dRoomLoss, 0.0) << row;
        EXPECT_DOUBLE_EQ(radiator.m_dOutput, row == 3 ? 850.0 : 0.0) << row;
        EXPECT_EQ(radiator.m_nSections, 0) << row;
        EXPECT_DOUBLE_EQ(radiator.m_dSupply, 60.0);
    }
    data.CloseTable();
    data.Close();
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, RadiatorRowTest, ::testing::Values('.', ','));
} // namespace
