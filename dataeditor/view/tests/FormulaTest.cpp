#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/controls/CCalculatorDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/frame/FrameIds.h"

namespace
{
class Formula : public DocumentFixture
{
protected:
    CSobrelView* OpenCatalogue()
    {
        CSobrelDoc* document = Open("A$");
        m_view = document ? document->View() : nullptr;
        return m_view;
    }
    // Runs the formula command with the formula typed into the calculator.
    void Apply(const char* formula)
    {
        DialogScript::OnNext(IDD_CALCULATOR, [formula](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_CALC_FORMULA, formula);
            dialog.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        m_view->SendMessage(WM_COMMAND, ID_CALCULATOR);
    }
    // The text with "," standing for the user's decimal separator.
    std::string Local(std::string text) const
    {
        std::replace(text.begin(), text.end(), ',', m_app->decimalPoint);
        return text;
    }
    std::string Column(int col) const
    {
        std::string texts;
        for (int r = 1; r < m_view->Grid()->GetRowCount(); ++r)
            texts += std::string(m_view->Grid()->GetDataText(r, col, TRUE)) + (r + 1 < m_view->Grid()->GetRowCount() ? "|" : "");
        return texts;
    }
    CSobrelView* m_view = nullptr;
};
} // namespace

TEST_F(Formula, TheRowVariableCountsTheSelectedRowsAndTextColumnsStayAsTheyAre)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenCatalogue(), nullptr);
    const std::string names = Column(1);
    m_view->Grid()->SetSelectedRange(1, 1, 3, 2);
    Apply("I*2");
    EXPECT_EQ(Column(2), Local("2,00|4,00|6,00"));
    EXPECT_EQ(Column(1), names);
    ASSERT_EQ(m_view->Journal().size(), 5u);
    EXPECT_EQ(m_view->Journal().front()->kind, CUndoStep::GroupBegin);
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::GroupEnd);
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Column(2), Local("1234,5|0,1234567891|99"));

    // A result is written with fifteen significant digits before the column rounds it.
    EXPECT_EQ(std::string(CSobrelView::ResultText(0.1234567891 * 1.21)), Local("0,149382714811"));
}

TEST_F(Formula, AFormulaThatFailsIsToldAndLeavesTheCell)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenCatalogue(), nullptr);
    m_view->Grid()->SetSelectedRange(1, 2, 1, 2);
    ScriptedAnswers::AnswerBox(IDOK);
    Apply("LN(X-2000)");
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes()[0].text.Find("\"LN(X-2000)\"") >= 0);
    EXPECT_EQ(Column(2), Local("1234,5|0,1234567891|99"));
    EXPECT_TRUE(m_view->Journal().empty());
}

TEST_F(Formula, TheSumsOfOneCellListItsColumnAndValue)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenCatalogue(), nullptr);
    std::vector<CString> first, second;
    DialogScript::OnNext(IDD_TWO_COLUMN_LIST, [&](CDialog& dialog) {
        auto& list = static_cast<CTwoColumnListDlg&>(dialog);
        first = list.firstColumn;
        second = list.secondColumn;
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    m_view->Grid()->SetSelectedRange(3, 2, 3, 2);
    m_view->SendMessage(WM_COMMAND, ID_SUMS);
    EXPECT_EQ(first, std::vector<CString>{"Cena"});
    EXPECT_EQ(second, std::vector<CString>{Local("99,00").c_str()});

    DialogScript::OnNext(IDD_TWO_COLUMN_LIST, [&](CDialog& dialog) {
        second = static_cast<CTwoColumnListDlg&>(dialog).secondColumn;
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    m_view->Grid()->SetSelectedRange(1, 1, 3, 2);
    m_view->SendMessage(WM_COMMAND, ID_SUMS);
    EXPECT_EQ(second, std::vector<CString>{Local("1333,62").c_str()});
}
