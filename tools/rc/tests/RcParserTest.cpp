#include "CppEmitter.h"
#include "RcLexer.h"
#include "RcParser.h"

#include <gtest/gtest.h>

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

    QTemporaryDir m_dir;
};

TEST_F(RcParserTest, StringTablesWithSymbolsAndEscapes)
{
    Write("resource.h", "#define IDS_ERROR_CAPTION 61448\n#define IDS_NEXT (IDS_ERROR_CAPTION)\n#define IDS_TEXT 0xF0A1 // hex\n");
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

TEST_F(RcParserTest, ErrorsNameFileAndLine)
{
    struct Case
    {
        const char* rc;
        const char* message;
    };
    const Case cases[] = {
        {"STRINGTABLE\nBEGIN\n  IDS_MISSING \"x\"\nEND\n", "script.rc:3: unknown symbol IDS_MISSING"},
        {"STRINGTABLE\nBEGIN\n  1 \"x\n\"\nEND\n", "script.rc:3: unterminated string"},
        {"STRINGTABLE\nBEGIN\n  1 \"x\"\n  1 \"y\"\nEND\n", "script.rc:4: string id 1 defined twice"},
        {"STRINGTABLE\nBEGIN\n  1 \"x\"\n", "STRINGTABLE without END"},
        {"100 CURSOR \"a.cur\"\n", "script.rc:1: unsupported resource type CURSOR"},
        {"#include \"nothing.h\"\n", "script.rc:1: cannot find include file nothing.h"},
    };
    for (const Case& c : cases)
        EXPECT_NE(ErrorOf(c.rc).find(c.message), std::string::npos) << ErrorOf(c.rc);
}

TEST_F(RcParserTest, EmitsLiteralsThatKeepEveryByte)
{
    EXPECT_EQ(CppEmitter::Literal("a\"b\\c\nč?"), "\"a\\\"b\\\\c\\012č\\077\"");
    ResourceScript s;
    s.strings[7] = "sedm";
    const std::string builtIn = CppEmitter::Emit(s, CppEmitter::Kind::BuiltIn);
    EXPECT_NE(builtIn.find("{7u, \"sedm\"}"), std::string::npos);
    EXPECT_NE(builtIn.find("RegisterBuiltIn"), std::string::npos);
    EXPECT_NE(CppEmitter::Emit(s, CppEmitter::Kind::LanguagePack).find("kalvenrod_resource_table"), std::string::npos);
}
} // namespace
