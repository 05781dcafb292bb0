#pragma once
// Dialogs of the Czech pack driven off screen: the pack, the Czech locale and a pictures folder
// for the whole suite, fresh scripted answers for every test.

#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CDialog.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

class CzechDialogTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        AfxSetResourceHandle(LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so"));
        UserLocale::SetCurrent(UserLocale::Czech());
        QDir().mkpath("pictures");
    }
    static void TearDownTestSuite() { UserLocale::ResetToSystem(); }
    void SetUp() override { ScriptedAnswers::Reset(); }
    static bool Enabled(CDialog& dialog, UINT id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); }
};
