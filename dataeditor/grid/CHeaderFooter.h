#pragma once
// The page header and footer of a printed grid: one text of six tab-separated sections (header
// left, centre, right, footer left, centre, right). Tokens %PAGE%, %PAGES%, %TITLE%, %DATE% and
// %TIME% are filled in; text in braces, nested braces with it, is left out, and a part whose
// braces do not balance prints nothing.

#include "platform/core/CString.h"

class CHeaderFooter
{
public:
    struct Values
    {
        int page = 0;
        int pages = 0;
        CString title;
        CString date;
        CString time;
    };

    // The three header sections, or the three footer sections; "\t\t" when the text does not
    // hold both.
    static CString HeaderPart(const CString& text);
    static CString FooterPart(const CString& text);

    static CString Expand(const CString& part, const Values& values);
    // The part without its braced groups; "" when its braces do not balance.
    static CString RemoveGroups(const CString& part);
    // A window's title for %TITLE%: cut before its last "|" (unless that is its first
    // character), trimmed.
    static CString TitleOf(const CString& windowText);

private:
    // The byte offset of the third tab; npos when there is none or it is the first byte.
    static std::size_t ThirdTab(const CString& text);
};
