#pragma once
// The clipboard text of the data editor's grid: a copied block and the cutting of pasted text.

#include "platform/core/CString.h"

#include <functional>
#include <string_view>
#include <vector>

namespace GridClipboardText
{
// The next piece of rest up to separator; rest continues after it (empty at the end).
std::string_view Cut(std::string_view& rest, std::string_view separator);

// The text of a block of cells: a selected cell gives its text and a tab unless it stands in
// the block's last column, a cell not selected gives nothing; rows holding a selected cell are
// joined by a tab and a line feed.
CString BlockText(int minRow, int minCol, int maxRow, int maxCol, const std::function<bool(int, int)>& isSelected,
                  const std::function<CString(int, int)>& text);

// Clipboard text cut into lines and fields. Lines end at a tab and a line feed when the text
// came with a description (or holds a "#GridInfo;" line, which is dropped), else at a line
// feed, a carriage return before it dropped. Fields end at tabs and are trimmed; empty fields
// at the end of a line are left out.
std::vector<std::vector<CString>> SplitText(const CString& text, bool described);
} // namespace GridClipboardText
