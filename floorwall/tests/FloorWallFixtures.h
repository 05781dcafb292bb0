#pragma once
// Settings, spacing series and rooms for the floor calculation tests.

#include "common/AppSettings.h"
#include "floorwall/CCSN_EN_1264.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Fresh settings with the program's start values, the two default spacing series, and a
// calculation object whose range messages are collected.
class FloorCalculationTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A type A room at 20 °C with one circuit: flow 40 °C, return 35 °C, covering 0.1,
    // screed 45 mm of λ 1.2, pipe 16 × 2 mm of λ 0.35 without sheath, 10 m² occupied zone.
    static std::unique_ptr<CMistPodlahVytap> MakeRoom(int systemType = 1);
    static CTopnyOkruh& Circuit(CMistPodlahVytap& room) { return *room.m_floorCircuits[0]; }

    CCSN_EN_1264 m_calc;
    std::vector<std::string> m_messages;
};
