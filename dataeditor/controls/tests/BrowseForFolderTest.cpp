#include "dataeditor/controls/BrowseForFolder.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

TEST(BrowseForFolder, StartsAtThePathAndTakesTheChoiceOnlyWhenOneWasMade)
{
    UiTest::EnsureApplication();
    ScriptedAnswers::Reset();
    CString path = "/tmp/katalogy";
    ScriptedAnswers::AnswerCommonDialog(IDOK, "/tmp/jinde");
    EXPECT_TRUE(BrowseForFolder("Složka exportu", nullptr, path));
    EXPECT_EQ(path, "/tmp/jinde");
    ASSERT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].kind, "folder");
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs()[0].initial, "/tmp/katalogy");

    ScriptedAnswers::AnswerCommonDialog(IDCANCEL);
    EXPECT_FALSE(BrowseForFolder("Složka exportu", nullptr, path));
    EXPECT_EQ(path, "/tmp/jinde");
    EXPECT_FALSE(BrowseForFolder("Složka exportu", nullptr, path, false));
    EXPECT_EQ(ScriptedAnswers::ShownCommonDialogs().size(), 2u);
    ScriptedAnswers::Reset();
}
