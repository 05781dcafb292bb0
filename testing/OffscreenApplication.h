#pragma once
// One QApplication for the whole test program, off screen unless QT_QPA_PLATFORM says otherwise:
//   const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

#include "testing/UiTest.h"

#include <gtest/gtest.h>

class OffscreenApplication : public ::testing::Environment
{
public:
    void SetUp() override { UiTest::EnsureApplication(); }
};
