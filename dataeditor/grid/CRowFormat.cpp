#include "dataeditor/grid/CRowFormat.h"

#include <cctype>
#include <cstdlib>
#include <string_view>
#include <vector>

bool CRowFormat::Read(const CString& text)
{
    *this = CRowFormat();
    std::string_view rest(text.str());
    if (rest.starts_with('/'))
    {
        pageBreak = true;
        rest.remove_prefix(1);
    }
    std::vector<std::string_view> fields;
    for (std::size_t bar; fields.size() < 3 && (bar = rest.find('|')) != std::string_view::npos;)
    {
        fields.push_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    if (fields.size() < 3)
        return false;
    textColour = ReadColour(CString(fields[0]));
    backColour = ReadColour(CString(fields[1]));
    bold = fields[2].find('T') != std::string_view::npos;
    italic = fields[2].find('K') != std::string_view::npos;
    underline = fields[2].find('P') != std::string_view::npos;
    sizeStep = std::atoi(std::string(rest).c_str());
    return true;
}

CString CRowFormat::Text() const
{
    CString text = pageBreak ? "/" : "";
    text += ColourText(textColour) + "|" + ColourText(backColour) + "|";
    if (bold)
        text += "T";
    if (italic)
        text += "K";
    if (underline)
        text += "P";
    text.AppendFormat("|%d", sizeStep);
    return text;
}

COLORREF CRowFormat::ReadColour(const CString& field)
{
    const std::string& digits = field.str();
    if (digits.size() != 6)
        return defaultColour;
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return defaultColour;
    const auto pair = [&](int at) { return BYTE(std::strtol(digits.substr(at, 2).c_str(), nullptr, 16)); };
    return RGB(pair(0), pair(2), pair(4));
}

CString CRowFormat::ColourText(COLORREF colour)
{
    CString text;
    if (colour != defaultColour)
        text.Format("%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}
