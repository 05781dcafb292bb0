#include "platform/ui/CStatic.h"

#include "platform/gdi/GdiHandle.h"
#include "platform/ui/QtText.h"

#include <QLabel>
#include <QPixmap>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::CreateEx(0, "STATIC", lpszText, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

QWidget* CStatic::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const DWORD style = DWORD(cs.style);
    const DWORD type = style & SS_TYPEMASK;
    Qt::Alignment vertical = (style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
    switch (type)
    {
    case SS_CENTER:
        label->setAlignment(Qt::AlignHCenter | vertical);
        label->setWordWrap(true);
        break;
    case SS_RIGHT:
        label->setAlignment(Qt::AlignRight | vertical);
        label->setWordWrap(true);
        break;
    case SS_LEFT:
        label->setAlignment(Qt::AlignLeft | vertical);
        label->setWordWrap(true);
        break;
    case SS_LEFTNOWORDWRAP:
        label->setAlignment(Qt::AlignLeft | vertical);
        break;
    case SS_ICON:
    case SS_BITMAP:
        label->setAlignment((style & SS_CENTERIMAGE) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        break;
    case SS_ETCHEDHORZ:
        label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        break;
    case SS_ETCHEDVERT:
        label->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        break;
    case SS_ETCHEDFRAME:
        label->setFrameStyle(QFrame::Box | QFrame::Sunken);
        break;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, type == SS_BLACKRECT  ? Qt::black
                                           : type == SS_GRAYRECT ? Qt::gray
                                                                 : Qt::white);
        label->setPalette(palette);
        break;
    }
    default:
        break;
    }
    if (style & SS_SUNKEN)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (cs.dwExStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return label;
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* label = static_cast<QLabel*>(GetWidget());
    const DWORD type = m_style & SS_TYPEMASK;
    switch (message)
    {
    case WM_SETTEXT:
        if (label && type != SS_ICON && type != SS_BITMAP)
        {
            const QString text = ToQString(reinterpret_cast<LPCTSTR>(lParam));
            label->setText((m_style & SS_NOPREFIX) ? text : WithoutMnemonics(text));
            label->setProperty("windowText", text);
        }
        return TRUE;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT:
    {
        const CString text = label ? ToCString(label->property("windowText").toString()) : CString();
        if (message == WM_GETTEXTLENGTH)
            return text.ByteLength();
        return CopyText(text, reinterpret_cast<char*>(lParam), int(wParam));
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_LBUTTONUP:
        CWnd::DefWindowProc(message, wParam, lParam);
        if (m_style & SS_NOTIFY)
            NotifyParent(STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        CWnd::DefWindowProc(message, wParam, lParam);
        if (m_style & SS_NOTIFY)
            NotifyParent(STN_DBLCLK);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CStatic::ShowImage(HGDIOBJ image)
{
    auto* label = static_cast<QLabel*>(GetWidget());
    if (!label)
        return;
    auto bitmap = Gdi::SharedFromHandle<Gdi::BitmapObject>(image, Gdi::HandleKind::Bitmap);
    if (bitmap)
        label->setPixmap(QPixmap::fromImage(bitmap->image));
    else
        label->clear();
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    HBITMAP old = m_hBitmap;
    m_hBitmap = hBitmap;
    ShowImage(hBitmap);
    return old;
}

HICON CStatic::SetIcon(HICON hIcon)
{
    HICON old = m_hIconImage;
    m_hIconImage = hIcon;
    ShowImage(hIcon);
    return old;
}
