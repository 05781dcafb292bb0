#include "platform/ui/DialogManager.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/KeyMap.h"

#include <QApplication>

#include <algorithm>

namespace
{
bool Eligible(const CWnd* w)
{
    return w->IsWindowVisible() && w->IsWindowEnabled();
}

void CollectTabStops(const CWnd* parent, std::vector<CWnd*>& out)
{
    for (CWnd* c = parent->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
    {
        if (!Eligible(c))
            continue;
        if ((c->GetExStyle() & WS_EX_CONTROLPARENT) && !(c->GetStyle() & WS_TABSTOP))
            CollectTabStops(c, out);
        else if (c->GetStyle() & WS_TABSTOP)
            out.push_back(c);
    }
}

// Every control of the dialog in window order, inside WS_EX_CONTROLPARENT children too.
void CollectControls(const CWnd* parent, std::vector<CWnd*>& out)
{
    for (CWnd* c = parent->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
    {
        if ((c->GetExStyle() & WS_EX_CONTROLPARENT) && c->IsWindowVisible())
            CollectControls(c, out);
        else
            out.push_back(c);
    }
}

// The letter a control's text marks with '&', in lower case; none when it marks none.
QChar MnemonicOf(CWnd* control)
{
    CString text;
    control->GetWindowText(text);
    const QString q = QString::fromUtf8(text.GetString());
    for (qsizetype i = 0; i + 1 < q.size(); ++i)
    {
        if (q[i] != '&')
            continue;
        if (q[i + 1] == '&')
        {
            ++i;
            continue;
        }
        return q[i + 1].toLower();
    }
    return QChar();
}

bool IsWithin(const CWnd* dialog, const CWnd* w)
{
    return w && (w == dialog || dialog->IsChild(w));
}

UINT DlgCode(CWnd* control, MSG* msg)
{
    return control ? UINT(control->SendMessage(WM_GETDLGCODE, msg ? msg->wParam : 0,
                                               reinterpret_cast<LPARAM>(msg)))
                   : 0;
}
} // namespace

BOOL DialogManager::Mnemonic(CWnd* dialog, MSG* msg)
{
    const UINT vk = UINT(msg->wParam);
    if (!((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
        return FALSE;
    CWnd* target = CWnd::FromHandle(msg->hwnd);
    if (!IsWithin(dialog, target))
        return FALSE;
    // The first control whose text marks the letter with '&' (the letter's case does not matter).
    std::vector<CWnd*> all;
    CollectControls(dialog, all);
    for (std::size_t i = 0; i < all.size(); ++i)
    {
        CWnd* c = all[i];
        if (!c->IsWindowVisible() || !c->IsWindowEnabled())
            continue;
        // Only labels and buttons carry mnemonics; an edit's text is the user's.
        const UINT code = UINT(c->SendMessage(WM_GETDLGCODE));
        if (!(code & (DLGC_STATIC | DLGC_BUTTON)) || MnemonicOf(c) != QChar(vk).toLower())
            continue;
        if (code & DLGC_STATIC)
        {
            // A label (or group box) hands the focus to the next control that takes it.
            for (std::size_t j = i + 1; j < all.size(); ++j)
                if (all[j]->IsWindowVisible() && all[j]->IsWindowEnabled() &&
                    !(UINT(all[j]->SendMessage(WM_GETDLGCODE)) & DLGC_STATIC))
                {
                    GotoControl(all[j]);
                    return TRUE;
                }
            return TRUE;
        }
        if (code & DLGC_BUTTON)
        {
            c->SetFocus();
            c->SendMessage(BM_CLICK);
            return TRUE;
        }
    }
    return FALSE;
}

std::vector<CWnd*> DialogManager::TabStops(const CWnd* dialog)
{
    std::vector<CWnd*> stops;
    CollectTabStops(dialog, stops);
    return stops;
}

CWnd* DialogManager::NextTabItem(const CWnd* dialog, CWnd* control, BOOL previous)
{
    const std::vector<CWnd*> stops = TabStops(dialog);
    if (stops.empty())
        return nullptr;
    // A control that is no tab stop itself (or a child inside a control) counts from its place.
    CWnd* from = control;
    while (from && from != dialog && std::find(stops.begin(), stops.end(), from) == stops.end() &&
           (from->GetStyle() & WS_CHILD) && from->GetParent() != dialog &&
           !(from->GetParent()->GetExStyle() & WS_EX_CONTROLPARENT))
        from = from->GetParent();
    auto it = std::find(stops.begin(), stops.end(), from);
    if (it == stops.end())
    {
        // Not a tab stop: the next stop after it in the window order.
        if (!from || from == dialog)
            return previous ? stops.back() : stops.front();
        std::vector<CWnd*> all;
        for (CWnd* c = from->GetParent() ? from->GetParent()->GetWindow(GW_CHILD) : nullptr; c;
             c = c->GetWindow(GW_HWNDNEXT))
            all.push_back(c);
        auto pos = std::find(all.begin(), all.end(), from);
        if (pos == all.end())
            return previous ? stops.back() : stops.front();
        if (!previous)
        {
            for (auto p = pos + 1; p != all.end(); ++p)
                if (auto s = std::find(stops.begin(), stops.end(), *p); s != stops.end())
                    return *s;
            return stops.front();
        }
        for (auto p = pos; p != all.begin();)
            if (auto s = std::find(stops.begin(), stops.end(), *--p); s != stops.end())
                return *s;
        return stops.back();
    }
    if (previous)
        return it == stops.begin() ? stops.back() : *(it - 1);
    return it + 1 == stops.end() ? stops.front() : *(it + 1);
}

CWnd* DialogManager::NextGroupItem(const CWnd* dialog, CWnd* control, BOOL previous)
{
    if (!control || !IsWithin(dialog, control) || control == dialog)
        return nullptr;
    CWnd* parent = control->GetParent();
    std::vector<CWnd*> siblings;
    for (CWnd* c = parent->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
        siblings.push_back(c);
    const auto pos = std::find(siblings.begin(), siblings.end(), control);
    if (pos == siblings.end())
        return nullptr;
    // The group runs from the control with WS_GROUP at or before this one to the next WS_GROUP.
    auto first = pos;
    while (first != siblings.begin() && !((*first)->GetStyle() & WS_GROUP))
        --first;
    auto last = pos + 1;
    while (last != siblings.end() && !((*last)->GetStyle() & WS_GROUP))
        ++last;
    std::vector<CWnd*> group(first, last);
    const auto at = std::find(group.begin(), group.end(), control) - group.begin();
    const auto n = std::ptrdiff_t(group.size());
    for (std::ptrdiff_t step = 1; step < n; ++step)
    {
        const std::ptrdiff_t i = ((at + (previous ? -step : step)) % n + n) % n;
        if (Eligible(group[std::size_t(i)]))
            return group[std::size_t(i)];
    }
    return control;
}

void DialogManager::GotoControl(CWnd* control)
{
    if (!control)
        return;
    control->SetFocus();
    if (UINT(control->SendMessage(WM_GETDLGCODE)) & DLGC_HASSETSEL)
        control->SendMessage(EM_SETSEL, 0, -1);
}

int DialogManager::EnterCommandId(CWnd* dialog, CWnd* focus)
{
    if (focus && IsWithin(dialog, focus) &&
        (UINT(focus->SendMessage(WM_GETDLGCODE)) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return focus->GetDlgCtrlID();
    const LRESULT def = dialog->SendMessage(DM_GETDEFID);
    return HIWORD(DWORD(def)) == DC_HASDEFID ? int(LOWORD(DWORD(def))) : IDOK;
}

BOOL DialogManager::Handle(CWnd* dialog, MSG* msg)
{
    if (msg && msg->message == WM_SYSKEYDOWN)
        return Mnemonic(dialog, msg);
    if (!msg || msg->message != WM_KEYDOWN)
        return FALSE;
    CWnd* target = CWnd::FromHandle(msg->hwnd);
    if (!IsWithin(dialog, target))
        return FALSE;
    CWnd* focus = CWnd::GetFocus();
    if (!IsWithin(dialog, focus))
        focus = nullptr;
    const UINT code = DlgCode(focus, msg);
    if (code & DLGC_WANTALLKEYS)
        return FALSE;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (msg->wParam)
    {
    case VK_TAB:
    {
        if (code & DLGC_WANTTAB)
            return FALSE;
        GotoControl(NextTabItem(dialog, focus, shift));
        return TRUE;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    {
        if (code & DLGC_WANTARROWS)
            return FALSE;
        CWnd* next = NextGroupItem(dialog, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
        if (next && next != focus)
        {
            next->SetFocus();
            const UINT nextCode = DlgCode(next, nullptr);
            if ((nextCode & DLGC_RADIOBUTTON) && next->GetStyle() & BS_AUTORADIOBUTTON)
                next->SendMessage(BM_CLICK);
        }
        return TRUE;
    }
    case VK_RETURN:
    {
        const int id = EnterCommandId(dialog, focus);
        CWnd* button = dialog->GetDlgItem(id);
        if (button && !button->IsWindowEnabled())
            return TRUE;
        dialog->SendMessage(WM_COMMAND, MakeCommandParam(UINT(id), BN_CLICKED),
                            reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
        return TRUE;
    }
    case VK_ESCAPE:
    {
        CWnd* button = dialog->GetDlgItem(IDCANCEL);
        if (button && !button->IsWindowEnabled())
            return TRUE;
        dialog->SendMessage(WM_COMMAND, MakeCommandParam(IDCANCEL, BN_CLICKED),
                            reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
        return TRUE;
    }
    default:
        return FALSE;
    }
}
