#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/controls/CCalculatorDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/core/UserLocale.h"
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
    // Runs the formula command with the formula made by the calculator's buttons.
    void ApplyButtons(std::vector<UINT> buttons)
    {
        DialogScript::OnNext(IDD_CALCULATOR, [buttons](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_CALC_FORMULA, "");
            for (UINT id : buttons)
                dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
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
    EXPECT_EQ(Column(2), Local("1234,50|0,1234567891|99,00"));

    // A result is written with fifteen significant digits before the column rounds it.
    EXPECT_EQ(std::string(CSobrelView::ResultText(0.1234567891 * 1.21)), Local("0,149382714811"));
}

// A decimal number in a formula may be written with either separator, whatever the settings:
// the calculator turns the other one into the settings' own as it is typed.
TEST_F(Formula, NumbersInAFormulaTakeEitherDecimalSeparatorUnderEverySetting)
{
    struct SystemSettingsAfterwards
    {
        ~SystemSettingsAfterwards() { UserLocale::ResetToSystem(); }
    } afterwards;
    UserLocale pointGrouped = UserLocale::Czech();
    pointGrouped.thousandsSeparator = ".";
    const struct
    {
        const char* name;
        UserLocale locale;
        const char* shown;   // 1851.75 as the column shows it
        const char* grouped; // "X/1000" with the thousands separator, where a formula can hold it
    } settings[] = {{"Czech", UserLocale::Czech(), "1\u00A0851,75", "X/1\u00A0000"},
                    {"English", UserLocale::English(), "1,851.75", nullptr},
                    {"1.234,5", pointGrouped, "1.851,75", nullptr}};
    const struct
    {
        const char* formula;
        const char* column; // "," standing for the settings' decimal separator
    } cases[] = {
        {"X*1.5", "1851,75|0,19|148,50"},
        {"X*1,5", "1851,75|0,19|148,50"},
        {"x * 1,5", "1851,75|0,19|148,50"},
        {",5*X", "617,25|0,06|49,50"},
        {"X/2", "617,25|0,06|49,50"},
        {"(X+0.5)*2", "2470,00|1,25|199,00"},
        {"I*2.5", "2,50|5,00|7,50"},
        {"X*1000,1", "1234623,45|123,47|99009,90"},
    };
    for (const auto& setting : settings)
    {
        UserLocale::SetCurrent(setting.locale);
        ScriptedAnswers::Reset();
        ASSERT_TRUE(Start()) << setting.name;
        ASSERT_NE(OpenCatalogue(), nullptr) << setting.name;
        const std::string before = Column(2);
        ASSERT_EQ(before, Local("1234,50|0,1234567891|99,00")) << setting.name;
        for (const auto& c : cases)
        {
            m_view->Grid()->SetSelectedRange(1, 2, 3, 2);
            Apply(c.formula);
            EXPECT_EQ(Column(2), Local(c.column)) << setting.name << ": " << c.formula;
            m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
            ASSERT_EQ(Column(2), before) << setting.name << ": " << c.formula;
        }
        if (setting.grouped)
        {
            m_view->Grid()->SetSelectedRange(1, 2, 3, 2);
            Apply(setting.grouped);
            EXPECT_EQ(Column(2), Local("1,23|0,00|0,10")) << setting.name << ": " << setting.grouped;
            m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
        }
        m_view->Grid()->SetSelectedRange(1, 2, 3, 2);
        ApplyButtons({IDC_CALC_X, IDC_CALC_TIMES, IDC_CALC_1, IDC_CALC_DECIMAL, IDC_CALC_5});
        EXPECT_EQ(Column(2), Local("1851,75|0,19|148,50")) << setting.name << ": buttons";
        EXPECT_EQ(std::string(m_view->Grid()->GetItemText(1, 2)), setting.shown);
        for (const auto& box : ScriptedAnswers::ShownBoxes())
            ADD_FAILURE() << setting.name << ": " << box.text.GetString();
        Stop();
    }
}

// A cell changes when the result, as the column shows it, differs from what the cell shows: a
// number grouped in thousands is no change, and a value read with more digits than the column
// shows keeps them while the result shows as it does.
TEST_F(Formula, ACellChangesWhenItsShownValueChanges)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenCatalogue(), nullptr);
    CSobrelGrid& grid = *m_view->Grid();
    grid.RetypeCell(2, 2);
    ASSERT_EQ(std::string(grid.GetItemText(2, 2)), Local("0,12"));
    const struct
    {
        int firstRow, lastRow;
        const char* formula;
        std::size_t steps; // added to the journal
        const char* column;
    } cases[] = {
        {2, 2, "X*1.0001", 0, "1234,50|0,1234567891|99,00"},
        {2, 2, "X", 0, "1234,50|0,1234567891|99,00"},
        {1, 1, "X*2", 3, "2469,00|0,1234567891|99,00"},
        {1, 1, "X", 0, "2469,00|0,1234567891|99,00"},
        {1, 1, "X+0.001", 0, "2469,00|0,1234567891|99,00"},
        {1, 2, "X*1.01", 3, "2493,69|0,1234567891|99,00"},
        {2, 2, "X*2", 3, "2493,69|0,25|99,00"},
    };
    for (const auto& c : cases)
    {
        const std::size_t before = m_view->Journal().size();
        grid.SetSelectedRange(c.firstRow, 2, c.lastRow, 2);
        Apply(c.formula);
        EXPECT_EQ(m_view->Journal().size() - before, c.steps) << c.formula;
        EXPECT_EQ(Column(2), Local(c.column)) << c.formula;
    }
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
    EXPECT_EQ(Column(2), Local("1234,50|0,1234567891|99,00"));
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
