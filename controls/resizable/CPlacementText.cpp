#include "controls/resizable/CPlacementText.h"

#include <array>
#include <cctype>
#include <climits>

namespace
{
// One decimal integer as "%d" reads it: blanks, an optional sign, digits.
bool ReadInt(const char*& p, int& value)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    long long v = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)))
    {
        v = v * 10 + (*p++ - '0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    v = negative ? -v : v;
    if (v > INT_MAX)
        return false;
    value = int(v);
    return true;
}

// A show command that shows the window: a saved "hide" (0) or an unknown code would lose it.
bool IsShowCommand(int cmd)
{
    return cmd >= 1 && cmd <= 11;
}
} // namespace

CString CPlacementText::Format() const
{
    CString text;
    text.Format("%d,%d,%d,%d,%d,%d", int(rect.left), int(rect.top), int(rect.right), int(rect.bottom),
                nShowCmd, nFlags);
    return text;
}

BOOL CPlacementText::Parse(const char* text)
{
    if (!text)
        return FALSE;
    std::array<int, 6> v{};
    const char* p = text;
    for (std::size_t i = 0; i < v.size(); ++i)
    {
        if (i > 0 && *p++ != ',')
            return FALSE;
        if (!ReadInt(p, v[i]))
            return FALSE;
    }
    const CRect r(v[0], v[1], v[2], v[3]);
    if (r.IsRectEmpty() || !IsShowCommand(v[4]))
        return FALSE;
    rect = r;
    nShowCmd = v[4];
    nFlags = v[5];
    return TRUE;
}
