#include "dataeditor/document/CStringTools.h"

#include <gtest/gtest.h>

TEST(StringTools, TokensAreCutAtSeparatorsOfAnyLength)
{
    CStringTools tools;
    CString rest = "a;;b;;c";
    EXPECT_EQ(tools.TakeToken(rest, ";;"), "a");
    EXPECT_EQ(rest, "b;;c");
    EXPECT_EQ(tools.TakeToken(rest, ";;"), "b");
    EXPECT_EQ(tools.TakeToken(rest, ";;"), "c");
    EXPECT_TRUE(rest.IsEmpty());
    CStringArray parts;
    EXPECT_EQ(tools.Join(";", parts), "");
    parts.Add("x");
    parts.Add("y");
    EXPECT_EQ(tools.Join(";", parts), "x;y");
}

TEST(StringTools, PathsSplitIntoDriveOrShareDirectoryNameAndExtension)
{
    struct Case
    {
        const char* path;
        bool whole;
        const char* drive;
        const char* directory;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\Data\\Katalogy\\MekrData.xls", false, "C:", "Data\\Katalogy", "MekrData", "xls"},
        {"C:\\Data\\Katalogy\\MekrData.xls", true, "C:", "Data\\Katalogy\\MekrData.xls", "", ""},
        {"\\\\server\\share\\dir\\file.txt", false, "\\\\server\\share", "dir", "file", "txt"},
        {"\\\\server", false, "\\\\server", "", "", ""},
        {"C:\\v.1\\README", false, "C:", "v.1", "README", ""},
    };
    CStringTools tools;
    for (const Case& c : cases)
    {
        CString drive, directory, name, extension;
        tools.SplitPath(c.whole, c.path, drive, directory, name, extension);
        EXPECT_EQ(drive, c.drive) << c.path;
        EXPECT_EQ(directory, c.directory) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
        EXPECT_EQ(extension, c.extension) << c.path;
    }
}
