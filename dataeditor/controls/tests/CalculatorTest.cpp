#include "ControlsFixture.h"

#include "dataeditor/controls/CCalculatorDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CEdit.h"
#include "dataeditor/grid/CFormulaParser.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

namespace
{
class Calculator : public ControlsFixture
{
protected:
    // Runs the dialog; the action works on it after its OnInitDialog.
    int Run(CCalculatorDlg& dialog, std::function<int(CCalculatorDlg&)> action)
    {
        ScriptedAnswers::OnDialog(IDD_CALCULATOR,
                                  [action](CDialog& d) { return action(static_cast<CCalculatorDlg&>(d)); });
        return int(dialog.DoModal());
    }
    static CEdit& Edit(CCalculatorDlg& d) { return *static_cast<CEdit*>(d.GetDlgItem(IDC_CALC_FORMULA)); }
    static CString Text(CCalculatorDlg& d)
    {
        CString text;
        Edit(d).GetWindowText(text);
        return text;
    }
    static void Click(CCalculatorDlg& d, UINT id) { d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED)); }
    static void Type(CCalculatorDlg& d, const char* text)
    {
        Edit(d).SetWindowText(text);
        Edit(d).SetSel(-1, -1);
    }
};
} // namespace

TEST_F(Calculator, ButtonsInsertTheirTextsAtTheCaretAndClearGoesBackToX)
{
    CCalculatorDlg dialog;
    dialog.decimalSeparator = ",";
    CString built;
    CString cleared;
    Run(dialog,
        [&](CCalculatorDlg& d)
        {
            Edit(d).SetSel(0, 1); // the starting "X" is replaced
            for (UINT id : {IDC_CALC_2, IDC_CALC_DECIMAL, IDC_CALC_5, IDC_CALC_TIMES, IDC_CALC_SQR, IDC_CALC_PLUS,
                            IDC_CALC_I, IDC_CALC_MINUS, IDC_CALC_COTAN, IDC_CALC_DEG, IDC_CALC_SIN})
                Click(d, id);
            built = Text(d);
            Click(d, IDC_CALC_CLEAR);
            cleared = Text(d);
            return IDCANCEL;
        });
    EXPECT_EQ(built, "2,5 *  sqr(X)  + I -  1/tan(X)  deg(X) sin(X) ");
    EXPECT_EQ(cleared, "X");
}

TEST_F(Calculator, EveryFunctionButtonInsertsWhatTheEvaluatorReads)
{
    for (UINT id = IDC_CALC_0; id <= IDC_CALC_POWER; ++id)
    {
        CString text = CCalculatorDlg::ButtonText(id, ".");
        if (text.IsEmpty() || id == IDC_CALC_POWER || id == IDC_CALC_DIVIDE || id == IDC_CALC_MINUS ||
            id == IDC_CALC_TIMES || id == IDC_CALC_PLUS || id == IDC_CALC_DECIMAL)
            continue;
        text.MakeUpper();
        CFormulaParser parser;
        unsigned short position = 0;
        CString note;
        parser.Evaluate(CFormulaParser::SubstituteRowVariable(text, 1), 0.5, position, note);
        EXPECT_EQ(position, 0) << id << " " << text.GetString();
    }
}

TEST_F(Calculator, TheSeparatorGuardTurnsTheOtherSeparatorAtOnce)
{
    struct Case
    {
        const char* separator;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{",", "2.5*X", "2,5*X"}, Case{".", "2,5*X", "2.5*X"}, Case{",", "2,5", "2,5"}})
    {
        CCalculatorDlg dialog;
        dialog.decimalSeparator = c.separator;
        CString shown;
        int start = -1;
        int end = -1;
        Run(dialog,
            [&](CCalculatorDlg& d)
            {
                Type(d, c.typed);
                shown = Text(d);
                Edit(d).GetSel(start, end);
                return IDCANCEL;
            });
        EXPECT_EQ(shown, c.shown) << c.typed;
        EXPECT_EQ(end, int(CString(c.typed).GetLength())) << "caret kept";
    }
}

TEST_F(Calculator, OkHandsOverUpperCaseOrRefusesWithTheCaretBeforeTheFault)
{
    struct Case
    {
        const char* typed;
        int result;
        const char* formula;
        UINT message; // 0: none
        int caret;    // -1: not checked
    };
    const Case cases[] = {
        {"x*1.21", IDOK, "X*1.21", 0, -1},
        {"sin(x) + i", IDOK, "SIN(X) + I", 0, -1},
        {" sqr(X) ", IDOK, " SQR(X) ", 0, -1},
        {"", IDCANCEL, "", IDS_CALC_EMPTY, -1},
        {"X*)2", IDCANCEL, "X*)2", IDS_CALC_INVALID, 3},
    };
    for (const Case& c : cases)
    {
        ScriptedAnswers::Reset();
        CCalculatorDlg dialog;
        dialog.decimalSeparator = ".";
        int start = -1;
        int end = -1;
        const int result = Run(dialog,
                               [&](CCalculatorDlg& d)
                               {
                                   Type(d, c.typed);
                                   d.SendMessage(WM_COMMAND, IDOK);
                                   if (!d.GetSafeHwnd())
                                       return IDOK;
                                   Edit(d).GetSel(start, end);
                                   return IDCANCEL;
                               });
        EXPECT_EQ(result, c.result) << c.typed;
        if (c.result == IDOK)
        {
            EXPECT_EQ(dialog.formula, c.formula);
        }
        const auto& boxes = ScriptedAnswers::ShownBoxes();
        if (c.message == 0)
            EXPECT_TRUE(boxes.empty()) << c.typed;
        else
        {
            ASSERT_EQ(boxes.size(), 1u) << c.typed;
            CString expected;
            expected.LoadString(c.message);
            EXPECT_EQ(boxes[0].text, expected);
            EXPECT_EQ(boxes[0].type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        }
        if (c.caret >= 0)
        {
            EXPECT_EQ(start, c.caret - 1) << c.typed;
            EXPECT_EQ(end, c.caret - 1) << c.typed;
        }
    }
}

TEST_F(Calculator, Picture)
{
    QDir().mkpath("pictures");
    CCalculatorDlg dialog;
    dialog.decimalSeparator = ",";
    EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-1023.png"));
}
