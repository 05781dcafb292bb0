#include "common/RecreateProjectSheet.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
struct SheetShape
{
    int rows = -1;
    std::vector<std::string> columns;
};

class RecreateProjectSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        const std::string command = std::string("/usr/bin/python3 '") + KALVENROD_SOURCE_DIR +
                                    "/common/tests/fixtures/make_project.py' '" + Project().str() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        m_savedPath = AppSettings::Get().PathBase;
        AppSettings::Get().PathBase = Project();
    }
    void TearDown() override
    {
        AppSettings::Get().PathBase = m_savedPath;
        QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ScriptedAnswers::Reset();
    }
    CString Project() const { return CString(m_folder.filePath("Dům.XLS").toStdString()); }
    QByteArray Bytes() const
    {
        QFile file(QString::fromStdString(Project().str()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    SheetShape Shape(const char* sheet) const
    {
        SheetShape shape;
        CData data;
        if (!data.Open(Project(), "Excel 8.0", 0, 0) || !data.OpenTable(sheet, "", 1))
            return shape;
        shape.rows = data.m_nRecordCount;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            shape.columns.push_back(data.m_aOrigColNames[c].str());
        }
        return shape;
    }

    QTemporaryDir m_folder;
    CString m_savedPath;
};

TEST_F(RecreateProjectSheetTest, EmptiesOneSheetAndKeepsTheOthers)
{
    const SheetShape header = Shape("DataAkce$");
    const SheetShape rooms = Shape("SeznamV$");
    const SheetShape results = Shape("SeznamM$");
    ASSERT_EQ(results.rows, 3);
    EXPECT_EQ(RecreateProjectSheet("SeznamM$"), 0);
    EXPECT_EQ(Shape("DataAkce$").rows, header.rows);
    EXPECT_EQ(Shape("SeznamV$").rows, 2);
    EXPECT_EQ(Shape("SeznamV$").columns, rooms.columns);
    const SheetShape rebuilt = Shape("SeznamM$");
    EXPECT_EQ(rebuilt.rows, 0);
    // Stored names: the number column keeps its decimals. (A sheet without rows keeps no
    // column types in the file: they are guessed from the rows.)
    EXPECT_EQ(rebuilt.columns, (std::vector<std::string>{"NázevM", "Výkon;2"}));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("Dům$.xls")));
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(RecreateProjectSheetTest, FailuresLeaveTheProjectWorkbookAsItWas)
{
    const QByteArray before = Bytes();
    // A sheet the workbook does not hold.
    EXPECT_EQ(RecreateProjectSheet("Chybí$"), 1);
    EXPECT_EQ(Bytes(), before);
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().back().text, "Problémy při práci v tabulce Chybí$");
    EXPECT_FALSE(QFile::exists(m_folder.filePath("Dům$.xls")));

    // The project workbook cannot be replaced (read-only, which holds for every user).
    QFile::setPermissions(QString::fromStdString(Project().str()), QFile::ReadOwner);
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(RecreateProjectSheet("SeznamM$"), 1);
    EXPECT_EQ(Bytes(), before);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "List SeznamM se nepodařilo uložit do souboru " + Project() +
                                                         ". Projekt zůstává takový, jaký byl před uložením.");
    EXPECT_FALSE(QFile::exists(m_folder.filePath("Dům$.xls")));

    // No project workbook: 1 without a message.
    AppSettings::Get().PathBase = CString(m_folder.filePath("Chybí.XLS").toStdString());
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(RecreateProjectSheet("SeznamM$"), 1);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

// A scratch workbook left by another run may hold work: the user decides.
TEST_F(RecreateProjectSheetTest, ForeignScratchWorkbookIsReplacedOnlyWhenTheUserSaysSo)
{
    const struct
    {
        int answer;
        bool keptAside;
    } cases[] = {{IDYES, false}, {IDNO, true}};
    for (const auto& c : cases)
    {
        QFile scratch(m_folder.filePath("Dům$.xls"));
        ASSERT_TRUE(scratch.open(QIODevice::WriteOnly));
        scratch.write("cizí");
        scratch.close();
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(c.answer);
        EXPECT_EQ(RecreateProjectSheet("SeznamM$"), 0);
        ASSERT_GE(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
                  "Soubor " + CString(m_folder.filePath("Dům$.xls").toStdString()) +
                      " už existuje (může obsahovat neuloženou práci). Přepsat?");
        EXPECT_EQ(QFile::exists(m_folder.filePath("Dům$ (1).xls")), c.keptAside);
        QFile::remove(m_folder.filePath("Dům$ (1).xls"));
    }
}

// A scratch workbook that a killed store left beside the project (a copy of the project but for
// one sheet) goes without a question; so does a whole copy.
TEST_F(RecreateProjectSheetTest, ScratchWorkbookLeftByAKilledStoreGoesWithoutAQuestion)
{
    const QString scratch = m_folder.filePath("Dům$.xls");
    for (const char* leftOut : {"SeznamM$", "SeznamV$", ""})
    {
        QFile::remove(scratch);
        CData project;
        ASSERT_TRUE(project.Open(Project(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(project.Copy(CString(scratch.toStdString()), *leftOut ? project.GetTableIndex(leftOut) : -1));
        project.Close();
        ScriptedAnswers::ForgetShown();
        EXPECT_EQ(RecreateProjectSheet("SeznamM$"), 0) << leftOut;
        EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty()) << leftOut;
        EXPECT_FALSE(QFile::exists(scratch)) << leftOut;
        EXPECT_FALSE(QFile::exists(m_folder.filePath("Dům$ (1).xls"))) << leftOut;
        EXPECT_EQ(Shape("SeznamV$").rows, 2) << leftOut;
    }
}

TEST(StripSheetSuffixTest, OnlyATrailingDollarGoes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"SeznamM$", "SeznamM"}, {"SeznamM", "SeznamM"}, {"$Data$$", "$Data$"}, {"", ""}, {"$", ""}};
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(StripSheetSuffix(name), expected) << name;
}
} // namespace
