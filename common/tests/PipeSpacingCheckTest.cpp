#include "common/PipeSpacingCheck.h"

#include "common/AppSettings.h"
#include "platform/core/NumberText.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

namespace
{
struct SpacingCase
{
    std::vector<double> spacings;
    const char* setting;
    int answer; // 0: no question expected
    PipeSpacingOutcome outcome;
    const char* settingAfter;
};

TEST(PipeSpacingCheckTest, CatalogueSpacingAgainstTheSetting)
{
    AppSettings::Get().SetStartValues(0);
    const SpacingCase cases[] = {
        {{}, "0.075", 0, PipeSpacingOutcome::NoSpacing, "0.075"},
        {{0.075, 0.1}, "0.075", 0, PipeSpacingOutcome::Same, "0.075"},
        {{0.075}, "0,075", 0, PipeSpacingOutcome::Same, "0,075"},
        {{0.1, 0.15}, "0.075", IDYES, PipeSpacingOutcome::Taken, "0.1"},
        {{0.1}, "0.075", IDNO, PipeSpacingOutcome::Declined, "0.075"},
        {{0.0625}, "0.1", IDYES, PipeSpacingOutcome::Taken, "0.0625"},
        {{1.0}, "0.1", IDYES, PipeSpacingOutcome::Taken, "1"},
    };
    for (const SpacingCase& c : cases)
    {
        ScriptedAnswers::Reset();
        if (c.answer)
            ScriptedAnswers::AnswerBox(c.answer);
        CString setting = c.setting;
        EXPECT_EQ(CheckPipeSpacing(c.spacings, setting), c.outcome) << c.setting;
        EXPECT_EQ(setting, c.settingAfter);
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        if (c.outcome == PipeSpacingOutcome::Same)
            EXPECT_TRUE(boxes.empty());
        else
            ASSERT_EQ(boxes.size(), 1u);
        if (c.outcome == PipeSpacingOutcome::NoSpacing)
        {
            EXPECT_EQ(boxes[0].text, "Není nastavena řada roztečí t.t.!");
            EXPECT_EQ(boxes[0].caption, "kalvenrod - chyba");
        }
        if (c.answer)
        {
            EXPECT_EQ(boxes[0].Buttons(), MB_YESNO);
            EXPECT_EQ(boxes[0].caption, "kalvenrod - dotaz");
        }
    }
    ScriptedAnswers::Reset();
}

TEST(PipeSpacingCheckTest, QuestionNamesBothSpacings)
{
    AppSettings::Get().SetStartValues(0);
    ScriptedAnswers::Reset();
    ScriptedAnswers::AnswerBox(IDNO);
    CString setting = "0.075";
    CheckPipeSpacing({0.1}, setting);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text,
              "Systém je nastaven na jinou rozteč trubek než je v datech.\nSystém: 0.100 [m],\nData: 0.075 [m]!\n"
              "Pokračovat v novém nastavení??");
    ScriptedAnswers::Reset();
}
} // namespace
