#include "controls/grid/GridClipboardText.h"

#include <string_view>

namespace GridClipboardText
{
namespace
{
constexpr std::string_view lineEnd = "\t\n";
} // namespace

std::string_view Cut(std::string_view& rest, std::string_view separator)
{
    const std::size_t pos = rest.find(separator);
    const std::string_view piece = rest.substr(0, pos);
    rest = pos == std::string_view::npos ? std::string_view() : rest.substr(pos + separator.size());
    return piece;
}

CString BlockText(int minRow, int minCol, int maxRow, int maxCol, const std::function<bool(int, int)>& isSelected,
                  const std::function<CString(int, int)>& text)
{
    std::string block;
    for (int row = minRow; row <= maxRow; ++row)
    {
        std::string line;
        bool used = false;
        for (int col = minCol; col <= maxCol; ++col)
        {
            if (!isSelected(row, col))
                continue;
            used = true;
            line += text(row, col).str();
            if (col < maxCol)
                line += '\t';
        }
        if (!used)
            continue;
        block += line;
        if (row < maxRow)
            block += lineEnd;
    }
    return CString(std::move(block));
}

std::vector<std::vector<CString>> SplitText(const CString& text, bool described)
{
    std::string_view rest(text.str());
    if (rest.find("#GridInfo;") != std::string_view::npos)
    {
        Cut(rest, "\n");
        described = true;
    }
    std::vector<std::vector<CString>> lines;
    while (!rest.empty())
    {
        std::string_view line = Cut(rest, described ? lineEnd : std::string_view("\n"));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::vector<CString> fields;
        while (!line.empty())
            fields.push_back(CString(Cut(line, "\t")).Trim());
        while (!fields.empty() && fields.back().IsEmpty())
            fields.pop_back();
        lines.push_back(std::move(fields));
    }
    return lines;
}
CString CutToCellLimit(const CString& text)
{
    const std::string& bytes = text.str();
    int units = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
    {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte & 0xC0) == 0x80)
            continue; // inside a character
        units += byte >= 0xF0 ? 2 : 1;
        if (units > kCellTextLimit)
            return CString(bytes.substr(0, i));
    }
    return text;
}
} // namespace GridClipboardText
