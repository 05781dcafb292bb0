#include "platform/ui/CBitmapButton.h"

#include "platform/gdi/GdiHandle.h"
#include "platform/ui/WinApi.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace
{
QPixmap PixmapOf(HBITMAP h)
{
    auto image = Gdi::SharedFromHandle<Gdi::BitmapObject>(h, Gdi::HandleKind::Bitmap);
    return image ? QPixmap::fromImage(image->image) : QPixmap();
}
} // namespace

BOOL CBitmapButton::LoadBitmaps(UINT up, UINT down, UINT focus, UINT disabled)
{
    const UINT ids[4] = {up, down, focus, disabled};
    for (int i = 0; i < 4; ++i)
        m_images[i] = ids[i] ? ::LoadBitmap(nullptr, MAKEINTRESOURCE(ids[i])) : nullptr;
    if (!m_images[0])
        return FALSE;
    const QPixmap pixmap = PixmapOf(m_images[0]);
    m_width = pixmap.width();
    m_height = pixmap.height();
    Show();
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(LPCTSTR up, LPCTSTR down, LPCTSTR focus, LPCTSTR disabled)
{
    return LoadBitmaps(ResourceIdOf(up), down ? ResourceIdOf(down) : 0, focus ? ResourceIdOf(focus) : 0,
                       disabled ? ResourceIdOf(disabled) : 0);
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    Show();
    return m_images[0] != nullptr;
}

void CBitmapButton::PreSubclassWindow()
{
    Show();
}

void CBitmapButton::SizeToContent()
{
    if (m_images[0])
        SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::Show()
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !m_images[0])
        return;
    QIcon icon(PixmapOf(m_images[0]));
    if (m_images[1])
        icon.addPixmap(PixmapOf(m_images[1]), QIcon::Active);
    if (m_images[2])
        icon.addPixmap(PixmapOf(m_images[2]), QIcon::Selected);
    if (m_images[3])
        icon.addPixmap(PixmapOf(m_images[3]), QIcon::Disabled);
    button->setText(QString());
    button->setIcon(icon);
    button->setIconSize(QSize(m_width, m_height));
    if (auto* push = qobject_cast<QPushButton*>(button))
        push->setFlat(true);
}
