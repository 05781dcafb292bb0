#pragma once
// Data received from the clipboard or from a drop, read by format (text is UTF-8).

#include "platform/core/CString.h"
#include "platform/ui/ClipboardFormat.h"

class QMimeData;

class COleDataObject
{
public:
    COleDataObject() = default;
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Reads what the system clipboard holds now.
    BOOL AttachClipboard();
    // Reads the data of a drop; the data stays the caller's.
    void Attach(const QMimeData* pData);
    void Release() { m_pData = nullptr; }

    BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
    // The text (or private bytes) of a format; FALSE when the data has none.
    BOOL GetText(CLIPFORMAT cfFormat, CString& text) const;

private:
    const QMimeData* m_pData = nullptr;
};
