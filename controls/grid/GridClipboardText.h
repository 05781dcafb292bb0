#pragma once
// The clipboard text of the grids: a copied block, the cutting of pasted text, and the cell
// limit of a pasted field.

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

// The most UTF-16 units a workbook cell holds.
inline constexpr int kCellTextLimit = 32767;
// The text cut to what a workbook cell holds, whole characters kept: a pasted text longer than
// that is cut where it comes in, so that no store later refuses it.
CString CutToCellLimit(const CString& text);
} // namespace GridClipboardText
