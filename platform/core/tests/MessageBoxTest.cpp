#include "platform/core/CFileException.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/widgets/WidgetMessageBoxes.h"
#include "testing/ScopedApplication.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

namespace
{
class MessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        MessageBoxes::SetPresenter(nullptr);
    }
    void TearDown() override { SetUp(); }
};

TEST_F(MessageBoxTest, ScriptedAnswersAndWhatWasShown)
{
    MessageBoxes::SetDefaultCaption("kalvenrod");
    ScriptedAnswers::AnswerBox(IDNO);
    ScriptedAnswers::AnswerBox(IDCANCEL);
    EXPECT_EQ(AfxMessageBox("Uložit změny?", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Problémy při práci se souborem a.xls", "kalvenrod - chyba",
                         MB_OKCANCEL | MB_ICONSTOP),
              IDCANCEL);
    const auto& shown = ScriptedAnswers::ShownBoxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Uložit změny?");
    EXPECT_EQ(shown[0].caption, "kalvenrod");
    EXPECT_EQ(shown[0].Buttons(), MB_YESNOCANCEL);
    EXPECT_EQ(shown[0].Icon(), MB_ICONQUESTION);
    EXPECT_EQ(shown[1].caption, "kalvenrod - chyba");
    EXPECT_EQ(shown[1].Icon(), MB_ICONSTOP);
}

TEST_F(MessageBoxTest, UnansweredBoxesTakeTheDefaultButton)
{
    struct Case
    {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AfxMessageBox("?", c.type), c.answer) << c.type;
}

TEST_F(MessageBoxTest, PresenterAnswersWhenNothingIsScripted)
{
    MessageBoxes::SetPresenter([](const MessageBoxRequest& r) { return r.text == "ano?" ? IDYES : IDNO; });
    EXPECT_EQ(AfxMessageBox("ano?", MB_YESNO), IDYES);
    ScriptedAnswers::AnswerBox(IDNO);
    EXPECT_EQ(AfxMessageBox("ano?", MB_YESNO), IDNO);
}

TEST_F(MessageBoxTest, TextOfAStringId)
{
    static const ResourceString strings[] = {{61471, "Problémy při práci se souborem %s"}};
    static const ResourceTable table{strings, 1};
    static const bool registered = (Resources::RegisterBuiltIn(&table), true);
    ASSERT_TRUE(registered);
    AfxMessageBox(61471, MB_ICONSTOP);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Problémy při práci se souborem %s");
}

TEST_F(MessageBoxTest, ExceptionReportsItsCzechText)
{
    CFileException e(CFileException::fileNotFound, 2, "MekrData.xls");
    e.ReportError();
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Soubor MekrData.xls nebyl nalezen.");
}

TEST_F(MessageBoxTest, WidgetBoxesNeverBlockOffScreen)
{
    const ScopedApplication application("offscreen");
    InstallWidgetMessageBoxes();
    EXPECT_EQ(AfxMessageBox("Pokračovat?", MB_YESNO | MB_DEFBUTTON2), IDNO);
    ScriptedAnswers::AnswerBox(IDYES);
    EXPECT_EQ(AfxMessageBox("Pokračovat?", MB_YESNO), IDYES);
}
} // namespace
