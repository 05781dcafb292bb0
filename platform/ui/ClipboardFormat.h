#pragma once
// Clipboard formats: CF_TEXT is UTF-8 text/plain; a registered format is a MIME type of its own
// ("application/x-kalvenrod-<name>"), so that it travels beside the text.

#include "platform/core/WinTypes.h"

#include <QString>

using CLIPFORMAT = WORD;
constexpr CLIPFORMAT CF_TEXT = 1;

// Effects of a drag: what the drop did or may do.
using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;

// The same name always gives the same format (0xC000 and above).
UINT RegisterClipboardFormat(LPCTSTR lpszFormat);

namespace Clipboard
{
QString MimeTypeOf(CLIPFORMAT format);
} // namespace Clipboard
