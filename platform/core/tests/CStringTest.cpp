#include "platform/core/CString.h"

#include <gtest/gtest.h>

TEST(CString, CountsAndCutsByCharacters)
{
    const CString s("žluťoučký kůň");
    EXPECT_EQ(s.GetLength(), 13);
    EXPECT_EQ(s.Left(4), "žluť");
    EXPECT_EQ(s.Mid(10), "kůň");
    EXPECT_EQ(s.Mid(2, 3), "uťo");
    EXPECT_EQ(s.Right(3), "kůň");
    EXPECT_EQ(s.Find(U'ů'), 11);
    EXPECT_EQ(s.Find("kůň"), 10);
    EXPECT_EQ(s.ReverseFind(U'ý'), 8);
    EXPECT_EQ(s.GetAt(3), U'ť');

    CString long60 = CString::FromCodePoint(U'č', 60);
    long60.TruncateChars(49);
    EXPECT_EQ(long60.GetLength(), 49);
    EXPECT_EQ(long60.ByteLength(), 98);
}

TEST(CString, CzechCaseAndComparison)
{
    CString s("čaj žluťoučký");
    EXPECT_EQ(s.MakeUpper(), "ČAJ ŽLUŤOUČKÝ");
    EXPECT_EQ(s.MakeLower(), "čaj žluťoučký");
    EXPECT_EQ(CString("Čáp").CompareNoCase("čÁP"), 0);
    EXPECT_LT(CString("hrad").Collate("chrám"), 0); // ch sorts after h
    EXPECT_LT(CString("cukr").Collate("čaj"), 0);   // č after c
    EXPECT_NE(CString("a").Compare("A"), 0);
}

TEST(CString, EditingMembers)
{
    CString s("  12,5 m  ");
    s.Trim();
    EXPECT_EQ(s, "12,5 m");
    EXPECT_EQ(s.Replace(",", "."), 1);
    EXPECT_EQ(s, "12.5 m");
    s.Insert(0, "ø");
    EXPECT_EQ(s, "ø12.5 m");
    s.Delete(0, 1);
    EXPECT_EQ(s.Remove(' '), 1);
    EXPECT_EQ(s, "12.5m");
    EXPECT_EQ(s.FindOneOf("m."), 2);
    EXPECT_EQ(CString("xxabcxx").TrimLeft("x").TrimRight("x"), "abc");
    CString built("č");
    built += U'ř';
    built += 'a';
    EXPECT_EQ(built, "čřa");
}

TEST(CString, FormatsArgumentsOfEveryKind)
{
    CString s;
    s.Format("%s=%d (%5.1f) %c %x %%", CString("Q"), 42, 3.14159, 'A', 255u);
    EXPECT_EQ(s, "Q=42 (  3.1) A ff %");
    s.Format("%-4s|%03d|%*d", "ab", 7, 4, 12);
    EXPECT_EQ(s, "ab  |007|  12");
    s.Format("%x %u %X %lld %d", -1, -1, 255, -5LL, short(-3));
    EXPECT_EQ(s, "ffffffff 4294967295 FF -5 -3");
    s.Format("%5.2s|%-6s|%c", "žluť", "kůň", U'č');
    EXPECT_EQ(s, "   žl|kůň   |č");
}
