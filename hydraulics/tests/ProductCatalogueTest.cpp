// The product catalogues the build generated, read through their paths and query texts.
#include "HydraulicsFixtures.h"

#include "hydraulics/ProductCatalogue.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <QFile>

namespace
{
class ProductCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::ForgetShown();
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(KALVENROD_BIN_DIR) + "/ZVK-9001.XLS",
                                QString::fromUtf8(m_list.Folder().GetString()) + "/ZVK-9001.XLS"));
    }
    WorkbookCopy m_list{"ZVK-VYROBCI.xls"};
};

TEST(ProductCatalogueTexts, CodesPathsAndQueries)
{
    EXPECT_EQ(ProductCatalogue::ProductCode(9001, 4), "9001-0004");
    EXPECT_EQ(ProductCatalogue::ProductCode(12, 12345), "0012-12345");
    EXPECT_EQ(ProductCatalogue::MakerListPath("/data/ceny"), "/data/ceny/ZVK-VYROBCI.xls");
    EXPECT_EQ(ProductCatalogue::CataloguePath("/data/ceny", 9001), "/data/ceny/ZVK-9001.XLS");
    EXPECT_EQ(ProductCatalogue::CataloguePath("/data/ceny", 5), "/data/ceny/ZVK-0005.XLS");
    EXPECT_EQ(ProductCatalogue::ByRecord("Data$", "Věta", 203), "SELECT * FROM [Data$] WHERE [Věta]=203");
    EXPECT_EQ(ProductCatalogue::ByRecordList("Data$", "Věta", "4,7,9"),
              "SELECT * FROM [Data$] WHERE [Věta] IN (4,7,9)");
    EXPECT_EQ(ProductCatalogue::Containing("Data$", "Dodat_volba", "O'B"),
              "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*O''B*'");
    EXPECT_EQ(ProductCatalogue::ByTextWithPositive("Data$", "Typ", "a'b", "Cena"),
              "SELECT * FROM [Data$] WHERE [Typ]='a''b' AND [Cena] > 0");
    EXPECT_EQ(ProductCatalogue::ByTwoTexts("Data$", "Typ", "x", "Mj", "m"),
              "SELECT * FROM [Data$] WHERE [Typ]='x' AND [Mj]='m'");
    EXPECT_EQ(ProductCatalogue::ByText("Trubky$", "Výrobce otopných trubek", "Vlnotherm s.r.o."),
              "SELECT * FROM [Trubky$] WHERE [Výrobce otopných trubek]='Vlnotherm s.r.o.'");
}

TEST_F(ProductCatalogueTest, MakerListSkipsRowsWithoutNumber)
{
    AppendRows(m_list.Path(), "Trubky$",
               {{{"Výrobce otopných trubek", "Bez čísla"}}, {{"ČísloDatabáze", "9007"}, {"Výrobce otopných trubek", "O'Brien"}}});
    const auto makers = ProductCatalogue::PipeMakers(m_list.Folder());
    ASSERT_EQ(makers.size(), 3u);
    EXPECT_EQ(makers[0].number, 9001);
    EXPECT_EQ(makers[0].name, "Vlnotherm s.r.o.");
    EXPECT_EQ(makers[0].search, "VLNOTHERM");
    EXPECT_EQ(makers[2].number, 9007);
}

TEST_F(ProductCatalogueTest, ProductsByRecordNumbers)
{
    const CString folder = m_list.Folder();
    const auto pipes = ProductCatalogue::Products(
        folder, 9001, ProductCatalogue::ByRecordList("Data$", "Věta", ProductCatalogue::DistributionPipes));
    std::vector<CString> records;
    for (const auto& pipe : pipes)
        records.push_back(pipe.at("Věta"));
    EXPECT_EQ(records, (std::vector<CString>{"102", "203", "204", "205", "206", "207", "209", "212", "213"}));

    const auto one = ProductCatalogue::Products(folder, 9001, ProductCatalogue::ByRecord("Data$", "Věta", 3));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].at("Typ"), "PE-Xc 16×2,0");
    EXPECT_TRUE(ProductCatalogue::Products(folder, 9001, ProductCatalogue::ByRecordList("Data$", "Věta", "9998,9999"))
                    .empty());
}

TEST_F(ProductCatalogueTest, LikeValueWithApostropheFindsItsRows)
{
    AppendRows(m_list.Folder() + "/ZVK-9001.XLS", "Data$",
               {{{"Věta", "9000"}, {"Dodat_volba", "dodávka O'Neill sada"}}});
    const auto found = ProductCatalogue::Products(m_list.Folder(), 9001,
                                                  ProductCatalogue::Containing("Data$", "Dodat_volba", "O'Neill"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].at("Věta"), "9000");
}

TEST_F(ProductCatalogueTest, MissingCatalogueGivesAnEmptyListAndItsMessage)
{
    EXPECT_TRUE(ProductCatalogue::Products(m_list.Folder(), 9002, "").empty());
    bool shown = false;
    for (const auto& box : ScriptedAnswers::ShownBoxes())
        shown = shown || box.text.Find("ZVK-9002.XLS") >= 0;
    EXPECT_TRUE(shown);
}
} // namespace
