#include "platform/ui/CDataExchange.h"

#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/DialogManager.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

IMPLEMENT_DYNAMIC(CUserException, CException)

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    if (!control)
    {
        std::fprintf(stderr, "data exchange: dialog has no control %d\n", nIDC);
        throw new CUserException;
    }
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return control->m_hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
        if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl))
        {
            control->SetFocus();
            if (m_bEditLastControl)
                control->SendMessage(EM_SETSEL, 0, -1);
        }
    throw new CUserException;
}

namespace
{
CWnd* Control(CDataExchange* pDX, int nIDC, bool edit)
{
    return CWnd::FromHandle(edit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC));
}

[[noreturn]] void Refuse(CDataExchange* pDX, const CString& message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    pDX->Fail();
}

std::string Trimmed(const CString& text)
{
    std::string s = text.str();
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Whole text as a whole number within [minVal, maxVal].
bool ParseWhole(const CString& text, long long minVal, long long maxVal, long long& value)
{
    const std::string s = Trimmed(text);
    if (s.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || !end || *end != 0 || v < minVal || v > maxVal)
        return false;
    value = v;
    return true;
}

template <class T> void ExchangeWhole(CDataExchange* pDX, int nIDC, T& value, const char* refusal)
{
    CWnd* control = Control(pDX, nIDC, true);
    if (pDX->m_bSaveAndValidate)
    {
        CString text;
        control->GetWindowText(text);
        long long v = 0;
        if (!ParseWhole(text, (long long)std::numeric_limits<T>::min(),
                        (long long)std::numeric_limits<T>::max(), v))
            Refuse(pDX, refusal);
        value = T(v);
    }
    else
    {
        control->SetWindowText(std::to_string(value).c_str());
    }
}

template <class T> void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, const char* format)
{
    CWnd* control = Control(pDX, nIDC, true);
    if (pDX->m_bSaveAndValidate)
    {
        CString text;
        control->GetWindowText(text);
        double v = 0;
        if (!NumberText::Parse(text.str(), v))
            Refuse(pDX, "Zadejte číslo.");
        value = T(v);
    }
    else
    {
        const std::string text =
            NumberText::FormatReal(format, double(value), UserLocale::Current().decimalSeparator);
        control->SetWindowText(text.c_str());
    }
}

// The radio buttons of the group that starts at the control.
std::vector<CWnd*> RadioGroup(CWnd* first)
{
    std::vector<CWnd*> group;
    for (CWnd* w = first; w; w = w->GetWindow(GW_HWNDNEXT))
    {
        if (w != first && (w->GetStyle() & WS_GROUP))
            break;
        const DWORD type = w->GetStyle() & BS_TYPEMASK;
        if (dynamic_cast<CButton*>(w) && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON))
            group.push_back(w);
    }
    return group;
}

std::string Number(const char* format, double value)
{
    return NumberText::FormatReal(format, value, UserLocale::Current().decimalSeparator);
}

template <class T> void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format("Zadejte celé číslo mezi %s a %s.", std::to_string(minVal).c_str(),
                   std::to_string(maxVal).c_str());
    Refuse(pDX, message);
}
} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* control = Control(pDX, nIDC, true);
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeWhole(pDX, nIDC, value, "Zadejte celé číslo.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeWhole(pDX, nIDC, value, "Zadejte kladné celé číslo.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeWhole(pDX, nIDC, value, "Zadejte celé číslo.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeWhole(pDX, nIDC, value, "Zadejte celé číslo.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeWhole(pDX, nIDC, value, "Zadejte celé číslo mezi 0 a 255.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, "%.15g");
}
void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, "%.6g");
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* control = Control(pDX, nIDC, false);
    if (pDX->m_bSaveAndValidate)
        value = int(control->SendMessage(BM_GETCHECK));
    else
        control->SendMessage(BM_SETCHECK, WPARAM(value));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* first = Control(pDX, nIDC, false);
    const std::vector<CWnd*> group = RadioGroup(first);
    if (pDX->m_bSaveAndValidate)
    {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->SendMessage(BM_GETCHECK) == BST_CHECKED)
                value = int(i);
    }
    else
    {
        for (std::size_t i = 0; i < group.size(); ++i)
            group[i]->SendMessage(BM_SETCHECK, int(i) == value ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    CWnd* control = Control(pDX, nIDC, false);
    if (pDX->m_bSaveAndValidate)
        index = int(control->SendMessage(CB_GETCURSEL));
    else
        control->SendMessage(CB_SETCURSEL, WPARAM(index));
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* control = Control(pDX, nIDC, false);
    if (pDX->m_bSaveAndValidate)
    {
        control->GetWindowText(value);
        return;
    }
    if (control->SendMessage(CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
        CB_ERR)
        control->SetWindowText(value);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* control = Control(pDX, nIDC, false);
    if (pDX->m_bSaveAndValidate)
    {
        control->GetWindowText(value);
        return;
    }
    const LRESULT found =
        control->SendMessage(CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString()));
    if (found == CB_ERR)
        control->SetWindowText(value);
    else
        control->SendMessage(CB_SETCURSEL, WPARAM(found));
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    CWnd* control = Control(pDX, nIDC, false);
    if (pDX->m_bSaveAndValidate)
        index = int(control->SendMessage(LB_GETCURSEL));
    else
        control->SendMessage(LB_SETCURSEL, WPARAM(index));
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    auto* list = dynamic_cast<CListBox*>(Control(pDX, nIDC, false));
    if (!list)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        const int sel = list->GetCurSel();
        if (sel == LB_ERR)
            value.Empty();
        else
            list->GetText(sel, value);
    }
    else if (list->SelectString(-1, value) == LB_ERR)
    {
        list->SetCurSel(-1);
    }
}

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    auto* list = dynamic_cast<CListBox*>(Control(pDX, nIDC, false));
    if (!list)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    list->SetCurSel(list->FindStringExact(-1, value));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(h))
    {
        std::fprintf(stderr, "data exchange: control %d cannot be taken over\n", nIDC);
        throw new CUserException;
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            CString message;
            message.Format("Zadejte nejvýše %d znaků.", nChars);
            Refuse(pDX, message);
        }
        return;
    }
    if (CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl))
    {
        if (dynamic_cast<CComboBox*>(control))
            control->SendMessage(CB_LIMITTEXT, WPARAM(nChars));
        else
            control->SendMessage(EM_LIMITTEXT, WPARAM(nChars));
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format("Zadejte číslo mezi %s a %s.", Number("%.15g", minVal).c_str(),
                   Number("%.15g", maxVal).c_str());
    Refuse(pDX, message);
}

void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message;
    message.Format("Zadejte číslo mezi %s a %s.", Number("%.6g", minVal).c_str(),
                   Number("%.6g", maxVal).c_str());
    Refuse(pDX, message);
}
