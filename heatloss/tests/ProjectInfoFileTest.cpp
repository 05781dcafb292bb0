#include "TestProjects.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/ProjectHeader.h"
#include "heatloss/ProjectInfoFile.h"
#include "platform/core/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace
{

class ProjectInfoFileTest : public ::testing::Test
{
protected:
    CString Write(const std::string& text, const char* name = "info.ini")
    {
        const std::string path = folder.Path(name);
        std::ofstream(path, std::ios::binary) << text;
        return CString(path);
    }

    TempFolder folder;
};

const char* const kInfo = "nazev1=before any head\n"
                          "[DOKUMENT]\n"
                          "Nazev1=document\n"
                          "\n"
                          "  ; a comment\n"
                          "[Projekt]\n"
                          "NAZEV2 = Budova, část B  \n"
                          "nazev1=Bytový dům Hlinky\n"
                          "Projektant=Ing. Novák\n"
                          "DbLegenda=/data/projekty/hlinky.kzn\n"
                          "DbStruktura=/data/struktura\n"
                          "[ZAKAZKA 2024]\n"
                          "Nazev1=Stavební bytové družstvo\n"
                          "Poznamka=ZC a AC dodá investor\n"
                          "ZC=\n"
                          "AC=A-17\n"
                          "[PROFESE]\n"
                          "ZC=profession\n"
                          "[Slozky]\n"
                          "All=/opt/sobrel\\\\\n"
                          "Data=/srv/ceniky/\n"
                          "Work=C:\\prace\\\n"
                          "[JINE]\n"
                          "AC=other\n";

TEST_F(ProjectInfoFileTest, HeaderValues)
{
    const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(Write(kInfo));
    EXPECT_TRUE(info.message.IsEmpty());
    EXPECT_EQ("Bytový dům Hlinky", info.building1.value_or("-"));
    EXPECT_EQ(" Budova, část B", info.building2.value_or("-"));
    EXPECT_EQ("Ing. Novák", info.author.value_or("-"));
    EXPECT_EQ("/data/projekty/hlinky.kzn", info.projectPath.value_or("-"));
    EXPECT_EQ("Stavební bytové družstvo", info.investor1.value_or("-"));
    EXPECT_FALSE(info.investor2.has_value());
    EXPECT_EQ("", info.orderNumber.value_or("-")); // "ZC=" and not the note's "ZC"
    EXPECT_EQ("A-17", info.archiveNumber.value_or("-"));
    EXPECT_EQ("ZC a AC dodá investor", info.note.value_or("-"));

    ProjectHeader header;
    header.investor2 = "kept";
    header.orderNumber = "Z-1";
    info.ApplyTo(header);
    EXPECT_EQ("kept", header.investor2);
    EXPECT_EQ("", header.orderNumber);
    EXPECT_EQ("Bytový dům Hlinky", header.building1);
}

TEST_F(ProjectInfoFileTest, Folders)
{
    const ProjectFolders folders = ProjectInfoFile::ReadProjectFolders(Write(kInfo));
    EXPECT_TRUE(folders.message.IsEmpty());
    EXPECT_EQ("/opt/sobrel", folders.pathEdit.value_or("-"));
    EXPECT_EQ("/srv/ceniky", folders.pathList.value_or("-"));
    EXPECT_EQ("C:\\prace", folders.pathDump.value_or("-"));
    EXPECT_EQ("/data/projekty/hlinky.kzn", folders.projectPath.value_or("-"));
    EXPECT_EQ("/data/struktura", folders.structure.value_or("-"));
}

TEST_F(ProjectInfoFileTest, LinesWithoutEqualsAndLongValues)
{
    const std::string sixty(60, 'n');
    const CString path = Write("[ZAKAZKA]\nPoznamka=" + sixty + "\nZCZ-44\n[PROJEKT]\nNazev1=Škola\nNazev1 " +
                               "Školka\n");
    const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(path);
    EXPECT_EQ(std::string(49, 'n'), info.note.value_or("-").str());
    // Without "=": the key's own letters are taken off the front.
    EXPECT_EQ("-44", info.orderNumber.value_or("-"));
    EXPECT_EQ(" Školka", info.building1.value_or("-")); // the later line wins
}

// A long note is one line: no piece of it is read as a line of its own, so it never sets the
// order number, the archive number or a folder, whatever text it carries past 398 characters.
TEST_F(ProjectInfoFileTest, ALongLineIsReadWholeAndItsValueCut)
{
    const std::string note = "Poznamka=" + std::string(390, 'p');
    const struct
    {
        const char* name;
        std::string tail; // what the note carries past the 398th character
    } cases[] = {{"ZC", "ZC=Z-99"}, {"AC", "AC=A-99"}, {"Nazev1", "Nazev1=jiny"}, {"All", "All=/tmp/jinde"}};
    for (const auto& c : cases)
    {
        const CString path = Write("[ZAKAZKA]\nZC=Z-1\nAC=A-1\n" + note + c.tail + "\n[SLOZKY]\nAll=/opt/edit\n");
        const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(path);
        EXPECT_EQ("Z-1", info.orderNumber.value_or("-")) << c.name;
        EXPECT_EQ("A-1", info.archiveNumber.value_or("-")) << c.name;
        EXPECT_FALSE(info.investor1.has_value()) << c.name;
        EXPECT_EQ(std::string(49, 'p'), info.note.value_or("-").str()) << c.name;
        EXPECT_EQ("/opt/edit", ProjectInfoFile::ReadProjectFolders(path).pathEdit.value_or("-")) << c.name;
    }
}

// The same file in the encodings and line ends that hosts write.
TEST_F(ProjectInfoFileTest, EncodingsAndLineEnds)
{
    const std::u16string text = u"[ZAKAZKA]\r\nZC=Z-7\r\nPoznamka=Příliš žluťoučký kůň 𝄞\r\n[PROJEKT]\r\nNazev1=Škola\r\n";
    auto utf16 = [&](bool bigEndian)
    {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t unit : text)
        {
            const char high = char(unit >> 8), low = char(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    const std::string utf8 = "[ZAKAZKA]\nZC=Z-7\nPoznamka=Příliš žluťoučký kůň 𝄞\n[PROJEKT]\nNazev1=Škola\n";
    std::string crOnly = utf8;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const struct
    {
        const char* name;
        std::string bytes;
    } cases[] = {{"UTF-16 LE", utf16(false)},
                 {"UTF-16 BE", utf16(true)},
                 {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8},
                 {"CR alone ends a line", crOnly},
                 {"mixed line ends", "[ZAKAZKA]\rZC=Z-7\r\nPoznamka=Příliš žluťoučký kůň 𝄞\n[PROJEKT]\n\rNazev1=Škola"}};
    for (const auto& c : cases)
    {
        const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(Write(c.bytes));
        EXPECT_TRUE(info.message.IsEmpty()) << c.name;
        EXPECT_EQ("Z-7", info.orderNumber.value_or("-")) << c.name;
        EXPECT_EQ("Příliš žluťoučký kůň 𝄞", info.note.value_or("-")) << c.name;
        EXPECT_EQ("Škola", info.building1.value_or("-")) << c.name;
    }

    // UTF-16 that does not decode is unreadable: the file's message, nothing taken from it.
    using namespace std::string_literals;
    const std::string broken[] = {utf16(false) + "x", "\xFF\xFE\x00\xDC"s, "\xFE\xFF\xD8\x00\x00\x41"s};
    for (const std::string& bytes : broken)
    {
        const CString path = Write(bytes);
        const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(path);
        EXPECT_EQ(UINT(IDS_HL_FILE_PROBLEM), info.message.id);
        EXPECT_FALSE(info.orderNumber.has_value());
        EXPECT_EQ(UINT(IDS_HL_FILE_PROBLEM), ProjectInfoFile::ReadProjectFolders(path).message.id);
    }
}

TEST_F(ProjectInfoFileTest, Code1250File)
{
    // "Nazev1=Škola" in code page 1250: Š is 0x8A.
    const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(Write("[PROJEKT]\r\nNazev1=\x8Akola\r\n"));
    EXPECT_EQ("Škola", info.building1.value_or("-"));
}

TEST_F(ProjectInfoFileTest, MissingFileGivesOneMessageAndNothingElse)
{
    const CString path(folder.Path("chybi.ini"));
    const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(path);
    EXPECT_EQ(UINT(IDS_HL_FILE_PROBLEM), info.message.id);
    EXPECT_EQ(UINT(MB_ICONEXCLAMATION), info.message.icon);
    EXPECT_EQ("Problémy při práci se souborem " + path, info.message.Text());
    EXPECT_FALSE(info.building1.has_value());
    const ProjectFolders folders = ProjectInfoFile::ReadProjectFolders(path);
    EXPECT_EQ(UINT(IDS_HL_FILE_PROBLEM), folders.message.id);
    EXPECT_FALSE(folders.pathEdit.has_value());

    EXPECT_TRUE(ProjectInfoFile::ReadProjectInfo("").message.IsEmpty());
}

TEST_F(ProjectInfoFileTest, ReadInfoLine)
{
    ProjectInfoFile file;
    ASSERT_TRUE(file.Open(Write("\n  ;x\n  [Hlava]  \n  klic = hodnota \n" + std::string(400, 'a') + "\n")));
    EXPECT_EQ(1, file.ReadInfoLine());
    EXPECT_EQ("[Hlava]", file.Line());
    EXPECT_EQ(0, file.ReadInfoLine());
    EXPECT_EQ("klic = hodnota", file.Line());
    CString value;
    EXPECT_EQ(1, file.LookupInfoKey("KLIC", value));
    EXPECT_EQ(" hodnota", value);
    EXPECT_EQ(0, file.LookupInfoKey("kl", value));
    EXPECT_EQ(0, file.ReadInfoLine());
    EXPECT_EQ(400, file.Line().GetLength()); // a long line is read whole
    EXPECT_EQ(1, file.ReadInfoLine());
    EXPECT_TRUE(file.Line().IsEmpty());
}

TEST_F(ProjectInfoFileTest, AnyBytesReadSafely)
{
    // Heads, keys, separators, blanks, line ends and bytes that are no UTF-8, mixed at random.
    const std::string pieces[] = {"[PROJEKT]", "[ZAKAZKA]", "[SLOZKY]", "Nazev1", "ZC", "AC", "All", "=",
                                  ";", " ", "\\", "\n", "\r\n", "\x8A", "\xC3", "\xFF\xFE", "ž",
                                  std::string(420, 'x')};
    std::mt19937 random(17);
    for (int round = 0; round < 60; ++round)
    {
        std::string text;
        for (int k = int(random() % 60); k > 0; --k)
            text += pieces[random() % std::size(pieces)];
        const CString path = Write(text);
        const ProjectInfo info = ProjectInfoFile::ReadProjectInfo(path);
        for (const std::optional<CString>* value : {&info.building1, &info.investor1, &info.orderNumber, &info.note})
            if (*value)
            {
                EXPECT_LE(value->value().GetLength(), 49);
                EXPECT_TRUE(Utf8::IsValid(value->value().str()));
            }
        const ProjectFolders folders = ProjectInfoFile::ReadProjectFolders(path);
        if (folders.pathEdit)
        {
            EXPECT_TRUE(folders.pathEdit->IsEmpty() || folders.pathEdit->Right(1) != "\\");
        }
    }
}

} // namespace
