#include "dataeditor/app/StartScript.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CodePage.h"
#include "testing/ScriptedAnswers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace
{
class StartScriptTest : public ::testing::Test
{
protected:
    void SetUp() override { ScriptedAnswers::Reset(); }
    void TearDown() override { MessageBoxes::ClearScript(); }

    std::string Folder() const { return m_dir.path().toStdString() + "/"; }
    std::string Marker() const { return Folder() + "marker.txt"; }
    void Write(const std::string& name, const std::string& text) const
    {
        QFile file(QString::fromStdString(Folder() + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
    }
    std::string Read(const std::string& name) const
    {
        QFile file(QString::fromStdString(Folder() + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    // A script that appends "word" to the marker file and waits for it.
    std::string Script(int run, int once, int dialog, const std::string& message, int yesNo,
                       const std::string& word = "run") const
    {
        return "<Run>" + std::to_string(run) + "\n<RunOnce>" + std::to_string(once) + "\n<WaitForExit>1\n<Dialog>" +
               std::to_string(dialog) + "\n<DialogMessage>" + message + "\n<DialogButtonsYesNo>" +
               std::to_string(yesNo) + "\n<AppPath>/bin/sh\n<AppCommandLine>-c \"echo " + word +
               " >> '%TALMO_APP_PATH%marker.txt'\"\n";
    }
    void Run(const char* language = "CZ") const
    {
        StartScript script(Folder().c_str(), Folder().c_str());
        script.Run(language);
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(StartScriptTest, RunZeroDoesNothingAndLeavesTheFileAlone)
{
    const std::string text = Script(0, 1, 0, "", 0) + "tail\n";
    Write("Start-CZ.ini", text);
    Run();
    EXPECT_EQ(Read("marker.txt"), "");
    EXPECT_EQ(Read("Start-CZ.ini"), text);
}

TEST_F(StartScriptTest, RunOnceStartsTheProgramAndRewritesTheScriptShorter)
{
    const std::string text = Script(1, 7, 0, "zpráva", 0) + "an old tail that the rewrite drops\n";
    Write("Start-CZ.ini", text);
    Run();
    EXPECT_EQ(Read("marker.txt"), "run\n");
    const std::string rewritten = Read("Start-CZ.ini");
    EXPECT_EQ(rewritten.substr(0, 7), "<Run>0\n");
    EXPECT_NE(rewritten.find("<RunOnce>1\n"), std::string::npos);
    EXPECT_NE(rewritten.find("<DialogMessage>zpráva\n"), std::string::npos);
    EXPECT_EQ(rewritten.find("old tail"), std::string::npos);
    Run();
    EXPECT_EQ(Read("marker.txt"), "run\n");
}

TEST_F(StartScriptTest, DialogMessageHasItsLineBreaksAndNoStopsTheStart)
{
    Write("Start-CZ.ini", Script(1, 0, 1, "první\\ndruhá", 1));
    ScriptedAnswers::AnswerBox(IDNO);
    Run();
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "první\ndruhá");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].Buttons(), UINT(MB_YESNO));
    EXPECT_EQ(Read("marker.txt"), "");
    ScriptedAnswers::AnswerBox(IDYES);
    Run();
    EXPECT_EQ(Read("marker.txt"), "run\n");
}

TEST_F(StartScriptTest, IncludeListSkipsMissingFilesAndScriptsOutOfOrderDoNothing)
{
    Write("Start-EN.ini", "<Include>\nmissing.ini\nwrong.ini\nfirst.ini\n");
    Write("first.ini", Script(1, 0, 0, "", 0, "first"));
    std::string wrong = Script(1, 0, 0, "", 0, "wrong");
    const std::size_t dialog = wrong.find("<Dialog>");
    const std::size_t wait = wrong.find("<WaitForExit>");
    std::swap(wrong[dialog + 1], wrong[wait + 1]); // "<Dialog>" no longer stands on line 4
    wrong.replace(wait, 3, "<Xa");
    Write("wrong.ini", wrong);
    Run("EN");
    EXPECT_EQ(Read("marker.txt"), "first\n");
}

TEST_F(StartScriptTest, ScriptInCp1250IsRewrittenInCp1250)
{
    Write("Start-CZ.ini", CodePage::FromUtf8(Script(1, 1, 1, "Spustit převod?", 0), "CP1250"));
    ScriptedAnswers::AnswerBox(IDOK);
    Run();
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().at(0).text, "Spustit převod?");
    const std::string rewritten = Read("Start-CZ.ini");
    EXPECT_FALSE(CodePage::IsUtf8(rewritten));
    EXPECT_NE(CodePage::ToUtf8(rewritten, "CP1250").find("Spustit převod?"), std::string::npos);
}
