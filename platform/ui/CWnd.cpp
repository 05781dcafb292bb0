#include "platform/ui/CWnd.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogManager.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/GdiHandle.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/MessageContext.h"
#include "platform/ui/QtText.h"
#include "platform/ui/WindowBridge.h"
#include "platform/ui/WindowRegistry.h"
#include "platform/ui/WindowWidget.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

namespace
{
CRect FromQRect(const QRect& r)
{
    return CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}
QRect ToQRect(const RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
bool IsTopLevelStyle(DWORD style)
{
    return !(style & WS_CHILD);
}
// The frame around a top-level window's widget: window rectangles include it.
QMargins FrameMargins(const QWidget* w)
{
    return QMargins(w->geometry().left() - w->frameGeometry().left(),
                    w->geometry().top() - w->frameGeometry().top(),
                    w->frameGeometry().right() - w->geometry().right(),
                    w->frameGeometry().bottom() - w->geometry().bottom());
}
} // namespace

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd)
    {
        m_bAutoDelete = FALSE;
        DestroyWindow();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WindowRegistry::Find(WidgetOf(hWnd));
}

QWidget* CWnd::GetWidget() const
{
    return WidgetOf(m_hWnd);
}

QWidget* CWnd::GetClientWidget() const
{
    return m_bridge ? m_bridge->ClientWidget() : nullptr;
}

// ---- creation and destruction ------------------------------------------------------------

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    const CRect rect(x, y, x + nWidth, y + nHeight);
    const UINT id = (dwStyle & WS_CHILD) ? UINT(reinterpret_cast<UINT_PTR>(nIDorHMenu)) : 0;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect, FromHandle(hWndParent), id,
                    lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    InputRouter::Install();
    CREATESTRUCT cs;
    cs.lpCreateParams = lpParam;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = reinterpret_cast<HMENU>(UINT_PTR(nID));
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = LONG(dwStyle);
    cs.dwExStyle = dwExStyle;
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    if (!PreCreateWindow(cs))
        return FALSE;

    CWnd* parent = FromHandle(cs.hwndParent);
    const DWORD style = DWORD(cs.style);
    if ((style & WS_CHILD) && !parent)
        return FALSE;
    m_style = style & ~WS_VISIBLE;
    m_exStyle = cs.dwExStyle;
    m_nID = (style & WS_CHILD) ? UINT(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
    if (IS_INTRESOURCE(cs.lpszClass))
        m_className = cs.lpszClass ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(cs.lpszClass)) : "";
    else
        m_className = cs.lpszClass;
    if (!(style & WS_CHILD))
        m_pOwner = parent;

    QWidget* parentWidget = nullptr;
    if (parent)
        parentWidget = (style & WS_CHILD) ? parent->GetClientWidget() : parent->GetWidget()->window();
    QWidget* widget = CreateWidget(cs, parentWidget);
    if (!widget)
        return FALSE;
    if (IsTopLevelStyle(style))
    {
        Qt::WindowFlags flags =
            (style & WS_CAPTION) == WS_CAPTION ? Qt::Dialog : Qt::Tool | Qt::FramelessWindowHint;
        if (m_exStyle & WS_EX_TOPMOST)
            flags |= Qt::WindowStaysOnTopHint;
        if (m_exStyle & WS_EX_TOOLWINDOW)
            flags |= Qt::WindowDoesNotAcceptFocus;
        widget->setWindowFlags(flags);
    }
    AttachWidget(widget);
    widget->setGeometry(rect.left == int(0x80000000)
                            ? QRect(0, 0, cs.cx, cs.cy)
                            : QRect(cs.x, cs.y, std::max(0, cs.cx), std::max(0, cs.cy)));
    // A top-level window knows its frame from the start, as its window rectangle includes it.
    if (widget->isWindow())
        widget->winId();
    if (lpszWindowName)
        SetWindowText(lpszWindowName);
    ApplyStyle(0);
    ConnectWidget();

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1)
    {
        DestroyWindow();
        return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    m_bridge->ReportSize();
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

QWidget* CWnd::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* widget = new WindowWidget(parent);
    widget->ShowBar(Qt::Horizontal, cs.style & WS_HSCROLL);
    widget->ShowBar(Qt::Vertical, cs.style & WS_VSCROLL);
    return widget;
}

void CWnd::AttachWidget(QWidget* widget)
{
    m_hWnd = HandleOf(widget);
    WindowRegistry::Add(widget, this);
    m_bridge = std::make_unique<WindowBridge>(this, widget);
}

void CWnd::ApplyStyle(DWORD oldStyle)
{
    QWidget* w = GetWidget();
    if (!w)
        return;
    const DWORD changed = m_style ^ oldStyle;
    if (changed & WS_DISABLED || oldStyle == 0)
        w->setEnabled(!(m_style & WS_DISABLED));
    // A top-level window that gains a sizing frame can be resized; its limits come from
    // WM_GETMINMAXINFO when it is shown.
    if (w->isWindow() && oldStyle != 0 && (changed & WS_THICKFRAME))
    {
        if (m_style & WS_THICKFRAME)
        {
            w->setMinimumSize(0, 0);
            w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        else
            w->setFixedSize(w->size());
    }
    if (auto* ww = dynamic_cast<WindowWidget*>(w))
    {
        ww->SetFramed((m_style & WS_BORDER) || (m_exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)));
        ww->ShowBar(Qt::Horizontal, m_style & WS_HSCROLL);
        ww->ShowBar(Qt::Vertical, m_style & WS_VSCROLL);
    }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&)
{
    return TRUE;
}
void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CWnd::OnNcDestroy()
{
    Default();
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd || m_destroying)
        return FALSE;
    m_destroying = true;
    QWidget* widget = GetWidget();
    if (GetCapture() == this)
        ReleaseCapture();
    SendMessage(WM_DESTROY);
    // Children go after their parent has heard WM_DESTROY.
    if (QWidget* client = GetClientWidget())
    {
        const QObjectList children = client->children();
        for (QObject* o : children)
        {
            if (auto* cw = qobject_cast<QWidget*>(o))
                if (CWnd* child = WindowRegistry::Find(cw))
                    child->DestroyWindow();
        }
    }
    // Owned pop-ups too.
    for (CWnd* owned : WindowRegistry::OwnedBy(this))
        owned->DestroyWindow();
    SendMessage(WM_NCDESTROY);
    WindowRegistry::Remove(widget);
    m_bridge.reset();
    m_hWnd = nullptr;
    m_destroying = false;
    if (widget)
    {
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    }
    PostNcDestroy();
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    QWidget* widget = WidgetOf(hWnd);
    if (m_hWnd || !widget)
        return FALSE;
    CWnd* previous = WindowRegistry::Find(widget);
    if (previous)
    {
        m_style = previous->m_style;
        m_exStyle = previous->m_exStyle;
        m_nID = previous->m_nID;
        m_className = previous->m_className;
        m_pOwner = previous->m_pOwner;
        m_hFont = previous->m_hFont;
        m_props = previous->m_props;
        previous->m_bridge.reset();
        previous->m_hWnd = nullptr;
        if (previous->m_bAutoDelete)
            delete previous;
    }
    AttachWidget(widget);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* item = pParent ? pParent->GetDlgItem(int(nID)) : nullptr;
    return item && item != this ? SubclassWindow(item->m_hWnd) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND h = m_hWnd;
    if (!h)
        return nullptr;
    WindowRegistry::Remove(GetWidget());
    m_bridge.reset();
    m_hWnd = nullptr;
    return h;
}

// ---- messages ---------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    MessageFrame frame;
    frame.wnd = this;
    frame.msg.hwnd = m_hWnd;
    frame.msg.message = message;
    frame.msg.wParam = wParam;
    frame.msg.lParam = lParam;
    MessageFrameScope scope(frame);
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bridge)
        return FALSE;
    m_bridge->Post(message, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND)
    {
        // A control's notification is first offered back to the control itself.
        CWnd* pChild = lParam ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
        handled = pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, &result);
        if (!handled)
        {
            handled = OnCommand(wParam, lParam);
            result = handled;
        }
    }
    else if (message == WM_NOTIFY)
    {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        handled = hdr && OnNotify(wParam, lParam, &result);
    }
    else
    {
        handled = DispatchFromMap(message, 0, 0, wParam, lParam, result);
    }
    if (pResult)
        *pResult = result;
    return handled;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    return OnCmdMsg(LOWORD(wParam), int(short(HIWORD(wParam))), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    LRESULT result = 0;
    const bool handled =
        DispatchFromMap(WM_NOTIFY, hdr->code, UINT(hdr->idFrom), WPARAM(hdr->idFrom), lParam, result);
    if (handled && pResult)
        *pResult = result;
    return handled;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

const MSG* CWnd::GetCurrentMessage()
{
    static MSG none;
    const MessageFrame* f = MessageContext::Current();
    return f ? &f->msg : &none;
}

LRESULT CWnd::Default()
{
    MessageFrame* f = MessageContext::Current();
    if (!f || f->wnd != this)
        return 0;
    return DefWindowProc(f->msg.message, f->msg.wParam, f->msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageFrame* f = MessageContext::Current();
    if (f && f->wnd == this && f->event && f->msg.message == message)
    {
        if (!f->defaultRan)
        {
            if (f->forwardable)
                MessageContext::Forward(*f);
            f->defaultRan = true;
        }
        return 0;
    }
    QWidget* w = GetWidget();
    switch (message)
    {
    case WM_SETTEXT:
        if (w)
            w->setWindowTitle(ToQString(reinterpret_cast<LPCTSTR>(lParam)));
        return TRUE;
    case WM_GETTEXTLENGTH:
        return w ? LRESULT(w->windowTitle().toUtf8().size()) : 0;
    case WM_GETTEXT:
    {
        if (!w || wParam == 0)
            return 0;
        const QByteArray text = w->windowTitle().toUtf8();
        const std::size_t n = std::min<std::size_t>(std::size_t(text.size()), wParam - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), text.constData(), n);
        reinterpret_cast<char*>(lParam)[n] = 0;
        return LRESULT(n);
    }
    case WM_SETFONT:
        SetFontHandle(HFONT(wParam), BOOL(lParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_hFont);
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_SETCURSOR:
    {
        CWnd* parent = (m_style & WS_CHILD) ? GetParent() : nullptr;
        if (parent && parent->SendMessage(WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (short(LOWORD(lParam)) == HTCLIENT && dynamic_cast<WindowWidget*>(w))
            GetClientWidget()->setCursor(Qt::ArrowCursor);
        return FALSE;
    }
    case WM_NCHITTEST:
    {
        CRect r;
        GetWindowRect(&r);
        return r.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) ? HTCLIENT : HTNOWHERE;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if ((m_style & WS_CHILD) && GetParent())
            return GetParent()->SendMessage(message, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        InputRouter::DeliverSyntheticKey(this, message, wParam);
        return 0;
    default:
        return 0;
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
    {
        child->SendMessage(message, wParam, lParam);
        if (bDeep)
            child->SendMessageToDescendants(message, wParam, lParam, bDeep);
    }
}

void CWnd::NotifyParent(UINT code)
{
    CWnd* parent = GetParent();
    if (parent && (m_style & WS_CHILD))
        parent->SendMessage(WM_COMMAND, MakeCommandParam(m_nID, code), reinterpret_cast<LPARAM>(m_hWnd));
}

// ---- identity and family ------------------------------------------------------------------

int CWnd::GetDlgCtrlID() const
{
    return int(m_nID);
}

int CWnd::SetDlgCtrlID(int nID)
{
    const int old = int(m_nID);
    m_nID = UINT(nID);
    return old;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    QWidget* client = GetClientWidget();
    if (!client)
        return nullptr;
    for (QObject* o : client->children())
    {
        if (!o->isWidgetType())
            continue;
        CWnd* child = WindowRegistry::Find(static_cast<QWidget*>(o));
        if (child && child->m_nID == UINT(nID) && (child->m_style & WS_CHILD))
            return child;
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const
{
    QWidget* w = GetWidget();
    if (!w)
        return nullptr;
    if (!(m_style & WS_CHILD))
        return m_pOwner;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (CWnd* wnd = WindowRegistry::Find(p))
            return wnd;
    return nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    CWnd* old = GetParent();
    QWidget* w = GetWidget();
    if (!w)
        return nullptr;
    if (m_style & WS_CHILD)
    {
        if (!pWndNewParent)
            return nullptr;
        const bool visible = w->isVisibleTo(w->parentWidget());
        w->setParent(pWndNewParent->GetClientWidget());
        w->setVisible(visible);
    }
    else
    {
        m_pOwner = pWndNewParent;
    }
    return old;
}

CWnd* CWnd::GetOwner() const
{
    return m_pOwner ? m_pOwner : GetParent();
}
void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_pOwner = pOwnerWnd;
}

CWnd* CWnd::GetTopLevelParent() const
{
    const CWnd* w = this;
    while (w && (w->m_style & WS_CHILD) && w->GetParent())
        w = w->GetParent();
    return const_cast<CWnd*>(w);
}

CWnd* CWnd::GetParentOwner() const
{
    const CWnd* w = this;
    while (w && (w->m_style & WS_CHILD) && w->GetParent())
        w = w->GetParent();
    return const_cast<CWnd*>(w);
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    auto windowsIn = [](QWidget* container)
    {
        std::vector<CWnd*> list;
        if (container)
            for (QObject* o : container->children())
                if (o->isWidgetType())
                    if (CWnd* c = WindowRegistry::Find(static_cast<QWidget*>(o));
                        c && (c->m_style & WS_CHILD))
                        list.push_back(c);
        return list;
    };
    if (nCmd == GW_CHILD)
    {
        const auto list = windowsIn(GetClientWidget());
        return list.empty() ? nullptr : list.front();
    }
    if (nCmd == GW_OWNER)
        return (m_style & WS_CHILD) ? nullptr : m_pOwner;
    CWnd* parent = (m_style & WS_CHILD) ? GetParent() : nullptr;
    if (!parent)
        return nullptr;
    const auto list = windowsIn(parent->GetClientWidget());
    const auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return nullptr;
    switch (nCmd)
    {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return it + 1 == list.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == list.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    for (const CWnd* w = pWnd; w && (w->m_style & WS_CHILD); w = w->GetParent())
        if (w->GetParent() == this)
            return TRUE;
    return FALSE;
}

// ---- text -----------------------------------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString ? lpszString : ""));
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    CString text;
    GetWindowText(text);
    return CopyText(text, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    auto* self = const_cast<CWnd*>(this);
    const LRESULT length = self->SendMessage(WM_GETTEXTLENGTH);
    std::string buffer(std::size_t(length) + 1, '\0');
    const LRESULT copied =
        self->SendMessage(WM_GETTEXT, WPARAM(buffer.size()), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(std::size_t(std::max<LRESULT>(0, copied)));
    rString = CString(std::move(buffer));
}

int CWnd::GetWindowTextLength() const
{
    return int(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (CWnd* item = GetDlgItem(nID))
        item->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    CWnd* item = GetDlgItem(nID);
    if (!item)
    {
        if (lpStr && nMaxCount > 0)
            lpStr[0] = 0;
        return 0;
    }
    return item->GetWindowText(lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (CWnd* item = GetDlgItem(nID))
        item->GetWindowText(rString);
    return rString.ByteLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    const std::string text = bSigned ? std::to_string(int(nValue)) : std::to_string(nValue);
    SetDlgItemText(nID, text.c_str());
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    CString text;
    GetDlgItemText(nID, text);
    std::string s = text.str();
    s.erase(0, s.find_first_not_of(" \t"));
    s.erase(s.find_last_not_of(" \t") + 1);
    char* end = nullptr;
    errno = 0;
    const long long v = s.empty() ? 0 : std::strtoll(s.c_str(), &end, 10);
    const bool ok = !s.empty() && end && *end == 0 && errno == 0 && (bSigned || s[0] != '-') &&
                    (bSigned ? (v >= INT32_MIN && v <= INT32_MAX) : (v >= 0 && v <= UINT32_MAX));
    if (lpTrans)
        *lpTrans = ok;
    return ok ? UINT(v) : 0;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    CWnd* item = GetDlgItem(nIDButton);
    return item ? UINT(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (IsDlgButtonChecked(id))
            return id;
    return 0;
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* item = GetDlgItem(nID);
    return item ? item->SendMessage(message, wParam, lParam) : 0;
}

// ---- state ----------------------------------------------------------------------------------

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    QWidget* w = GetWidget();
    if (!w)
        return FALSE;
    const BOOL wasDisabled = (m_style & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    if (bool(wasDisabled) == bool(bEnable))
    {
        w->setEnabled(bEnable);
        SendMessage(WM_ENABLE, WPARAM(bEnable));
    }
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && !(m_style & WS_DISABLED);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    QWidget* w = GetWidget();
    if (!w)
        return FALSE;
    const BOOL wasVisible = (m_style & WS_VISIBLE) ? TRUE : FALSE;
    switch (nCmdShow)
    {
    case SW_HIDE:
        m_style &= ~WS_VISIBLE;
        w->hide();
        break;
    case SW_SHOWMAXIMIZED:
        m_style |= WS_VISIBLE | WS_MAXIMIZE;
        w->showMaximized();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        m_style |= WS_VISIBLE | WS_MINIMIZE;
        w->showMinimized();
        break;
    case SW_RESTORE:
        m_style = (m_style | WS_VISIBLE) & ~(WS_MAXIMIZE | WS_MINIMIZE);
        w->showNormal();
        break;
    default:
        m_style |= WS_VISIBLE;
        w->show();
        if (!(m_style & WS_CHILD) && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
            !(m_exStyle & WS_EX_TOOLWINDOW))
            QApplication::setActiveWindow(w);
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    for (const CWnd* w = this; w; w = (w->m_style & WS_CHILD) ? w->GetParent() : nullptr)
    {
        if (!w->m_hWnd || !(w->m_style & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

BOOL CWnd::IsIconic() const
{
    return (m_style & WS_MINIMIZE) ? TRUE : FALSE;
}
BOOL CWnd::IsZoomed() const
{
    return (m_style & WS_MAXIMIZE) ? TRUE : FALSE;
}

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    QWidget* w = GetWidget();
    if (!w)
        return old;
    // The focus lives in the active window: activate the window's top-level window at once.
    if (QWidget* top = w->window(); top && !top->isActiveWindow() && top->isVisible())
        QApplication::setActiveWindow(top);
    w->setFocus(Qt::OtherFocusReason);
    return old;
}

CWnd* CWnd::GetFocus()
{
    return WindowRegistry::FindAncestor(QApplication::focusWidget());
}

CWnd* CWnd::SetCapture()
{
    return InputRouter::SetCapture(this);
}
CWnd* CWnd::GetCapture()
{
    return InputRouter::Capture();
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* old = GetActiveWindow();
    if (QWidget* w = GetWidget())
        QApplication::setActiveWindow(w->window());
    return old;
}

CWnd* CWnd::GetActiveWindow()
{
    return WindowRegistry::FindAncestor(QApplication::activeWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    if (QWidget* w = GetWidget())
    {
        w->window()->raise();
        QApplication::setActiveWindow(w->window());
        return TRUE;
    }
    return FALSE;
}

void CWnd::BringWindowToTop()
{
    if (QWidget* w = GetWidget())
        w->raise();
}

// ---- painting requests ----------------------------------------------------------------------

void CWnd::Invalidate(BOOL)
{
    InvalidateRect(nullptr);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL)
{
    QWidget* client = GetClientWidget();
    if (!client || !m_bridge->m_redraw)
        return;
    if (lpRect)
        client->update(ToQRect(*lpRect));
    else
        client->update();
    m_bridge->m_dirty = true;
}

void CWnd::UpdateWindow()
{
    QWidget* client = GetClientWidget();
    if (client && m_bridge->m_dirty && client->isVisible())
        client->repaint();
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags)
{
    if (flags & RDW_INVALIDATE)
        InvalidateRect(lpRectUpdate);
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

void CWnd::SetRedraw(BOOL bRedraw)
{
    if (!m_bridge)
        return;
    m_bridge->m_redraw = bRedraw;
    if (QWidget* w = GetWidget())
        w->setUpdatesEnabled(bRedraw);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL)
{
    if (!m_bridge)
        return FALSE;
    QRect r = m_bridge->m_painting ? m_bridge->m_paintRect : QRect();
    if (lpRect)
        *lpRect = FromQRect(r);
    return !r.isEmpty();
}

BOOL CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    if (!lpPaint)
        return FALSE;
    lpPaint->fErase = TRUE;
    GetUpdateRect(&lpPaint->rcPaint);
    if (!m_bridge || !m_bridge->m_painting)
        GetClientRect(&lpPaint->rcPaint);
    return TRUE;
}

// ---- rectangles and coordinates -------------------------------------------------------------

void CWnd::GetClientRect(LPRECT lpRect) const
{
    if (auto* area = dynamic_cast<WindowWidget*>(GetWidget()))
        area->FitViewport();
    QWidget* client = GetClientWidget();
    *lpRect = client ? CRect(0, 0, client->width(), client->height()) : CRect();
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    QWidget* w = GetWidget();
    if (!w)
    {
        *lpRect = CRect();
        return;
    }
    if (w->isWindow())
    {
        *lpRect = FromQRect(w->frameGeometry());
        return;
    }
    const QPoint topLeft = w->mapToGlobal(QPoint(0, 0));
    *lpRect = CRect(topLeft.x(), topLeft.y(), topLeft.x() + w->width(), topLeft.y() + w->height());
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (QWidget* client = GetClientWidget())
    {
        const QPoint p = client->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
        lpPoint->x = p.x();
        lpPoint->y = p.y();
    }
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->left));
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (QWidget* client = GetClientWidget())
    {
        const QPoint p = client->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
        lpPoint->x = p.x();
        lpPoint->y = p.y();
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->left));
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    for (UINT i = 0; i < nCount; ++i)
    {
        ClientToScreen(&lpPoint[i]);
        if (pwndTo)
            pwndTo->ScreenToClient(&lpPoint[i]);
    }
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    MapWindowPoints(pwndTo, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL)
{
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    QWidget* w = GetWidget();
    if (!w)
        return FALSE;
    QRect g = w->isWindow() ? w->frameGeometry() : w->geometry();
    if (!(nFlags & SWP_NOMOVE))
        g.moveTo(x, y);
    if (!(nFlags & SWP_NOSIZE))
        g.setSize(QSize(std::max(0, cx), std::max(0, cy)));
    if (w->isWindow())
    {
        g = g.marginsRemoved(FrameMargins(w));
        // A window of fixed size (a dialog without a sizing frame) takes the size it is given.
        if (!(nFlags & SWP_NOSIZE) && w->minimumSize() == w->maximumSize() && g.size() != w->size())
            w->setFixedSize(g.size());
    }
    if (g != w->geometry())
        w->setGeometry(g);
    if (!(nFlags & SWP_NOZORDER))
    {
        if (pWndInsertAfter == &wndBottom)
            w->lower();
        else if (pWndInsertAfter == &wndTop || pWndInsertAfter == &wndTopMost)
            w->raise();
        else if (pWndInsertAfter && pWndInsertAfter->GetWidget())
            w->stackUnder(pWndInsertAfter->GetWidget());
    }
    if (nFlags & SWP_SHOWWINDOW)
        ShowWindow((nFlags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (nFlags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    if (m_bridge)
        m_bridge->ReportSize();
    return TRUE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    QWidget* w = GetWidget();
    if (!w)
        return;
    CWnd* over = pAlternateOwner ? pAlternateOwner : GetOwner();
    QRect area;
    if (over && over->GetWidget() && over->GetWidget()->isVisible())
    {
        CRect r;
        over->GetWindowRect(&r);
        area = ToQRect(r);
    }
    else if (QScreen* screen = QGuiApplication::primaryScreen())
    {
        area = screen->availableGeometry();
    }
    CRect mine;
    GetWindowRect(&mine);
    int x = area.center().x() - mine.Width() / 2;
    int y = area.center().y() - mine.Height() / 2;
    if (m_style & WS_CHILD)
    {
        CPoint p(x, y);
        if (CWnd* parent = GetParent())
            parent->ScreenToClient(&p);
        x = p.x, y = p.y;
    }
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
    {
        QWidget* cw = child->GetWidget();
        if (cw && cw->geometry().contains(QPoint(point.x, point.y)))
            return child;
    }
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(point) ? const_cast<CWnd*>(this) : nullptr;
}

CWnd* CWnd::WindowFromPoint(POINT point)
{
    QWidget* w = QApplication::widgetAt(QPoint(point.x, point.y));
    return WindowRegistry::FindAncestor(w);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    QWidget* w = GetWidget();
    if (!w || !lpwndpl)
        return FALSE;
    lpwndpl->flags = 0;
    lpwndpl->showCmd = IsZoomed() ? SW_SHOWMAXIMIZED : IsIconic() ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    lpwndpl->ptMinPosition = CPoint(-1, -1);
    lpwndpl->ptMaxPosition = CPoint(-1, -1);
    const QRect normal = w->isWindow() ? w->normalGeometry() : w->geometry();
    GetWindowRect(&lpwndpl->rcNormalPosition);
    if (w->isWindow() && normal.isValid())
        lpwndpl->rcNormalPosition = FromQRect(normal.marginsAdded(FrameMargins(w)));
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    if (!lpwndpl || !m_hWnd)
        return FALSE;
    const CRect r(lpwndpl->rcNormalPosition);
    SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_style & WS_VISIBLE || lpwndpl->showCmd != SW_HIDE)
        ShowWindow(int(lpwndpl->showCmd));
    return TRUE;
}

// ---- styles, properties, fonts ----------------------------------------------------------------

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD old = m_style;
    const DWORD changedVisibility = (dwRemove | dwAdd) & (WS_VISIBLE | WS_DISABLED);
    m_style = (m_style & ~(dwRemove & ~changedVisibility)) | (dwAdd & ~changedVisibility);
    if (changedVisibility & WS_VISIBLE)
        ShowWindow((dwAdd & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    if (changedVisibility & WS_DISABLED)
        EnableWindow(!(dwAdd & WS_DISABLED));
    ApplyStyle(old);
    if (nFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0, nFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return old != m_style;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT)
{
    const DWORD old = m_exStyle;
    m_exStyle = (m_exStyle & ~dwRemove) | dwAdd;
    ApplyStyle(m_style);
    return old != m_exStyle;
}

BOOL CWnd::SetProp(LPCTSTR lpString, HANDLE hData)
{
    if (!m_hWnd || !lpString)
        return FALSE;
    m_props[lpString] = hData;
    return TRUE;
}

HANDLE CWnd::GetProp(LPCTSTR lpString) const
{
    const auto it = lpString ? m_props.find(lpString) : m_props.end();
    return it == m_props.end() ? nullptr : it->second;
}

HANDLE CWnd::RemoveProp(LPCTSTR lpString)
{
    const auto it = lpString ? m_props.find(lpString) : m_props.end();
    if (it == m_props.end())
        return nullptr;
    HANDLE h = it->second;
    m_props.erase(it);
    return h;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? HFONT(*pFont) : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(HFONT(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT)));
}

void CWnd::SetFontHandle(HFONT hFont, BOOL)
{
    m_hFont = hFont;
    // A child with its parent's font inherits it from the parent widget.
    const CWnd* parent = (m_style & WS_CHILD) ? GetParent() : nullptr;
    if (QWidget* w = GetWidget(); w && hFont && !(parent && parent->m_hFont == hFont))
        w->setFont(Gdi::QFontFromHandle(hFont));
}

HFONT CWnd::GetFontHandle() const
{
    return m_hFont;
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    if (bAccept)
        m_exStyle |= WS_EX_ACCEPTFILES;
    else
        m_exStyle &= ~WS_EX_ACCEPTFILES;
    if (QWidget* w = GetWidget())
        w->setAcceptDrops(bAccept);
    if (QWidget* client = GetClientWidget())
        client->setAcceptDrops(bAccept);
}

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    m_hIcon[bBigIcon ? 1 : 0] = hIcon;
    // An icon is a bitmap of the drawing layer; a top-level window shows it as its icon.
    auto image = Gdi::SharedFromHandle<Gdi::BitmapObject>(hIcon, Gdi::HandleKind::Bitmap);
    if (QWidget* w = GetWidget(); w && w->isWindow() && image)
        w->setWindowIcon(QIcon(QPixmap::fromImage(image->image)));
}
HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return m_hIcon[bBigIcon ? 1 : 0];
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    m_pMenu = pMenu;
    return TRUE;
}

// ---- scroll bars ------------------------------------------------------------------------------

namespace
{
QScrollBar* BarOf(const CWnd* wnd, int nBar)
{
    auto* ww = dynamic_cast<QAbstractScrollArea*>(wnd->GetWidget());
    if (!ww)
        return nullptr;
    return nBar == int(SB_HORZ)   ? ww->horizontalScrollBar()
           : nBar == int(SB_VERT) ? ww->verticalScrollBar()
                                  : nullptr;
}
} // namespace

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO info, BOOL)
{
    QScrollBar* bar = BarOf(this, nBar);
    if (!bar || !info)
        return FALSE;
    const QSignalBlocker block(bar);
    if (info->fMask & SIF_PAGE)
        bar->setPageStep(int(info->nPage));
    if (info->fMask & SIF_RANGE)
        bar->setRange(info->nMin, std::max(info->nMin, info->nMax - std::max(0, bar->pageStep() - 1)));
    else if (info->fMask & SIF_PAGE)
        bar->setMaximum(
            std::max(bar->minimum(), bar->property("winMax").toInt() - std::max(0, bar->pageStep() - 1)));
    if (info->fMask & SIF_RANGE)
        bar->setProperty("winMax", info->nMax);
    if (info->fMask & SIF_POS)
        bar->setValue(info->nPos);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO info, UINT nMask)
{
    QScrollBar* bar = BarOf(this, nBar);
    if (!bar || !info)
        return FALSE;
    info->fMask = nMask;
    info->nMin = bar->minimum();
    info->nMax = bar->property("winMax").isValid() ? bar->property("winMax").toInt() : bar->maximum();
    info->nPage = UINT(bar->pageStep());
    info->nPos = bar->value();
    info->nTrackPos = bar->sliderPosition();
    return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL)
{
    QScrollBar* bar = BarOf(this, nBar);
    if (!bar)
        return 0;
    const QSignalBlocker block(bar);
    const int old = bar->value();
    bar->setValue(nPos);
    return old;
}

int CWnd::GetScrollPos(int nBar) const
{
    QScrollBar* bar = BarOf(this, nBar);
    return bar ? bar->value() : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = nMinPos;
    si.nMax = nMaxPos;
    SetScrollInfo(nBar, &si, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    SCROLLINFO si;
    const_cast<CWnd*>(this)->GetScrollInfo(nBar, &si, SIF_RANGE);
    if (lpMinPos)
        *lpMinPos = si.nMin;
    if (lpMaxPos)
        *lpMaxPos = si.nMax;
}

int CWnd::GetScrollLimit(int nBar)
{
    QScrollBar* bar = BarOf(this, nBar);
    return bar ? bar->maximum() : 0;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    DWORD flags = 0;
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        flags |= WS_HSCROLL;
    if (nBar == SB_VERT || nBar == SB_BOTH)
        flags |= WS_VSCROLL;
    const DWORD old = m_style;
    m_style = bShow ? (m_style | flags) : (m_style & ~flags);
    if (old != m_style)
    {
        ApplyStyle(old);
        if (m_bridge)
            m_bridge->ReportSize();
    }
}

BOOL CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    ShowScrollBar(UINT(nBar), bEnable);
    return TRUE;
}

void CWnd::ScrollWindow(int, int, LPCRECT, LPCRECT)
{
    Invalidate();
}

// ---- timers -----------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void (*)(HWND, UINT, UINT_PTR, DWORD))
{
    return m_bridge ? m_bridge->StartTimer(nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return m_bridge && m_bridge->StopTimer(nIDEvent);
}

// ---- the dialog manager -----------------------------------------------------------------------

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return DialogManager::Handle(this, lpMsg);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return DialogManager::NextTabItem(this, pWndCtl, bPrevious);
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return DialogManager::NextGroupItem(this, pWndCtl, bPrevious);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    if (!m_hWnd)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (CUserException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
