// A command that throws ends at the frame: the user is told why and the program goes on.

#include "SdiTestProgram.h"

#include "platform/core/CException.h"
#include "platform/frame/FrameTexts.h"
#include "platform/ui/CDataExchange.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
class ExceptionWithText : public CException
{
public:
    CString GetMessageText() const override { return "Databázi nelze měnit."; }
};

class ThrowingFrame : public CFrameWnd
{
public:
    int m_calculations = 0;

protected:
    afx_msg void OnCalculate()
    {
        ++m_calculations;
        if (m_calculations == 1)
            throw std::runtime_error("Buňka leží mimo rozsah listu (nejvýše 65536 řádků a 256 sloupců).");
        if (m_calculations == 2)
            throw new ExceptionWithText;
        if (m_calculations == 3)
            throw new CUserException;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingFrame, CFrameWnd)
    ON_COMMAND(ID_CALCULATE, OnCalculate)
END_MESSAGE_MAP()
} // namespace

TEST(CommandFailure, AThrowingCommandIsShownAndTheProgramGoesOn)
{
    UiTest::EnsureApplication();
    ScriptedAnswers::Reset();
    TestApp app;
    auto* frame = new ThrowingFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_RES_FRAME));
    app.m_pMainWnd = frame;

    struct Case
    {
        const char* cause; // null: nothing shown
    };
    for (const Case& c : {Case{"Buňka leží mimo rozsah listu (nejvýše 65536 řádků a 256 sloupců)."},
                          Case{"Databázi nelze měnit."}, Case{nullptr}, Case{nullptr}})
    {
        const std::size_t before = ScriptedAnswers::ShownBoxes().size();
        EXPECT_TRUE(frame->SendMessage(WM_COMMAND, ID_CALCULATE));
        if (!c.cause)
        {
            EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), before);
            continue;
        }
        ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), before + 1);
        const MessageBoxRequest& shown = ScriptedAnswers::ShownBoxes().back();
        EXPECT_EQ(shown.text, FrameTexts::Format(FrameTexts::CommandFailed, c.cause));
        EXPECT_EQ(shown.type, UINT(MB_OK | MB_ICONSTOP));
    }
    EXPECT_EQ(frame->m_calculations, 4);
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    ScriptedAnswers::Reset();
}
