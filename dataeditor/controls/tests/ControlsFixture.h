#pragma once
// The editor's Czech language pack as the resource module, so that dialogs find their templates
// and texts; message boxes and dialogs answered by the test.

#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

class ControlsFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        static HMODULE pack = LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so");
        ASSERT_NE(pack, nullptr);
        AfxSetResourceHandle(pack);
        ScriptedAnswers::Reset();
    }
    void TearDown() override
    {
        ScriptedAnswers::Reset();
        AfxSetResourceHandle(AfxGetInstanceHandle());
    }
};
