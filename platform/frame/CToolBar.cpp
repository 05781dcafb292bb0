#include "platform/frame/CToolBar.h"
#include "platform/frame/ActionCmdUI.h"
#include "platform/frame/CFrameWnd.h"

#include "platform/core/Resources.h"
#include "platform/gdi/CBitmap.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/UiResources.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace
{
// The two halves of a command's string: the status prompt and the tooltip.
void SplitCommandString(UINT id, QString& prompt, QString& tip)
{
    const char* text = Resources::FindString(id);
    const QString s = QString::fromUtf8(text ? text : "");
    const int lf = int(s.indexOf(u'\n'));
    prompt = lf < 0 ? s : s.left(lf);
    tip = lf < 0 ? s : s.mid(lf + 1);
}

// Hands the hover of a button to the frame's status line, and the leaving of the bar back.
class FlyByWatcher : public QObject
{
public:
    FlyByWatcher(QObject* parent, CWnd* bar) : QObject(parent), m_bar(bar) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Leave)
            if (CWnd* owner = m_bar->GetParent())
                owner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return false;
    }

private:
    CWnd* m_bar;
};
} // namespace

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect, UINT nID)
{
    if (!CreateBar(pParentWnd, dwStyle, nID))
        return FALSE;
    auto* bar = static_cast<QToolBar*>(GetWidget());
    bar->setObjectName(QStringLiteral("Bar%1").arg(nID));
    bar->setMovable((dwStyle & CBRS_GRIPPER) != 0);
    bar->setFloatable(false);
    if (!(dwCtrlStyle & TBSTYLE_FLAT))
        bar->setStyleSheet(QStringLiteral("QToolButton { border: 1px outset palette(mid); }"));
    bar->installEventFilter(new FlyByWatcher(bar, this));
    return TRUE;
}

QWidget* CToolBar::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setIconSize(m_imageSize);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    const ToolbarTemplate* t = UiResources::FindToolbar(nIDResource);
    if (!t)
        return FALSE;
    SetSizes(CSize(t->cx + 7, t->cy + 7), CSize(t->cx, t->cy));
    SetButtons(t->buttons, t->buttonCount);
    return LoadBitmap(nIDResource);
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    CBitmap bitmap;
    return bitmap.LoadBitmap(nIDResource) && SetBitmap(bitmap);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    CBitmap* bitmap = CBitmap::FromHandle(hbmImageWell);
    if (!bitmap || bitmap->Image().isNull())
        return FALSE;
    m_images = TransparentStrip(bitmap->Image());
    if (m_images.height() > 0 && m_imageSize.height() != m_images.height())
        m_imageSize.setHeight(m_images.height());
    ApplyImages();
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    m_buttons.clear();
    int image = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        Button b;
        b.id = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        b.style = b.id == ID_SEPARATOR ? TBBS_SEPARATOR : TBBS_BUTTON;
        if (b.id != ID_SEPARATOR)
            b.image = image++;
        m_buttons.push_back(b);
    }
    Rebuild();
    return TRUE;
}

void CToolBar::SetSizes(SIZE, SIZE sizeImage)
{
    m_imageSize = QSize(sizeImage.cx, sizeImage.cy);
    if (auto* bar = qobject_cast<QToolBar*>(GetWidget()))
        bar->setIconSize(m_imageSize);
    ApplyImages();
}

void CToolBar::Rebuild()
{
    auto* bar = qobject_cast<QToolBar*>(GetWidget());
    if (!bar)
        return;
    bar->clear();
    for (Button& b : m_buttons)
    {
        if (b.style & TBBS_SEPARATOR)
        {
            b.action = bar->addSeparator();
            continue;
        }
        QString prompt, tip;
        SplitCommandString(b.id, prompt, tip);
        b.action = bar->addAction(QString());
        if (m_dwStyle & CBRS_TOOLTIPS)
            b.action->setToolTip(tip);
        b.action->setData(QVariant::fromValue<uint>(b.id));
        const UINT id = b.id;
        QObject::connect(b.action, &QAction::triggered, bar, [this, id] { SendCommand(id); });
        if (m_dwStyle & CBRS_FLYBY)
            QObject::connect(b.action, &QAction::hovered, bar, [this, id] {
                if (CWnd* owner = GetParent())
                    owner->SendMessage(WM_SETMESSAGESTRING, id);
            });
    }
    ApplyImages();
}

void CToolBar::ApplyImages()
{
    if (m_images.isNull())
        return;
    for (Button& b : m_buttons)
        if (b.action && b.image >= 0)
            if (QIcon icon = StripPicture(m_images, b.image, m_imageSize.width()); !icon.isNull())
                b.action->setIcon(icon);
}

QImage CToolBar::TransparentStrip(const QImage& source)
{
    // The colour of the top-left pixel is the transparent background of the strip.
    QImage strip = source.convertToFormat(QImage::Format_ARGB32);
    if (strip.isNull())
        return strip;
    const QRgb key = strip.pixel(0, 0);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (strip.pixel(x, y) == key)
                strip.setPixel(x, y, 0);
    return strip;
}

QIcon CToolBar::StripPicture(const QImage& strip, int index, int width)
{
    if (index < 0 || width <= 0 || (index + 1) * width > strip.width())
        return QIcon();
    return QIcon(QPixmap::fromImage(strip.copy(index * width, 0, width, strip.height())));
}

void CToolBar::SendCommand(UINT id)
{
    CWnd* target = GetParent();
    if (target)
        target->SendMessage(WM_COMMAND, MakeCommandParam(id, 0), reinterpret_cast<LPARAM>(m_hWnd));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].id == nIDFind)
            return int(i);
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[std::size_t(nIndex)].id : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    *lpRect = CRect();
    auto* bar = qobject_cast<QToolBar*>(GetWidget());
    QAction* action = GetButtonAction(nIndex);
    if (!bar || !action)
        return;
    const QRect r = bar->actionGeometry(action);
    *lpRect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return 0;
    const Button& b = m_buttons[std::size_t(nIndex)];
    UINT style = b.style;
    if (b.action && !b.action->isEnabled())
        style |= TBBS_DISABLED;
    if (b.action && b.action->isChecked())
        style |= TBBS_CHECKED;
    return style;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Button& b = m_buttons[std::size_t(nIndex)];
    b.style = nStyle & (TBBS_SEPARATOR | TBBS_CHECKBOX);
    if (b.action)
    {
        b.action->setEnabled(!(nStyle & TBBS_DISABLED));
        b.action->setCheckable((nStyle & (TBBS_CHECKBOX | TBBS_CHECKED)) != 0);
        b.action->setChecked((nStyle & TBBS_CHECKED) != 0);
    }
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    QAction* action = GetButtonAction(nIndex);
    if (!action)
        return FALSE;
    action->setText(QString::fromUtf8(lpszText ? lpszText : ""));
    if (auto* bar = qobject_cast<QToolBar*>(GetWidget()))
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return TRUE;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    QAction* action = GetButtonAction(nIndex);
    return action ? CString(action->text().toUtf8().toStdString()) : CString();
}

QAction* CToolBar::GetButtonAction(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[std::size_t(nIndex)].action : nullptr;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    ActionCmdUI state(false);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
    {
        const Button& b = m_buttons[i];
        if ((b.style & TBBS_SEPARATOR) || !b.action)
            continue;
        state.action = b.action;
        state.m_nID = b.id;
        state.m_nIndex = UINT(i);
        state.m_pOther = nullptr;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
