#pragma once
// Data offered to the clipboard or to a drag, in one or more formats (text is UTF-8).

#include "platform/core/CString.h"
#include "platform/ui/ClipboardFormat.h"

#include <map>
#include <string>

class QMimeData;

class COleDataSource
{
public:
    COleDataSource() = default;
    virtual ~COleDataSource() = default;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers the bytes of a text (or of a private format) under a format.
    void CacheText(CLIPFORMAT cfFormat, const CString& text);
    BOOL HasFormat(CLIPFORMAT cfFormat) const { return m_data.count(cfFormat) != 0; }

    // Puts the data on the system clipboard. The clipboard takes the source: the object, made
    // with new, is deleted here.
    void SetClipboard();
    // Runs a drag of the data from the window under the mouse; the effect the drop chose.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE);

    QMimeData* CreateMimeData() const;

private:
    std::map<CLIPFORMAT, std::string> m_data;
};
