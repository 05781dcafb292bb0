// Distribution sections: the section loss, flows and losses along the tree, and the sheet
// "DimenzSegm$".
#include "HydraulicsFixtures.h"

#include "datalib/CData.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/DistributionSheet.h"
#include "hydraulics/PipeLoss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace
{
TEST(DistributionSection, SectionLossWorkedByHand)
{
    // Pipe 9001-0102 (index 32, d = 6 mm), 50 kg/h, 10 m, ξ = 2.5, water at 82 °C
    // (ρ = 970.57 kg/m³, handbook table). Friction: R = 65 (50 / 8.3)^(ln(3150/65) / ln(100/8.3))
    // = 1068.902 Pa/m, the pipe's characteristic, so R·L = 10689.02 Pa. Local loss
    // Δp = ξ ρ w² / 2 with w = 4 ṁ / (ρ π d² 3600) = 0.506114 m/s: 310.766 Pa. In Darcy-Weisbach
    // terms R = λ/d · ρ w²/2 gives λ = 0.0516 at Re ≈ 8700, a plausible value for a small pipe
    // with fittings.
    EXPECT_NEAR(DistributionWaterDensity(), 970.57, 0.01);
    CDimenzUsek section;
    section.m_strItemCode = "9001-0102";
    section.m_dFlowKgPerH = 50.0;
    section.m_dPipeLength = 10.0;
    section.m_dInsertedResistances = 2.5;
    ASSERT_TRUE(section.ComputeLoss());
    EXPECT_NEAR(section.m_dSectionLoss, 10999.788, 0.01);

    section.m_dPipeLength = 0.0; // the local loss alone, with the table density itself
    ASSERT_TRUE(section.ComputeLoss());
    const double rho = DistributionWaterDensity();
    const double w = 4.0 * 50.0 / (rho * std::numbers::pi * 0.006 * 0.006 * 3600.0);
    EXPECT_NEAR(section.m_dSectionLoss, 2.5 * rho * w * w / 2.0, 1e-9);
}

TEST(DistributionSection, UnknownOrMissingPipe)
{
    CDimenzUsek root;
    root.m_dFlowKgPerH = 100.0;
    root.m_dPipeLength = 5.0;
    ASSERT_TRUE(root.ComputeLoss()); // no pipe chosen
    EXPECT_EQ(root.m_dSectionLoss, 0.0);

    CDimenzUsek* child = root.AddChild();
    child->m_strItemCode = "9001-0010";
    child->m_dFlowKgPerH = 100.0;
    CDimenzUsek* grandchild = child->AddChild();
    grandchild->m_strItemCode = "9001-0004";
    grandchild->m_dFlowKgPerH = 100.0;
    grandchild->m_dPipeLength = 1.0;
    root.m_strItemCode = "9001-0004";
    root.Recompute(1);
    EXPECT_TRUE(root.m_bAccumulatedKnown);
    EXPECT_FALSE(child->m_bLossKnown);
    EXPECT_FALSE(child->m_bAccumulatedKnown);
    EXPECT_TRUE(grandchild->m_bLossKnown);
    EXPECT_FALSE(grandchild->m_bAccumulatedKnown);
    std::vector<const CDimenzUsek*> unknown;
    root.CollectUnknownLosses(unknown);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0], child);
}

TEST(DistributionSection, FlowsAndLossesAlongTheTree)
{
    CDimenzUsek root;
    root.m_dFlowKgPerH = 999.0;
    root.m_strItemCode = "9001-0212";
    root.m_dPipeLength = 12.0;
    CDimenzUsek* b = root.AddChild();
    b->m_dFlowKgPerH = 1.0;
    CDimenzUsek* c = b->AddChild();
    c->m_dFlowKgPerH = 80.0;
    c->m_strItemCode = "9001-0004";
    c->m_dPipeLength = 4.0;
    CDimenzUsek* d = root.AddChild();
    d->m_dFlowKgPerH = 40.0;
    EXPECT_EQ(root.SumFlows(), 120.0);
    EXPECT_EQ(b->m_dFlowKgPerH, 80.0);
    root.Recompute(1);
    EXPECT_EQ(c->m_nLevel, 3);
    EXPECT_EQ(b->m_dSectionLoss, 0.0); // no pipe chosen
    EXPECT_EQ(b->m_dAccumulatedLoss, b->m_dUpstreamLoss);
    EXPECT_EQ(b->m_dUpstreamLoss, root.m_dAccumulatedLoss);
    EXPECT_DOUBLE_EQ(c->m_dAccumulatedLoss, root.m_dSectionLoss + c->m_dSectionLoss);
    EXPECT_GT(c->m_dSectionLoss, 0.0);
}

TEST(DistributionSection, FindByIdTakesTheFirstInPreOrder)
{
    CDimenzUsek root;
    root.m_nNumber = 1;
    CDimenzUsek* b = root.AddChild();
    b->m_nNumber = 2;
    CDimenzUsek* c = b->AddChild();
    c->m_nNumber = 3;
    CDimenzUsek* d = root.AddChild();
    d->m_nNumber = 3;
    EXPECT_EQ(root.FindById(3), c);
    EXPECT_EQ(root.FindById(4), nullptr);
    EXPECT_EQ(root.FindByInternalId(d->m_nInternalId), d);
    EXPECT_NE(c->m_nInternalId, d->m_nInternalId);
    EXPECT_TRUE(root.RemoveChild(b));
    EXPECT_EQ(root.CountSections(), 2);
    EXPECT_FALSE(root.RemoveChild(c));
}

class DistributionSheetTest : public ::testing::TestWithParam<char>
{
protected:
    void Write(const DistributionSheet::Roots& roots)
    {
        ASSERT_EQ(EmptySheet(m_project.Path(), DistributionSheet::Sheet), 0);
        CData data;
        ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable(DistributionSheet::Sheet, "", 0));
        DistributionSheet::SaveTree(&data, roots);
        data.CloseTable();
        data.Close();
    }
    DistributionSheet::LoadResult Load(DistributionSheet::Roots& roots)
    {
        CData data;
        EXPECT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        EXPECT_TRUE(data.OpenTable(DistributionSheet::Sheet, "", 0));
        const auto result = DistributionSheet::LoadTree(&data, roots);
        data.CloseTable();
        data.Close();
        return result;
    }
    void AppendLevels(std::initializer_list<const char*> levels)
    {
        ASSERT_EQ(EmptySheet(m_project.Path(), DistributionSheet::Sheet), 0);
        std::vector<RowCells> rows;
        for (const char* level : levels)
            rows.push_back({{"Hladina", level}, {"Označení", level}});
        AppendRows(m_project.Path(), DistributionSheet::Sheet, rows);
    }

    ScopedDecimalSeparator m_locale{GetParam()};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_P(DistributionSheetTest, TreeSavedInPreOrderAndReadBack)
{
    DistributionSheet::Roots roots;
    roots.push_back(std::make_unique<CDimenzUsek>(nullptr));
    CDimenzUsek& a = *roots.back();
    a.m_strDesignation = "A";
    a.m_strItemCode = "9001-0213";
    a.m_dPipeLength = 20.0;
    CDimenzUsek* b = a.AddChild();
    b->m_strDesignation = "B";
    b->m_dInsertedResistances = 0.25;
    CDimenzUsek* c = b->AddChild();
    c->m_strDesignation = "C";
    c->m_dFlowKgPerH = 123.456;
    c->m_strItemCode = "9001-0010"; // no pipe index: loss unknown
    CDimenzUsek* d = a.AddChild();
    d->m_strDesignation = "D";
    d->m_dFlowKgPerH = 40.0;
    d->m_nNumber = 77;
    a.SumFlows();
    a.Recompute(1);
    Write(roots);

    const auto rows = ReadSheet(m_project.Path(), DistributionSheet::Sheet);
    ASSERT_EQ(rows.size(), 4u);
    const char* expected[][3] = {{"1", "1", "A"}, {"2", "2", "B"}, {"3", "3", "C"}, {"4", "2", "D"}};
    for (std::size_t r = 0; r < 4; ++r)
    {
        ASSERT_GE(rows[r].size(), 3u);
        EXPECT_EQ(rows[r][0].second, expected[r][0]);
        EXPECT_EQ(rows[r][1].second, expected[r][1]);
        EXPECT_EQ(rows[r][2].second, expected[r][2]);
    }
    auto cell = [&rows](std::size_t r, const char* column) { return CellText(rows[r], column); };
    EXPECT_EQ(cell(0, "Hmot_Průtok"), "163.456");
    EXPECT_EQ(cell(1, "Vřazené odpory"), "0.250");
    EXPECT_EQ(cell(2, "TlakZtráta"), "");
    EXPECT_EQ(cell(2, "KumulTlZtr"), "");
    EXPECT_NE(cell(2, "TlZtrPred"), "");
    EXPECT_NE(cell(3, "KumulTlZtr"), "");

    DistributionSheet::Roots back;
    const auto result = Load(back);
    EXPECT_EQ(result.sectionCount, 4);
    EXPECT_EQ(result.firstUnreadRow, -1);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(DistributionSheet::TreeLevels(back), (std::vector<unsigned char>{1, 2, 3, 2}));
    CDimenzUsek* readD = back[0]->FindById(4);
    ASSERT_NE(readD, nullptr);
    EXPECT_EQ(readD->m_strDesignation, "D");
    EXPECT_EQ(back[0]->m_children[0]->m_dInsertedResistances, 0.25);
    EXPECT_EQ(back[0]->m_children[0]->m_children[0]->m_dFlowKgPerH, 123.456);
}

TEST_P(DistributionSheetTest, LevelThatSkipsADepthIsLeftOut)
{
    AppendLevels({"1", "2", "3", "2", "4"});
    DistributionSheet::Roots roots;
    const auto result = Load(roots);
    EXPECT_EQ(result.sectionCount, 4);
    EXPECT_EQ(result.firstUnreadRow, 4);
    EXPECT_EQ(DistributionSheet::TreeLevels(roots), (std::vector<unsigned char>{1, 2, 3, 2}));
}

TEST_P(DistributionSheetTest, LevelFarTooDeepOrBetweenDepthsIsTakenByItsWholeDepth)
{
    AppendLevels({"1", "1e300", "3.5", "2.9", "4e9"});
    DistributionSheet::Roots roots;
    const auto result = Load(roots);
    EXPECT_EQ(result.sectionCount, 2);
    EXPECT_EQ(result.firstUnreadRow, 1);
    EXPECT_EQ(DistributionSheet::TreeLevels(roots), (std::vector<unsigned char>{1, 2}));
}

TEST_P(DistributionSheetTest, EmptyLevelEndsTheReading)
{
    AppendLevels({"1", "2", "", "2"});
    DistributionSheet::Roots roots;
    const auto result = Load(roots);
    EXPECT_EQ(result.sectionCount, 2);
    EXPECT_EQ(result.firstUnreadRow, 2);

    // A single row read directly takes level 1 for an empty "Hladina".
    CData data;
    ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable(DistributionSheet::Sheet, "", 0));
    CDimenzUsek row;
    row.LoadRow(2, &data);
    EXPECT_EQ(row.m_nLevel, 1);
    EXPECT_EQ(row.m_nNumber, 3);
    data.CloseTable();
    data.Close();
}

INSTANTIATE_TEST_SUITE_P(Locales, DistributionSheetTest, ::testing::Values('.', ','));
} // namespace
