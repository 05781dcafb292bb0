#include "TestProjects.h"

#include "heatloss/BuildingTypeText.h"
#include "heatloss/HeatLossCalculation.h"

#include <gtest/gtest.h>

namespace
{

TEST(ProjectModel, ResetLeavesNothingOfThePreviousProject)
{
    auto model = TwoRoomProject();
    model->Header.buildingType = 3;
    model->Header.buildingTypeText = "Školní budova";
    model->Cursor = {2, 2, 1};
    ASSERT_EQ(1, CalculateHeatLosses(*model, {}).result);
    model->Reset("Jana Dvořáková");

    EXPECT_EQ(1, model->Rooms.count);
    EXPECT_EQ("Jana Dvořáková", model->Header.author);
    EXPECT_TRUE(model->Header.building1.IsEmpty());
    EXPECT_EQ(0, model->Header.Te);
    EXPECT_EQ(0, model->Header.B);
    EXPECT_EQ(0.0, model->Header.p2);
    EXPECT_EQ(0, model->Header.buildingType);
    EXPECT_TRUE(model->Header.buildingTypeText.IsEmpty());
    EXPECT_EQ(0, model->Cursor.room);
    EXPECT_EQ(1, model->Rooms[1].wallCount);
    EXPECT_TRUE(model->Rooms[1].name.IsEmpty());
    EXPECT_EQ(1, model->Walls.At(2, 2).openingCount);
    EXPECT_EQ(0, model->Openings.At(2, 2, 1).length);
    EXPECT_EQ(0.0, model->Results[1].total);
    EXPECT_EQ(0.0, model->Totals.total);
}

TEST(ProjectModel, AddingIsRefusedWhenALevelIsFull)
{
    auto model = std::make_unique<ProjectModel>();
    for (int r = 1; r <= 98; ++r)
        ASSERT_EQ(r, model->AddRoom());
    EXPECT_EQ(0, model->AddRoom());
    EXPECT_EQ(99, model->Rooms.count);
    for (int w = 1; w <= 19; ++w)
        ASSERT_EQ(w, model->AddWall(98));
    EXPECT_EQ(0, model->AddWall(98));
    for (int o = 1; o <= 19; ++o)
        ASSERT_EQ(o, model->AddOpening(98, 19));
    EXPECT_EQ(0, model->AddOpening(98, 19));
    EXPECT_EQ(20, model->Walls.At(98, 19).openingCount);
    // No parent, no child.
    EXPECT_EQ(0, model->AddWall(0));
    EXPECT_EQ(0, model->AddOpening(97, 1));
}

TEST(ProjectModel, BuildingTypeText)
{
    EXPECT_EQ("Obytná budova", BuildingTypeText(1));
    EXPECT_EQ("Divadla, kina, ...", BuildingTypeText(8));
    EXPECT_EQ("Průmyslové stavby", BuildingTypeText(12));
    EXPECT_TRUE(BuildingTypeText(0).IsEmpty());
    EXPECT_TRUE(BuildingTypeText(13).IsEmpty());
}

} // namespace
