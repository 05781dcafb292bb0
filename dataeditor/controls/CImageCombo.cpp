#include "dataeditor/controls/CImageCombo.h"

#include "platform/gdi/GdiHandle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace
{
QImage PictureOf(HBITMAP picture)
{
    if (!picture || picture == HBITMAP(-1))
        return QImage();
    auto image = Gdi::SharedFromHandle<Gdi::BitmapObject>(picture, Gdi::HandleKind::Bitmap);
    return image ? image->image : QImage();
}

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Draws the items as the combo box lays them out: grey when the box is off, the highlight
// colours for the chosen item, the picture and the text where the box puts them.
class ImageItemDelegate : public QStyledItemDelegate
{
public:
    ImageItemDelegate(const CImageCombo& combo, QObject* parent) : QStyledItemDelegate(parent), m_combo(combo) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize own = QStyledItemDelegate::sizeHint(option, index);
        return QSize(std::max(own.width(), int(m_combo.MeasureItem().cx)), m_combo.ItemHeight());
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const CRect item(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
        const bool enabled = option.state & QStyle::State_Enabled;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(r, !enabled ? QColor(0xC0, 0xC0, 0xC0)
                             : selected ? palette.color(QPalette::Highlight)
                                        : palette.color(QPalette::Base));
        painter->setPen(selected && enabled ? palette.color(QPalette::HighlightedText)
                                            : palette.color(QPalette::Text));
        const QImage picture = PictureOf(HBITMAP(index.data(Qt::UserRole).value<qulonglong>()));
        if (!picture.isNull())
        {
            painter->drawImage(ToQRect(m_combo.PictureRect(index.row(), item)).topLeft(), picture);
            const QString text = index.data(Qt::DisplayRole).toString();
            if (!text.isEmpty())
                painter->drawText(ToQRect(m_combo.TextRect(index.row(), item)), Qt::AlignVCenter | Qt::TextSingleLine,
                                  text);
        }
        if (option.state & QStyle::State_HasFocus)
        {
            painter->setPen(QPen(palette.color(QPalette::Text), 1, Qt::DotLine));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

private:
    const CImageCombo& m_combo;
};
} // namespace

CSize CImageCombo::PictureSize(HBITMAP picture)
{
    const QImage image = PictureOf(picture);
    return CSize(image.width(), image.height());
}

void CImageCombo::ConnectWidget()
{
    CComboBox::ConnectWidget();
    if (auto* box = qobject_cast<QComboBox*>(GetWidget()))
        box->setItemDelegate(new ImageItemDelegate(*this, box));
}

int CImageCombo::AddItem(HBITMAP picture, const CString& text) { return InsertItem(GetCount(), picture, text); }

int CImageCombo::InsertItem(int index, HBITMAP picture, const CString& text)
{
    const int at = InsertString(index, text);
    if (at < 0)
        return at;
    SetItemData(at, DWORD_PTR(picture));
    const CSize size = PictureSize(picture);
    m_widest = std::max(m_widest, int(size.cx));
    m_tallest = std::max(m_tallest, int(size.cy));
    if (auto* box = qobject_cast<QComboBox*>(GetWidget()))
    {
        const QImage image = PictureOf(picture);
        if (!image.isNull())
            box->setItemIcon(at, QIcon(QPixmap::fromImage(image)));
        box->setIconSize(QSize(m_widest, m_tallest));
        box->setMinimumHeight(ItemHeight());
        box->view()->doItemsLayout();
    }
    return at;
}

CRect CImageCombo::PictureRect(int index, const CRect& item) const
{
    const CSize size = PictureSize(HBITMAP(GetItemData(index)));
    CString text;
    GetLBText(index, text);
    if (text.IsEmpty())
    {
        const int left = item.left + (item.Width() - int(size.cx)) / 2;
        const int top = item.top + (item.Height() - int(size.cy)) / 2;
        return CRect(left, top, left + size.cx, top + size.cy);
    }
    const int top = item.top + (m_tallest - int(size.cy)) / 2 + (item.Height() - m_tallest) / 2;
    return CRect(item.left + 2, top, item.left + 2 + size.cx, top + size.cy);
}

CRect CImageCombo::TextRect(int index, const CRect& item) const
{
    CString text;
    GetLBText(index, text);
    if (text.IsEmpty())
        return CRect();
    return CRect(item.left + m_widest + 4, item.top, item.right, item.bottom);
}
