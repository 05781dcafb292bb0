#include "dataeditor/grid/CGridClipboardInfo.h"

#include "controls/grid/GridClipboardText.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace
{
constexpr std::string_view lineEnd = "\t\n";

// A line with its end; false when the text has no further complete line.
bool NextLine(std::string_view& rest, std::string_view& line)
{
    const std::size_t pos = rest.find(lineEnd);
    if (pos == std::string_view::npos)
        return false;
    line = rest.substr(0, pos);
    rest = rest.substr(pos + lineEnd.size());
    return true;
}
} // namespace

CString CGridClipboardInfo::Text() const
{
    CString text;
    text.Format("%d;%d;%d\t\n", wholeRows ? 1 : 0, rowCount, columnCount);
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i ? "\t" : "") + names[i];
    text.AppendFormat("\t\n%d\t\n", producer);
    return text;
}

bool CGridClipboardInfo::Read(const CString& text)
{
    *this = CGridClipboardInfo();
    std::string_view rest(text.str());
    std::string_view counts, nameLine, producerLine;
    if (!NextLine(rest, counts) || !NextLine(rest, nameLine) || !NextLine(rest, producerLine))
        return false;
    int flag = 0, rows = 0, columns = 0;
    if (std::sscanf(std::string(counts).c_str(), "%d;%d;%d", &flag, &rows, &columns) != 3)
        return false;
    std::vector<CString> read;
    while (!nameLine.empty())
        read.push_back(CString(GridClipboardText::Cut(nameLine, "\t")));
    if (int(read.size()) != columns || producerLine.empty())
        return false;
    wholeRows = flag != 0;
    rowCount = rows;
    columnCount = columns;
    names = std::move(read);
    producer = std::atoi(std::string(producerLine).c_str());
    return true;
}

int CGridClipboardInfo::ProducerNumber(const CString& path)
{
    std::string name = path.str();
    if (const std::size_t slash = name.find_last_of("/\\"); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    const std::size_t dash = name.find('-');
    return dash == std::string::npos ? 0 : std::atoi(name.c_str() + dash + 1);
}

CString CGridClipboardInfo::ProducerIndex(int producer, CString field, const CString& thousandSeparator)
{
    if (!thousandSeparator.IsEmpty())
        field.Replace(thousandSeparator, "");
    CString index;
    index.Format("%d-%d", producer, std::atoi(field));
    return index;
}
