// A formula applied to the selected cells of numeric columns (the calculator's formula, X the
// cell's value, I the row's place in the selection), and the sums of the selected numbers.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/CCalculatorDlg.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CFormulaParser.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WaitCursor.h"

namespace
{
char DecimalPoint()
{
    CSobrelApp* app = SobrelApp();
    return app ? app->decimalPoint : ',';
}

// A cell's data text as a number (0 for an empty or unreadable text).
double ValueOf(const CString& text)
{
    double value = 0;
    NumberText::Parse(NumberText::WithDecimalSeparator(text.str(), '.'), value);
    return value;
}

bool Numeric(const CColumnInfo* info) { return info && info->IsNumeric(); }
} // namespace

CString CSobrelView::ResultText(double value)
{
    // Fifteen significant digits: small values keep theirs before the column rounds them.
    return CString(NumberText::FormatReal("%.15g", value, DecimalPoint()).c_str());
}

void CSobrelView::OnCalculator()
{
    if (!ValidSelection())
        return;
    CCalculatorDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    CWaitCursor wait;
    const CString formula = dialog.formula;
    CSobrelApp* app = SobrelApp();
    CFormulaParser parser(app ? app->thousandSeparator : CString());
    const CCellRange range = m_grid->GetSelectedCellRange();
    bool changed = false;
    for (int c = std::max(range.GetMinCol(), fixedColumns); c <= range.GetMaxCol(); ++c)
    {
        const CColumnInfo* info = m_grid->GetColumnInfo(c);
        if (!Numeric(info))
            continue;
        for (int r = std::max(range.GetMinRow(), fixedRows); r <= range.GetMaxRow(); ++r)
        {
            if (!m_grid->IsCellSelected(r, c))
                continue;
            const CString text = m_grid->GetDataText(r, c, TRUE);
            const CString cellFormula = CFormulaParser::SubstituteRowVariable(formula, r - range.GetMinRow() + 1);
            unsigned short errorPosition = 0;
            CString errorText;
            const double result = parser.Evaluate(cellFormula, ValueOf(text), errorPosition, errorText);
            if (errorPosition != 0 || !errorText.IsEmpty())
            {
                AfxMessageBox(LanguageText(IDS_FORMULA_FAILED) + errorText + "\n\"" + cellFormula + "\"",
                              MB_OK | MB_ICONEXCLAMATION);
                continue;
            }
            const CString shown = CSobrelGrid::FormatValueText(ResultText(result), info->type, info->decimals,
                                                               m_grid->falseText, m_grid->trueText);
            if (shown == m_grid->GetItemText(r, c))
                continue;
            if (!changed)
                PushStep(new CUndoStep(CUndoStep::GroupBegin, this, m_grid->GetFocusCell().row,
                                       m_grid->GetFocusCell().col, LanguageText(IDS_FORMULA_GROUP) + formula));
            changed = true;
            SetCellText(r, c, ResultText(result));
        }
        m_grid->AutoSizeColumn(c);
    }
    m_grid->Invalidate();
    if (changed)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
}

void CSobrelView::OnSums()
{
    if (!ValidSelection())
        return;
    CCellRange range = m_grid->GetSelectedCellRange();
    if (range.GetRowSpan() == 1 && range.GetColSpan() == 1)
        range = CCellRange(fixedRows, fixedColumns, m_grid->GetRowCount() - 1, m_grid->GetColumnCount() - 1);
    CSobrelApp* app = SobrelApp();
    CTwoColumnListDlg dialog;
    for (int c = std::max(range.GetMinCol(), fixedColumns); c <= range.GetMaxCol(); ++c)
    {
        const CColumnInfo* info = m_grid->GetColumnInfo(c);
        if (m_grid->GetColumnWidth(c) == 0 || !Numeric(info))
            continue;
        double sum = 0;
        int added = 0;
        for (int r = std::max(range.GetMinRow(), fixedRows); r <= range.GetMaxRow(); ++r)
        {
            const CString text = m_grid->GetDataText(r, c, TRUE);
            if (!m_grid->IsCellSelected(r, c) || text.IsEmpty())
                continue;
            sum += ValueOf(text);
            ++added;
        }
        if (added == 0)
            continue;
        const int decimals = info->decimals != -2 ? info->decimals : app ? app->options.decimals : 2;
        dialog.firstColumn.push_back(m_grid->GetItemText(0, c));
        dialog.secondColumn.push_back(
            CString(NumberText::FormatReal("%." + std::to_string(std::max(decimals, 0)) + "f", sum, DecimalPoint()).c_str()));
    }
    if (!dialog.firstColumn.empty())
        dialog.DoModal();
}

void CSobrelView::OnUpdateCalculator(CCmdUI* pCmdUI)
{
    bool numeric = false;
    if (!editing && Writable() && ValidSelection())
        for (int c : SelectedColumns())
            numeric = numeric || Numeric(m_grid->GetColumnInfo(c));
    pCmdUI->Enable(numeric);
}

void CSobrelView::OnUpdateSums(CCmdUI* pCmdUI)
{
    bool numeric = false;
    if (!editing && ValidSelection())
    {
        const CCellRange range = m_grid->GetSelectedCellRange();
        const bool one = range.GetRowSpan() == 1 && range.GetColSpan() == 1;
        const int first = one ? fixedColumns : range.GetMinCol();
        const int last = one ? m_grid->GetColumnCount() - 1 : range.GetMaxCol();
        for (int c = first; c <= last; ++c)
            numeric = numeric || (m_grid->GetColumnWidth(c) != 0 && Numeric(m_grid->GetColumnInfo(c)));
    }
    pCmdUI->Enable(numeric);
}
