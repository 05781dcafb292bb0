#include "dataeditor/document/CStringTools.h"

#include <algorithm>

CString CStringTools::TakeToken(CString& rest, const CString& separator) const
{
    const int at = separator.IsEmpty() ? -1 : rest.Find(separator);
    if (at < 0)
    {
        const CString all = rest;
        rest.Empty();
        return all;
    }
    const CString token = rest.Left(at);
    rest = rest.Mid(at + separator.GetLength());
    return token;
}

CString CStringTools::Join(const CString& separator, const CStringArray& array) const
{
    CString joined;
    for (int i = 0; i < array.GetSize(); ++i)
        joined += array[i] + separator;
    return joined.IsEmpty() ? joined : joined.Left(joined.GetLength() - 1);
}

void CStringTools::SplitPath(bool whole, const CString& path, CString& drive, CString& directory, CString& name,
                             CString& extension) const
{
    directory.Empty();
    name.Empty();
    extension.Empty();
    int driveEnd = 2;
    if (path.Left(2) != "\\\\")
        drive = path.Left(2);
    else
    {
        const int first = path.Find('\\', 3);
        const int second = first < 0 ? -1 : path.Find('\\', first + 1);
        if (second < 0)
        {
            drive = path;
            return;
        }
        drive = path.Left(second);
        driveEnd = second;
    }
    const int start = driveEnd + 1;
    if (whole)
    {
        directory = path.Mid(start);
        return;
    }
    const int lastSlash = path.ReverseFind('\\');
    if (lastSlash > start)
        directory = path.Mid(start, lastSlash - start);
    const int dot = path.ReverseFind('.');
    const int nameStart = std::max(lastSlash + 1, start);
    if (dot > lastSlash && dot >= nameStart)
    {
        name = path.Mid(nameStart, dot - nameStart);
        extension = path.Mid(dot + 1);
    }
    else
        name = path.Mid(nameStart);
}
