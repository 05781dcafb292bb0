#pragma once
// The list of files that editors are writing: values "file<n>" of the profile key
// "WritingFiles", each the path of a file whose write bits an editor took.

#include "platform/core/CString.h"

#include <utility>
#include <vector>

namespace WritingFiles
{
// Value names and paths, in the stored order.
std::vector<std::pair<CString, CString>> Entries();
// Lists the path under the next free number (once).
void Add(const CString& path);
void Remove(const CString& path);
// After a crash: every listed file gets its owner's write bit back, the list is emptied.
void Clean();
} // namespace WritingFiles
