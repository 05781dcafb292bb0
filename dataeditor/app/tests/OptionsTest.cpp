#include "dataeditor/app/CSobrelOptions.h"
#include "dataeditor/app/OptionText.h"

#include <gtest/gtest.h>

TEST(OptionText, SeparatedFieldsEndByEmptyingTheSeparator)
{
    CString separator = "\n";
    EXPECT_EQ(GetSeparatedField("a\n\nc\n", 2, separator), "c");
    EXPECT_EQ(separator, "\n");
    EXPECT_EQ(GetSeparatedField("a\n\nc\n", 3, separator), "");
    EXPECT_EQ(separator, "\n");
    EXPECT_EQ(GetSeparatedField("a\n\nc\n", 4, separator), "");
    EXPECT_TRUE(separator.IsEmpty());
}

TEST(OptionText, BracketGroupsAreMarkedWithTheirLevels)
{
    BracketStatus status;
    EXPECT_EQ(MarkBracketGroups("a{b{c}}d", "{}", status), "a\n1{b\n2{c}\n2}\n1d");
    EXPECT_TRUE(status.balanced);
    EXPECT_EQ(status.matchedPairs, 2);
    EXPECT_EQ(MarkBracketGroups("{a}}", "{}", status), "");
    EXPECT_FALSE(status.balanced);
    EXPECT_EQ(status.unmatchedCloses, 1);
    EXPECT_EQ(MarkBracketGroups("{{a}", "{}", status), "");
    EXPECT_EQ(status.openGroups, 1);
}
