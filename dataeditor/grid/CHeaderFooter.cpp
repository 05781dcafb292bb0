#include "dataeditor/grid/CHeaderFooter.h"

#include <string>

std::size_t CHeaderFooter::ThirdTab(const CString& text)
{
    std::size_t tab = std::string::npos;
    for (int i = 0; i < 3; ++i)
    {
        tab = text.str().find('\t', tab == std::string::npos ? 0 : tab + 1);
        if (tab == std::string::npos)
            return tab;
    }
    return tab == 0 ? std::string::npos : tab;
}

CString CHeaderFooter::HeaderPart(const CString& text)
{
    const std::size_t tab = ThirdTab(text);
    return tab == std::string::npos ? CString("\t\t") : CString(text.str().substr(0, tab));
}

CString CHeaderFooter::FooterPart(const CString& text)
{
    const std::size_t tab = ThirdTab(text);
    return tab == std::string::npos ? CString("\t\t") : CString(text.str().substr(tab + 1));
}

CString CHeaderFooter::Expand(const CString& part, const Values& values)
{
    // Groups go first, so that a title or date holding a brace cannot unbalance the part.
    CString text = RemoveGroups(part);
    CString number;
    number.Format("%d", values.page);
    text.Replace("%PAGE%", number);
    number.Format("%d", values.pages);
    text.Replace("%PAGES%", number);
    text.Replace("%TITLE%", values.title);
    text.Replace("%DATE%", values.date);
    text.Replace("%TIME%", values.time);
    return text;
}

CString CHeaderFooter::RemoveGroups(const CString& part)
{
    std::string kept;
    int depth = 0;
    for (char c : part.str())
    {
        if (c == '{')
            ++depth;
        else if (c == '}')
        {
            if (--depth < 0)
                return CString();
        }
        else if (depth == 0)
            kept += c;
    }
    return depth == 0 ? CString(std::move(kept)) : CString();
}

CString CHeaderFooter::TitleOf(const CString& windowText)
{
    CString title = windowText;
    const int bar = title.ReverseFind('|');
    if (bar > 0)
        title = title.Left(bar);
    return title.Trim();
}
