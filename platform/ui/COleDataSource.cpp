#include "platform/ui/COleDataSource.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QWidget>

void COleDataSource::CacheText(CLIPFORMAT cfFormat, const CString& text)
{
    m_data[cfFormat] = text.str();
}

QMimeData* COleDataSource::CreateMimeData() const
{
    auto* mime = new QMimeData;
    for (const auto& [format, bytes] : m_data)
    {
        const QString type = Clipboard::MimeTypeOf(format);
        if (format == CF_TEXT)
            mime->setText(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
        else if (!type.isEmpty())
            mime->setData(type, QByteArray(bytes.data(), qsizetype(bytes.size())));
    }
    return mime;
}

void COleDataSource::SetClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(CreateMimeData());
    delete this;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects)
{
    QWidget* source = QApplication::widgetAt(QCursor::pos());
    if (!source)
        source = QApplication::focusWidget();
    if (!source)
        return DROPEFFECT_NONE;
    auto* drag = new QDrag(source);
    drag->setMimeData(CreateMimeData());
    Qt::DropActions actions;
    if (dwEffects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (dwEffects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    switch (drag->exec(actions, Qt::MoveAction))
    {
    case Qt::CopyAction:
        return DROPEFFECT_COPY;
    case Qt::MoveAction:
        return DROPEFFECT_MOVE;
    default:
        return DROPEFFECT_NONE;
    }
}
