#include "dataeditor/controls/CCalculatorDlg.h"

#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/grid/CFormulaParser.h"
#include "platform/core/MessageBox.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CDataExchange.h"

namespace
{
struct InsertButton
{
    UINT id;
    const char* text;
};

// The function buttons insert only names the evaluator knows.
const InsertButton insertButtons[] = {
    {IDC_CALC_0, "0"},           {IDC_CALC_1, "1"},
    {IDC_CALC_2, "2"},           {IDC_CALC_3, "3"},
    {IDC_CALC_4, "4"},           {IDC_CALC_5, "5"},
    {IDC_CALC_6, "6"},           {IDC_CALC_7, "7"},
    {IDC_CALC_8, "8"},           {IDC_CALC_9, "9"},
    {IDC_CALC_X, "X"},           {IDC_CALC_I, "I"},
    {IDC_CALC_SIN, "sin(X) "},   {IDC_CALC_COS, " cos(X) "},
    {IDC_CALC_TAN, " tan(X) "},  {IDC_CALC_COTAN, " 1/tan(X) "},
    {IDC_CALC_DIVIDE, " / "},    {IDC_CALC_MINUS, " - "},
    {IDC_CALC_TIMES, " * "},     {IDC_CALC_PLUS, " + "},
    {IDC_CALC_SQUARE, " X^2 "},  {IDC_CALC_POWER, " X^"},
    {IDC_CALC_TEN_POWER, " 10^X "}, {IDC_CALC_EXP, " exp(X) "},
    {IDC_CALC_LN, " ln(X) "},    {IDC_CALC_LOG, " log(X) "},
    {IDC_CALC_SQR, " sqr(X) "},  {IDC_CALC_ABS, " abs(X) "},
    {IDC_CALC_DEG, " deg(X) "},  {IDC_CALC_RAD, " rad(X) "},
    {IDC_CALC_ARCSIN, " arcsin(X) "}, {IDC_CALC_ARCCOS, " arccos(X) "},
    {IDC_CALC_ARCTAN, " arctan(X) "},
};
} // namespace

BEGIN_MESSAGE_MAP(CCalculatorDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CALC_0, IDC_CALC_POWER, OnInsert)
    ON_EN_UPDATE(IDC_CALC_FORMULA, OnUpdateFormula)
END_MESSAGE_MAP()

CCalculatorDlg::CCalculatorDlg(CWnd* pParent) : CDialog(IDD_CALCULATOR, pParent)
{
    decimalSeparator = CString(UserLocale::Current().decimalSeparator);
}

CString CCalculatorDlg::ButtonText(UINT id, const CString& decimalSeparator)
{
    if (id == IDC_CALC_DECIMAL)
        return decimalSeparator;
    for (const InsertButton& button : insertButtons)
        if (button.id == id)
            return button.text;
    return CString();
}

CString CCalculatorDlg::WithSeparator(const CString& text, const CString& decimalSeparator)
{
    CString result = text;
    if (decimalSeparator == ",")
        result.Replace(".", ",");
    else
        result.Replace(",", decimalSeparator);
    return result;
}

BOOL CCalculatorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_CALC_FORMULA, this);
    SetDlgItemText(IDC_CALC_DECIMAL, decimalSeparator);
    return TRUE;
}

void CCalculatorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CALC_FORMULA, formula);
}

void CCalculatorDlg::OnInsert(UINT id)
{
    if (LOWORD(id) == IDC_CALC_CLEAR)
    {
        OnClear();
        return;
    }
    const CString text = ButtonText(LOWORD(id), decimalSeparator);
    if (text.IsEmpty())
        return;
    m_edit.ReplaceSel(text);
    m_edit.SetFocus();
}

void CCalculatorDlg::OnClear()
{
    formula = "X";
    UpdateData(FALSE);
    m_edit.SetFocus();
}

void CCalculatorDlg::OnUpdateFormula()
{
    if (m_guarding || !m_edit.GetSafeHwnd())
        return;
    CString text;
    m_edit.GetWindowText(text);
    const CString corrected = WithSeparator(text, decimalSeparator);
    if (corrected == text)
        return;
    int start = 0;
    int end = 0;
    m_edit.GetSel(start, end);
    m_guarding = true;
    m_edit.SetWindowText(corrected);
    m_guarding = false;
    m_edit.SetSel(start, end);
    m_edit.SendMessage(EM_SCROLLCARET);
}

void CCalculatorDlg::OnOK()
{
    m_edit.GetWindowText(formula);
    if (formula.IsEmpty())
    {
        AfxMessageBox(IDS_CALC_EMPTY, MB_ICONEXCLAMATION);
        return;
    }
    formula.MakeUpper();
    unsigned short errorPosition = 0;
    CString errorText;
    // Checked as the command reads it: the thousands separator left out.
    CFormulaParser parser(CString(UserLocale::Current().thousandsSeparator.c_str()));
    parser.Evaluate(CFormulaParser::SubstituteRowVariable(formula, 1), 1.0, errorPosition, errorText);
    if (errorPosition > 0)
    {
        AfxMessageBox(IDS_CALC_INVALID, MB_ICONEXCLAMATION);
        m_edit.SetSel(errorPosition - 1, errorPosition - 1);
        m_edit.SendMessage(EM_SCROLLCARET);
        m_edit.SetFocus();
        return;
    }
    UpdateData(FALSE);
    EndDialog(IDOK);
}
