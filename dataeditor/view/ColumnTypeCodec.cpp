#include "dataeditor/view/ColumnTypeCodec.h"

#include "platform/core/NumberText.h"

namespace
{
struct TypeName
{
    const char* name;
    int type;
};

const TypeName kTypes[] = {{"dbBoolean", 1}, {"dbByte", 2},   {"dbInteger", 3}, {"dbLong", 4},  {"dbCurrency", 5},
                           {"dbSingle", 6},  {"dbDouble", 7}, {"dbDate", 8},    {"dbText", 10}, {"dbMemo", 12}};
} // namespace

namespace ColumnTypeCodec
{
int Decode(const CString& text, int& decimals)
{
    decimals = -2;
    const int semicolon = text.ReverseFind(';');
    if (semicolon > 0 && semicolon < text.GetLength() - 1)
        decimals = NumberText::ToInt(std::string(text.Mid(semicolon + 1)));
    for (const TypeName& entry : kTypes)
        if (text.Find(entry.name) >= 0)
            return entry.type;
    return -1;
}

CString Encode(int type, int decimals, bool addDecimals)
{
    CString name = "dbText";
    for (const TypeName& entry : kTypes)
        if (entry.type == type)
            name = entry.name;
    if (addDecimals && decimals != -2 && type >= 2 && type <= 7)
    {
        CString text;
        text.Format("%s;%d", LPCTSTR(name), decimals);
        return text;
    }
    return name;
}
} // namespace ColumnTypeCodec
