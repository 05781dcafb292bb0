#include "platform/ui/COleDataObject.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

BOOL COleDataObject::AttachClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    m_pData = clipboard ? clipboard->mimeData() : nullptr;
    return m_pData != nullptr;
}

void COleDataObject::Attach(const QMimeData* pData)
{
    m_pData = pData;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const
{
    if (!m_pData)
        return FALSE;
    if (cfFormat == CF_TEXT)
        return m_pData->hasText();
    const QString type = Clipboard::MimeTypeOf(cfFormat);
    return !type.isEmpty() && m_pData->hasFormat(type);
}

BOOL COleDataObject::GetText(CLIPFORMAT cfFormat, CString& text) const
{
    if (!IsDataAvailable(cfFormat))
        return FALSE;
    if (cfFormat == CF_TEXT)
    {
        text = CString(m_pData->text().toStdString());
        return TRUE;
    }
    const QByteArray bytes = m_pData->data(Clipboard::MimeTypeOf(cfFormat));
    text = CString(std::string(bytes.constData(), std::size_t(bytes.size())));
    return TRUE;
}
