#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/controls/DDX_ColourPicker.h"
#include "platform/ui/CDataExchange.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

TEST(ColourExchange, LoadingShowsTheMemberAndSavingTakesThePickersColour)
{
    UiTest::EnsureApplication();
    CWnd dialog;
    dialog.CreateEx(0, nullptr, "dialog", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0);
    CWnd placeholder;
    placeholder.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 60, 20), &dialog, 1523);
    CColourPicker picker;
    ASSERT_TRUE(picker.CreateOver(&dialog, 1523));

    COLORREF colour = RGB(10, 20, 30);
    CDataExchange load(&dialog, FALSE);
    DDX_ColourPicker(&load, 1523, colour);
    EXPECT_EQ(picker.GetColour(), RGB(10, 20, 30));

    picker.SetColour(RGB(200, 0, 0));
    CDataExchange save(&dialog, TRUE);
    DDX_ColourPicker(&save, 1523, colour);
    EXPECT_EQ(colour, RGB(200, 0, 0));
}
