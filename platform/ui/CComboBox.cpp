#include "platform/ui/CComboBox.h"

#include "platform/ui/ControlSignals.h"
#include "platform/ui/QtText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <functional>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace
{
// A combo box that reports when its list opens and closes.
class ComboWidget : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;
    std::function<void()> onCloseUp;
    bool dropped = false;

    void showPopup() override
    {
        if (onDropDown)
            onDropDown();
        dropped = true;
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (dropped)
        {
            dropped = false;
            if (onCloseUp)
                onCloseUp();
        }
    }
};

class SilentScope
{
public:
    explicit SilentScope(int& counter) : m_counter(counter) { ++m_counter; }
    ~SilentScope() { --m_counter; }
    SilentScope(const SilentScope&) = delete;
    SilentScope& operator=(const SilentScope&) = delete;

private:
    int& m_counter;
};
} // namespace

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "COMBOBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CComboBox::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* box = new ComboWidget(parent);
    m_droppedHeight = cs.cy;
    box->setEditable((cs.style & 0x3) != CBS_DROPDOWNLIST);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(std::max(5, cs.cy / std::max(1, box->fontMetrics().height() + 2)));
    if (QLineEdit* edit = box->lineEdit())
        edit->setCompleter(nullptr);
    return box;
}

void CComboBox::ConnectWidget()
{
    // The template's height is the height with the list open; the box itself is one line high.
    if (QWidget* w = GetWidget())
        w->resize(w->width(), std::max(w->sizeHint().height(), w->fontMetrics().height() + 8));
    auto* box = static_cast<ComboWidget*>(Box());
    box->onDropDown = [box]
    {
        if (CComboBox* self = ControlOf<CComboBox>(box))
            self->NotifyParent(CBN_DROPDOWN);
    };
    box->onCloseUp = [box]
    {
        if (CComboBox* self = ControlOf<CComboBox>(box))
            self->NotifyParent(CBN_CLOSEUP);
    };
    ConnectControl<CComboBox>(box, box, &QComboBox::currentIndexChanged,
                              [](CComboBox& self, int)
                              {
                                  if (self.m_silent == 0)
                                      self.NotifyParent(CBN_SELCHANGE);
                              });
    ConnectControl<CComboBox>(box, box, &QComboBox::activated,
                              [](CComboBox& self, int)
                              {
                                  if (self.m_silent == 0)
                                      self.NotifyParent(CBN_SELENDOK);
                              });
    if (QLineEdit* edit = box->lineEdit())
        ConnectControl<CComboBox>(box, edit, &QLineEdit::textEdited,
                                  [](CComboBox& self, const QString&)
                                  {
                                      self.NotifyParent(CBN_EDITUPDATE);
                                      self.NotifyParent(CBN_EDITCHANGE);
                                  });
}

QComboBox* CComboBox::Box() const
{
    return qobject_cast<QComboBox*>(GetWidget());
}

int CComboBox::GetCount() const
{
    return Box() ? Box()->count() : 0;
}
int CComboBox::GetCurSel() const
{
    return Box() ? Box()->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect)
{
    QComboBox* box = Box();
    if (!box)
        return CB_ERR;
    SilentScope silent(m_silent);
    if (nSelect < 0 || nSelect >= box->count())
    {
        box->setCurrentIndex(-1);
        if (QLineEdit* edit = box->lineEdit())
            edit->clear();
        return CB_ERR;
    }
    box->setCurrentIndex(nSelect);
    return nSelect;
}

int CComboBox::SortedPosition(const QString& text) const
{
    const CString value = ToCString(text);
    int position = 0;
    while (position < Box()->count() && ToCString(Box()->itemText(position)).CollateNoCase(value) <= 0)
        ++position;
    return position;
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    QComboBox* box = Box();
    if (!box)
        return CB_ERR;
    const QString text = ToQString(lpszString);
    return InsertString((m_style & CBS_SORT) ? SortedPosition(text) : box->count(), lpszString);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    QComboBox* box = Box();
    if (!box || nIndex > box->count())
        return CB_ERR;
    const int at = nIndex < 0 ? box->count() : nIndex;
    SilentScope silent(m_silent);
    const QString editText = Editable() ? box->currentText() : QString();
    const int current = box->currentIndex();
    box->insertItem(at, ToQString(lpszString), QVariant::fromValue<qulonglong>(0));
    // Adding items selects nothing, and keeps what the edit shows.
    if (current < 0)
    {
        box->setCurrentIndex(-1);
        if (Editable())
            box->setEditText(editText);
    }
    return at;
}

int CComboBox::DeleteString(UINT nIndex)
{
    QComboBox* box = Box();
    if (!box || int(nIndex) >= box->count())
        return CB_ERR;
    SilentScope silent(m_silent);
    box->removeItem(int(nIndex));
    return box->count();
}

void CComboBox::ResetContent()
{
    if (QComboBox* box = Box())
    {
        SilentScope silent(m_silent);
        box->clear();
        if (QLineEdit* edit = box->lineEdit())
            edit->clear();
    }
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    if (!Box() || nIndex < 0 || nIndex >= Box()->count())
        return CB_ERR;
    const QByteArray text = Box()->itemText(nIndex).toUtf8();
    std::copy(text.constData(), text.constData() + text.size() + 1, lpszText);
    return int(text.size());
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString =
        (Box() && nIndex >= 0 && nIndex < Box()->count()) ? ToCString(Box()->itemText(nIndex)) : CString();
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    if (!Box() || nIndex < 0 || nIndex >= Box()->count())
        return CB_ERR;
    return int(Box()->itemText(nIndex).toUtf8().size());
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    QComboBox* box = Box();
    if (!box || box->count() == 0)
        return CB_ERR;
    const QString prefix = ToQString(lpszString);
    const int n = box->count();
    for (int step = 1; step <= n; ++step)
    {
        const int i = ((nStartAfter < 0 ? -1 : nStartAfter) + step) % n;
        if (box->itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    QComboBox* box = Box();
    if (!box || box->count() == 0)
        return CB_ERR;
    const QString text = ToQString(lpszFind);
    const int n = box->count();
    for (int step = 1; step <= n; ++step)
    {
        const int i = ((nIndexStart < 0 ? -1 : nIndexStart) + step) % n;
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    const int found = FindString(nStartAfter, lpszString);
    if (found != CB_ERR)
        SetCurSel(found);
    return found;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    QComboBox* box = Box();
    if (!box || nIndex < 0 || nIndex >= box->count())
        return CB_ERR;
    box->setItemData(nIndex, QVariant::fromValue<qulonglong>(dwItemData));
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    QComboBox* box = Box();
    if (!box || nIndex < 0 || nIndex >= box->count())
        return DWORD_PTR(CB_ERR);
    return DWORD_PTR(box->itemData(nIndex).toULongLong());
}

int CComboBox::SetDroppedWidth(UINT nWidth)
{
    QComboBox* box = Box();
    if (!box)
        return CB_ERR;
    box->view()->setMinimumWidth(int(nWidth));
    return int(nWidth);
}

int CComboBox::GetDroppedWidth() const
{
    QComboBox* box = Box();
    return box ? std::max(box->width(), box->view()->minimumWidth()) : CB_ERR;
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (QComboBox* box = Box())
    {
        if (bShowIt)
            box->showPopup();
        else
            box->hidePopup();
    }
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    CRect rect;
    GetWindowRect(rect);
    rect.bottom = rect.top + std::max(int(rect.Height()), m_droppedHeight);
    *lprect = rect;
}

BOOL CComboBox::GetDroppedState() const
{
    auto* box = static_cast<ComboWidget*>(Box());
    return box && box->dropped;
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    QComboBox* box = Box();
    if (!box || !box->lineEdit())
        return FALSE;
    box->lineEdit()->setMaxLength(nMaxChars <= 0 ? 32767 : nMaxChars);
    return TRUE;
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    QComboBox* box = Box();
    if (!box || !box->lineEdit())
        return FALSE;
    QLineEdit* edit = box->lineEdit();
    if (nStartChar < 0)
    {
        edit->deselect();
        return TRUE;
    }
    const int length = int(edit->text().size());
    const int end = (nEndChar < 0 || nEndChar > length) ? length : nEndChar;
    edit->setSelection(std::min(nStartChar, length), end - std::min(nStartChar, length));
    return TRUE;
}

DWORD CComboBox::GetEditSel() const
{
    QComboBox* box = Box();
    if (!box || !box->lineEdit())
        return DWORD(CB_ERR);
    QLineEdit* edit = box->lineEdit();
    if (!edit->hasSelectedText())
        return MAKELONG(WORD(edit->cursorPosition()), WORD(edit->cursorPosition()));
    return MAKELONG(WORD(edit->selectionStart()), WORD(edit->selectionEnd()));
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    QComboBox* box = Box();
    switch (message)
    {
    case WM_SETTEXT:
        if (box && Editable())
        {
            SilentScope silent(m_silent);
            box->setEditText(ToQString(reinterpret_cast<LPCTSTR>(lParam)));
            return TRUE;
        }
        return CB_ERR;
    case WM_GETTEXTLENGTH:
        return box ? ToCString(box->currentText()).ByteLength() : 0;
    case WM_GETTEXT:
        return box ? CopyText(ToCString(box->currentText()), reinterpret_cast<char*>(lParam), int(wParam))
                   : 0;
    case CB_ADDSTRING:
        return AddString(reinterpret_cast<LPCTSTR>(lParam));
    case CB_INSERTSTRING:
        return InsertString(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case CB_DELETESTRING:
        return DeleteString(UINT(wParam));
    case CB_RESETCONTENT:
        ResetContent();
        return 0;
    case CB_GETCOUNT:
        return GetCount();
    case CB_GETCURSEL:
        return GetCurSel();
    case CB_SETCURSEL:
        return SetCurSel(int(wParam));
    case CB_GETLBTEXT:
        return GetLBText(int(wParam), reinterpret_cast<LPTSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return GetLBTextLen(int(wParam));
    case CB_FINDSTRING:
        return FindString(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case CB_FINDSTRINGEXACT:
        return FindStringExact(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case CB_SELECTSTRING:
        return SelectString(int(wParam), reinterpret_cast<LPCTSTR>(lParam));
    case CB_SETITEMDATA:
        return SetItemData(int(wParam), DWORD_PTR(lParam));
    case CB_GETITEMDATA:
        return LRESULT(GetItemData(int(wParam)));
    case CB_SETDROPPEDWIDTH:
        return SetDroppedWidth(UINT(wParam));
    case CB_GETDROPPEDWIDTH:
        return GetDroppedWidth();
    case CB_SHOWDROPDOWN:
        ShowDropDown(BOOL(wParam));
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return GetDroppedState();
    case CB_GETDROPPEDCONTROLRECT:
        GetDroppedControlRect(reinterpret_cast<LPRECT>(lParam));
        return TRUE;
    case CB_LIMITTEXT:
        return LimitText(int(wParam));
    case CB_SETEDITSEL:
        return SetEditSel(short(LOWORD(DWORD(lParam))), short(HIWORD(DWORD(lParam))));
    case CB_GETEDITSEL:
        return LRESULT(GetEditSel());
    case WM_GETDLGCODE:
    {
        LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | (Editable() ? DLGC_HASSETSEL : 0);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (GetDroppedState() && msg && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case EM_SETSEL:
        return SetEditSel(int(wParam), int(lParam));
    case WM_SETFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        NotifyParent(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        CWnd::DefWindowProc(message, wParam, lParam);
        NotifyParent(CBN_KILLFOCUS);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
