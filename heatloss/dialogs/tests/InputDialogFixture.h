#pragma once
// The ground of the input dialogs' tests: the application off screen with its captions, no
// answers left over, the Czech number notation.

#include "common/AppSettings.h"
#include "platform/core/UserLocale.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

class InputDialogFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        AppSettings::Get().LoadCaptions();
    }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        UserLocale::SetCurrent(UserLocale::Czech());
    }
    void TearDown() override
    {
        UserLocale::ResetToSystem();
        ScriptedAnswers::Reset();
    }
};
