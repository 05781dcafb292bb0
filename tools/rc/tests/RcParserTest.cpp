#include "CppEmitter.h"
#include "RcLexer.h"
#include "RcParser.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>

namespace
{
class RcParserTest : public ::testing::Test
{
protected:
    std::string Write(const char* name, const std::string& text)
    {
        const std::string path = m_dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    ResourceScript Compile(const std::string& rc)
    {
        RcLexer lexer({});
        const auto tokens = lexer.Read(Write("script.rc", rc));
        ResourceScript script;
        RcParser(tokens, lexer.Symbols(), script).Parse();
        return script;
    }
    std::string ErrorOf(const std::string& rc)
    {
        try
        {
            Compile(rc);
        }
        catch (const RcError& e)
        {
            return e.what();
        }
        return "no error";
    }

    // Beside the script: a folder and a script that includes itself.
    void PrepareFolder()
    {
        QDir(m_dir.path()).mkdir("folder");
        Write("self.rc", "#include \"self.rc\"\n");
    }

    QTemporaryDir m_dir;
};

TEST_F(RcParserTest, StringTablesWithSymbolsAndEscapes)
{
    Write("resource.h", "#define IDS_ERROR_CAPTION 61448\n#define IDS_NEXT (IDS_ERROR_CAPTION)\n#define "
                        "IDS_TEXT 0xF0A1 // hex\n");
    const ResourceScript s = Compile("// Czech texts\n#include \"resource.h\"\n#include <afxres.h>\n"
                                     "LANGUAGE 5, 1\n"
                                     "STRINGTABLE DISCARDABLE\nBEGIN\n"
                                     "    IDS_ERROR_CAPTION \"kalvenrod - chyba\"\n"
                                     "    IDS_NEXT+1, \"Řekl \"\"ano\"\"\\n\\tdál\"\n"
                                     "    /* block comment */ IDS_TEXT \"a\" \"b\"\n"
                                     "END\n"
                                     "STRINGTABLE { 100 \"OLE initialization failed.\" }\n");
    ASSERT_EQ(s.strings.size(), 4u);
    EXPECT_EQ(s.strings.at(61448), "kalvenrod - chyba");
    EXPECT_EQ(s.strings.at(61449), "Řekl \"ano\"\n\tdál");
    EXPECT_EQ(s.strings.at(0xF0A1), "ab");
    EXPECT_EQ(s.strings.at(100), "OLE initialization failed.");
}

std::string Repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Malformed scripts and the first words of their messages. "folder" is a folder beside the
// script; "self.rc" includes itself.
struct MalformedCase
{
    std::string rc;
    std::string message;
};

const MalformedCase malformedCases[] = {
    {"STRINGTABLE\nBEGIN\n  IDS_MISSING \"x\"\nEND\n", "script.rc:3: unknown symbol IDS_MISSING"},
    {"STRINGTABLE\nBEGIN\n  1 \"x\n\"\nEND\n", "script.rc:3: unterminated string"},
    {"STRINGTABLE\nBEGIN\n  1 \"x\"\n  1 \"y\"\nEND\n", "script.rc:4: string id 1 defined twice"},
    {"STRINGTABLE\nBEGIN\n  1 \"x\"\n", "STRINGTABLE without END"},
    {"100 CURSOR \"a.cur\"\n", "script.rc:1: unsupported resource type CURSOR"},
    {"#include \"nothing.h\"\n", "script.rc:1: cannot find include file nothing.h"},
    {"\n#define X -\n", "script.rc:2: bad number in #define X"},
    {"#define X 123456789012345678901234567890\n", "script.rc:1: bad number in #define X"},
    {"STRINGTABLE\nBEGIN\n  123456789012345678901234567890 \"x\"\nEND\n", "script.rc:3: bad number"},
    {"#include \"" + std::string(5000, 'a') + ".h\"\n", "script.rc:1: cannot find include file aaa"},
    {"#include \"folder\"\n", "script.rc:1: cannot find include file folder"},
    {"1 ICON \"folder\"\n", "script.rc:1: a folder, not an image file"},
    {"1 ICON \"" + std::string(5000, 'b') + ".ico\"\n", "script.rc:1: image file not found"},
    {"#include \"self.rc\"\n", "self.rc:1: includes nested too deeply"},
    {"STRINGTABLE\nBEGIN\n" + Repeated("(", 100000) + "1 \"x\"\nEND\n",
     "script.rc:3: expression nested too deeply"},
    {"STRINGTABLE\nBEGIN\n" + Repeated("-", 100000) + "1 \"x\"\nEND\n",
     "script.rc:3: expression nested too deeply"},
    {"1 MENU\nBEGIN\n" + Repeated("POPUP \"a\"\nBEGIN\n", 10000), "menus nested too deeply"},
};

TEST_F(RcParserTest, ErrorsNameFileAndLine)
{
    PrepareFolder();
    for (const MalformedCase& c : malformedCases)
        EXPECT_NE(ErrorOf(c.rc).find(c.message), std::string::npos) << ErrorOf(c.rc).substr(0, 200);
}

TEST_F(RcParserTest, TheCompilerAnswersMalformedScriptsWithFileLineAndFailure)
{
    PrepareFolder();
    for (const MalformedCase& c : malformedCases)
    {
        QProcess rc;
        rc.start(KALVENROD_RC,
                 {"-o", m_dir.filePath("out.cpp"), QString::fromStdString(Write("script.rc", c.rc))});
        ASSERT_TRUE(rc.waitForFinished(30000));
        const std::string said = rc.readAllStandardError().toStdString();
        EXPECT_EQ(rc.exitStatus(), QProcess::NormalExit) << said.substr(0, 200);
        EXPECT_EQ(rc.exitCode(), 1) << said.substr(0, 200);
        EXPECT_NE(said.find(c.message), std::string::npos) << said.substr(0, 200);
    }
}

TEST_F(RcParserTest, EmitsLiteralsThatKeepEveryByte)
{
    EXPECT_EQ(CppEmitter::Literal("a\"b\\c\nč?"), "\"a\\\"b\\\\c\\012č\\077\"");
    ResourceScript s;
    s.strings[7] = "sedm";
    const std::string builtIn = CppEmitter::Emit(s, CppEmitter::Kind::BuiltIn);
    EXPECT_NE(builtIn.find("{7u, \"sedm\"}"), std::string::npos);
    EXPECT_NE(builtIn.find("RegisterBuiltIn"), std::string::npos);
    EXPECT_NE(CppEmitter::Emit(s, CppEmitter::Kind::LanguagePack).find("kalvenrod_resource_table"),
              std::string::npos);
}
} // namespace

TEST_F(RcParserTest, DialogStatementsGiveClassesAndStyles)
{
    const ResourceScript script = Compile("#define IDD_X 130\n#define IDC_E 1001\n"
                                          "IDD_X DIALOGEX 0, 0, 200, 100\n"
                                          "STYLE DS_SETFONT | WS_POPUP | WS_CAPTION\n"
                                          "CAPTION \"kalvenrod - zeď\"\n"
                                          "FONT 8, \"MS Sans Serif\", 400, 0, 0x1\n"
                                          "BEGIN\n"
                                          "  LTEXT \"&Délka:\", IDC_STATIC, 7, 9, 40, 8\n"
                                          "  EDITTEXT IDC_E, 50, 7, 60, 14, ES_RIGHT | NOT WS_TABSTOP\n"
                                          "  DEFPUSHBUTTON \"OK\", IDOK, 10, 80, 50, 14\n"
                                          "  CONTROL \"\", 1002, \"MFCGridCtrl\", WS_TABSTOP, 7, 30, 180, 40, WS_EX_CLIENTEDGE\n"
                                          "END\n");
    ASSERT_EQ(script.dialogs.count(130u), 1u);
    const RcDialog& d = script.dialogs.at(130u);
    EXPECT_EQ(d.caption, "kalvenrod - zeď");
    EXPECT_EQ(d.fontName, "MS Sans Serif");
    EXPECT_EQ(d.pointSize, 8);
    EXPECT_EQ(d.cx, 200);
    ASSERT_EQ(d.items.size(), 4u);
    EXPECT_EQ(d.items[0].className, "STATIC");
    EXPECT_EQ(d.items[0].id, -1);
    EXPECT_EQ(d.items[0].style, 0x50020000u);  // child, visible, group, left text
    EXPECT_EQ(d.items[1].className, "EDIT");
    EXPECT_EQ(d.items[1].style, 0x50800002u);  // the tab stop taken away, border kept
    EXPECT_EQ(d.items[2].style, 0x50010001u);
    EXPECT_EQ(d.items[3].className, "MFCGridCtrl");
    EXPECT_EQ(d.items[3].exStyle, 0x200u);
    EXPECT_EQ(d.items[3].cy, 40);
}

TEST_F(RcParserTest, AComboBoxTypeGivenReplacesTheSimpleDefault)
{
    const ResourceScript script = Compile("#define IDD_X 130\n"
                                          "IDD_X DIALOGEX 0, 0, 200, 100\n"
                                          "BEGIN\n"
                                          "  COMBOBOX 1001, 7, 7, 60, 80\n"
                                          "  COMBOBOX 1002, 7, 27, 60, 80, CBS_DROPDOWN | WS_VSCROLL\n"
                                          "  COMBOBOX 1003, 7, 47, 60, 80, CBS_DROPDOWNLIST | CBS_SORT\n"
                                          "  COMBOBOX 1004, 7, 67, 60, 80, CBS_SORT\n"
                                          "END\n");
    const RcDialog& d = script.dialogs.at(130u);
    ASSERT_EQ(d.items.size(), 4u);
    const unsigned expectedType[] = {0x1, 0x2, 0x3, 0x1}; // simple, drop-down, drop-down list, simple
    for (std::size_t i = 0; i < 4; i++)
    {
        EXPECT_EQ(d.items[i].style & 0x3u, expectedType[i]) << d.items[i].id;
        EXPECT_TRUE(d.items[i].style & 0x00010000u) << d.items[i].id; // the tab stop stays
    }
}

TEST_F(RcParserTest, MenusAcceleratorsAndToolbars)
{
    const ResourceScript script = Compile("1 MENU\nBEGIN\n POPUP \"&Soubor\"\n BEGIN\n"
                                          "  MENUITEM \"&Nový\\tCtrl+N\", 100\n  MENUITEM SEPARATOR\n"
                                          "  MENUITEM \"&Konec\", 101, GRAYED\n END\nEND\n"
                                          "1 ACCELERATORS\nBEGIN\n \"N\", 100, VIRTKEY, CONTROL\n VK_F1, 102, VIRTKEY\n"
                                          " \"^C\", 103\nEND\n"
                                          "2 TOOLBAR 16, 15\nBEGIN\n BUTTON 100\n SEPARATOR\n BUTTON 101\nEND\n");
    const auto& menu = script.menus.at(1u);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].text, "&Soubor");
    EXPECT_EQ(menu[0].flags, 0x10u);
    EXPECT_EQ(menu[1].text, "&Nový\tCtrl+N");
    EXPECT_EQ(menu[1].level, 1);
    EXPECT_EQ(menu[2].flags, 0x800u);
    EXPECT_EQ(menu[3].flags, 0x1u);
    const auto& accel = script.accelerators.at(1u);
    ASSERT_EQ(accel.size(), 3u);
    EXPECT_EQ(accel[0].key, unsigned('N'));
    EXPECT_EQ(accel[0].flags, 0x9u);
    EXPECT_EQ(accel[1].key, 0x70u);
    EXPECT_EQ(accel[2].key, 3u);
    EXPECT_EQ(accel[2].flags, 0u);
    const RcToolbar& toolbar = script.toolbars.at(2u);
    EXPECT_EQ(toolbar.cx, 16);
    EXPECT_EQ(toolbar.buttons, (std::vector<unsigned>{100, 0, 101}));
}

TEST_F(RcParserTest, ImagesAreFoundBesideTheScript)
{
    Write("picture.png", "not really a picture");
    const ResourceScript script = Compile("5 BITMAP \"picture.png\"\n");
    ASSERT_EQ(script.images.count(5u), 1u);
    EXPECT_FALSE(script.images.at(5u).icon);
    EXPECT_NE(ErrorOf("6 ICON \"sub\\\\missing.ico\"\n").find("image file not found"), std::string::npos);
    const std::string emitted = CppEmitter::Emit(script, CppEmitter::Kind::LanguagePack);
    EXPECT_NE(emitted.find("kalvenrod_ui_resource_table"), std::string::npos);
}
