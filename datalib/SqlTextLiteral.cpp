#include "datalib/SqlTextLiteral.h"

#include <string>

CString SqlTextLiteral(const CString& text)
{
    std::string literal = "'";
    for (const char c : text.str())
    {
        literal += c;
        if (c == '\'')
            literal += '\'';
    }
    literal += '\'';
    return CString(std::move(literal));
}
