#include "platform/ui/ClipboardFormat.h"

#include <map>
#include <string>

namespace
{
std::map<std::string, UINT>& Registered()
{
    static std::map<std::string, UINT> formats;
    return formats;
}
} // namespace

UINT RegisterClipboardFormat(LPCTSTR lpszFormat)
{
    if (!lpszFormat || !*lpszFormat)
        return 0;
    auto& formats = Registered();
    const auto [it, added] = formats.emplace(lpszFormat, UINT(0xC000 + formats.size()));
    return it->second;
}

QString Clipboard::MimeTypeOf(CLIPFORMAT format)
{
    if (format == CF_TEXT)
        return QStringLiteral("text/plain");
    for (const auto& [name, id] : Registered())
        if (id == format)
            return QStringLiteral("application/x-kalvenrod-") + QString::fromStdString(name);
    return QString();
}
