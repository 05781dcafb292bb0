#include "platform/ui/CButton.h"

#include "platform/ui/WinApi.h"

#include "platform/gdi/GdiHandle.h"
#include "platform/ui/QtText.h"
#include "platform/ui/ControlSignals.h"
#include "platform/ui/GroupBoxWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace
{
bool IsCheckType(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}
bool IsRadioType(DWORD type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
bool IsAutoType(DWORD type)
{
    return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}
} // namespace

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "BUTTON", lpszCaption, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CButton::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    const DWORD type = DWORD(cs.style) & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        return new GroupBoxWidget(parent);
    if (IsCheckType(type))
    {
        auto* box = new QCheckBox(parent);
        box->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        return box;
    }
    if (IsRadioType(type))
    {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // the group is the dialog's WS_GROUP run, kept here
        return radio;
    }
    auto* push = new QPushButton(parent);
    push->setAutoDefault(false);
    push->setDefault(type == BS_DEFPUSHBUTTON);
    return push;
}

void CButton::ConnectWidget()
{
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()))
    {
        ConnectControl<CButton>(button, button, &QAbstractButton::pressed,
                                [](CButton& self) { self.m_checkBeforeClick = self.GetCheck(); });
        ConnectControl<CButton>(button, button, &QAbstractButton::clicked,
                                [](CButton& self, bool) { self.OnQtClicked(); });
    }
}

void CButton::OnQtClicked()
{
    const DWORD type = Type();
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (IsRadioType(type) || IsCheckType(type))
    {
        // Qt toggles by itself: a button without the auto style keeps its check for its owner to set,
        // an automatic radio button unchecks its group.
        if (!IsAutoType(type))
            SetCheck(m_checkBeforeClick);
        else if (IsRadioType(type))
        {
            SetCheck(BST_CHECKED);
            UncheckGroupSiblings();
        }
    }
    if (button)
        NotifyParent(BN_CLICKED);
}

void CButton::UncheckGroupSiblings()
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    // The group: from the nearest WS_GROUP at or before this button to the next WS_GROUP.
    CWnd* first = this;
    while (!(first->GetStyle() & WS_GROUP) && first->GetWindow(GW_HWNDPREV))
        first = first->GetWindow(GW_HWNDPREV);
    for (CWnd* w = first; w; w = w->GetWindow(GW_HWNDNEXT))
    {
        if (w != first && (w->GetStyle() & WS_GROUP))
            break;
        auto* other = dynamic_cast<CButton*>(w);
        if (other && other != this && other->Type() == BS_AUTORADIOBUTTON)
            other->SetCheck(BST_UNCHECKED);
    }
}

int CButton::GetCheck() const
{
    if (auto* box = qobject_cast<QCheckBox*>(GetWidget()))
        return box->checkState() == Qt::Checked            ? BST_CHECKED
               : box->checkState() == Qt::PartiallyChecked ? BST_INDETERMINATE
                                                           : BST_UNCHECKED;
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()))
        return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    return BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck)
{
    if (auto* box = qobject_cast<QCheckBox*>(GetWidget()))
    {
        box->setCheckState(nCheck == BST_CHECKED                              ? Qt::Checked
                           : nCheck == BST_INDETERMINATE && box->isTristate() ? Qt::PartiallyChecked
                                                                              : Qt::Unchecked);
        return;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(GetWidget()))
        radio->setChecked(nCheck == BST_CHECKED);
}

UINT CButton::GetState() const
{
    UINT state = UINT(GetCheck());
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()); button && button->isDown())
        state |= 0x0004;
    if (GetWidget() && GetWidget()->hasFocus())
        state |= 0x0008;
    return state;
}

void CButton::SetState(BOOL bHighlight)
{
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()))
        button->setDown(bHighlight);
}

void CButton::SetButtonStyle(UINT nStyle, BOOL)
{
    m_style = (m_style & ~0xFFFFu) | (nStyle & 0xFFFF);
    if (auto* push = qobject_cast<QPushButton*>(GetWidget()))
        push->setDefault(Type() == BS_DEFPUSHBUTTON);
}

void CButton::ShowImage(HGDIOBJ image)
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button)
        return;
    auto bitmap = Gdi::SharedFromHandle<Gdi::BitmapObject>(image, Gdi::HandleKind::Bitmap);
    if (!bitmap)
    {
        button->setIcon(QIcon());
        return;
    }
    const QPixmap pixmap = QPixmap::fromImage(bitmap->image);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    if (m_style & (BS_BITMAP | BS_ICON))
        button->setText(QString());
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    HBITMAP old = m_hBitmap;
    m_hBitmap = hBitmap;
    ShowImage(hBitmap);
    return old;
}

HICON CButton::SetIcon(HICON hIcon)
{
    HICON old = m_hIconImage;
    m_hIconImage = hIcon;
    ShowImage(hIcon);
    return old;
}

LRESULT CButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* w = GetWidget();
    switch (message)
    {
    case WM_SETTEXT:
    {
        const QString text = ToQString(reinterpret_cast<LPCTSTR>(lParam));
        // The dialog manager handles the '&' letters; Qt's own shortcuts for them are released.
        if (auto* group = qobject_cast<QGroupBox*>(w))
            group->setTitle(WithoutMnemonics(text));
        else if (auto* button = qobject_cast<QAbstractButton*>(w);
                 button && !(m_style & (BS_BITMAP | BS_ICON)))
        {
            button->setText(text);
            button->setShortcut(QKeySequence());
        }
        if (w)
            w->setProperty("windowText", text);
        return TRUE;
    }
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT:
    {
        const CString text = w ? ToCString(w->property("windowText").toString()) : CString();
        if (message == WM_GETTEXTLENGTH)
            return text.ByteLength();
        return CopyText(text, reinterpret_cast<char*>(lParam), int(wParam));
    }
    case BM_GETCHECK:
        return GetCheck();
    case BM_SETCHECK:
        SetCheck(int(wParam));
        return 0;
    case BM_GETSTATE:
        return LRESULT(GetState());
    case BM_SETSTATE:
        SetState(BOOL(wParam));
        return 0;
    case BM_SETIMAGE:
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(SetIcon(reinterpret_cast<HICON>(lParam)))
                                    : reinterpret_cast<LRESULT>(SetBitmap(reinterpret_cast<HBITMAP>(lParam)));
    case BM_GETIMAGE:
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(m_hIconImage) : reinterpret_cast<LRESULT>(m_hBitmap);
    case BM_SETSTYLE:
        SetButtonStyle(UINT(wParam), BOOL(lParam));
        return 0;
    case BM_CLICK:
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && IsWindowEnabled())
        {
            m_checkBeforeClick = GetCheck();
            button->click();
        }
        return 0;
    case WM_GETDLGCODE:
    {
        const DWORD type = Type();
        if (type == BS_GROUPBOX)
            return DLGC_STATIC;
        if (IsRadioType(type))
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (IsCheckType(type))
            return DLGC_BUTTON;
        return DLGC_BUTTON | (type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case WM_SETFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
