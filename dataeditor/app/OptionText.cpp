#include "dataeditor/app/OptionText.h"

#include <string>
#include <vector>

CString GetSeparatedField(const CString& text, int index, CString& separator)
{
    if (index < 0)
    {
        separator.Empty();
        return CString();
    }
    const std::string whole(text);
    const std::string sep(separator);
    if (sep.empty())
    {
        if (index == 0)
            return text;
        separator.Empty();
        return CString();
    }
    std::size_t start = 0;
    for (int i = 0; i < index; ++i)
    {
        const std::size_t at = whole.find(sep, start);
        if (at == std::string::npos)
        {
            separator.Empty();
            return CString();
        }
        start = at + sep.size();
    }
    const std::size_t end = whole.find(sep, start);
    return CString(whole.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
}

CString MarkBracketGroups(const CString& text, const CString& pair, BracketStatus& status)
{
    status = BracketStatus();
    const std::string source(text);
    if (pair.GetLength() < 2)
        return CString();
    const char open = pair[0];
    const char close = pair[1];
    std::vector<int> levelAt(source.size(), 0);
    std::vector<std::size_t> stack;
    for (std::size_t i = 0; i < source.size(); ++i)
    {
        const char c = source[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (c == open)
        {
            stack.push_back(i);
            levelAt[i] = int(stack.size());
        }
        else if (c == close)
        {
            if (stack.empty())
            {
                ++status.unmatchedCloses;
                continue;
            }
            levelAt[i] = int(stack.size());
            stack.pop_back();
            ++status.matchedPairs;
        }
    }
    status.openGroups = int(stack.size());
    status.balanced = stack.empty() && status.unmatchedCloses == 0;
    if (!status.balanced)
        return CString();
    std::string marked;
    for (std::size_t i = 0; i < source.size(); ++i)
    {
        const std::string marker = levelAt[i] ? "\n" + std::to_string(levelAt[i]) : std::string();
        if (source[i] == open && levelAt[i])
            marked += marker + source[i];
        else if (source[i] == close && levelAt[i])
            marked += source[i] + marker;
        else
            marked += source[i];
    }
    return CString(marked.c_str());
}
