#pragma once
// Small text tools of the imports and exports: cutting tokens at a separator, joining, and
// splitting a path into drive or network share, directory, name and extension.

#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"

class CStringTools
{
public:
    // The text before the first separator; rest keeps what follows it (all of rest and an
    // empty rest when there is no separator).
    CString TakeToken(CString& rest, const CString& separator) const;
    // The elements, each followed by the separator, less the last character.
    CString Join(const CString& separator, const CStringArray& array) const;
    // A path with "\\" separators (a network path begins with two of them); with whole set the
    // directory is everything after the drive.
    void SplitPath(bool whole, const CString& path, CString& drive, CString& directory, CString& name,
                   CString& extension) const;
};
