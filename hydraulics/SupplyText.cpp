#include "hydraulics/SupplyText.h"

#include "common/CommonRoutines.h"
#include "hydraulics/NumberReading.h"

std::vector<SupplyRow> ParseSupplyText(CString text)
{
    std::vector<SupplyRow> rows;
    for (int close = text.Find(char32_t(']'), 1); close > 0; close = text.Find(char32_t(']'), 1))
    {
        CString piece = text.Left(close + 1);
        text.Delete(0, close + 1);
        piece.Remove(char32_t(']'));
        piece.Remove(char32_t('['));
        const int brace = piece.Find(char32_t('{'));
        if (brace < 0)
            break;
        SupplyRow row{piece.Left(brace), CString()};
        CString rest = piece.Mid(brace);
        for (int end = rest.Find(char32_t('}'), 1); end > 0; end = rest.Find(char32_t('}'), 1))
        {
            CString part = rest.Left(end + 1);
            rest.Delete(0, end + 1);
            part.Remove(char32_t('}'));
            part.Remove(char32_t('{'));
            const int mark = part.Find("L=");
            if (mark >= 0)
                row.length = LocalizeDecimalSeparator(part.Mid(mark + 2));
        }
        rows.push_back(row);
    }
    return rows;
}

SupplyTextResult BuildSupplyText(const std::vector<SupplyRow>& rows)
{
    SupplyTextResult result;
    for (const SupplyRow& row : rows)
    {
        const double length = ReadNumber(row.length);
        if (length == 0.0)
            continue;
        result.text += "[" + row.circuit + "{" + "L=" + WriteStoredNumber("%.1f", length) + "}" + "]";
        result.totalLength += length;
    }
    return result;
}

bool BreaksSupplyText(const CString& circuit)
{
    return circuit.FindOneOf("[]{}") >= 0 || circuit.Find("L=") >= 0;
}
