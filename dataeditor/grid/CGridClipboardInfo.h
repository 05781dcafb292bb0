#pragma once
// The description of a copied block that the editor's grid puts on the clipboard beside its
// text (the format "SobrelGridInfo"): whether it is made of whole rows, its size, the headings
// of its columns and the producer number of the workbook it came from. Three lines, each
// ending in a tab and a line feed.

#include "platform/core/CString.h"

#include <vector>

class CGridClipboardInfo
{
public:
    static constexpr const char* formatName = "SobrelGridInfo";

    // The three lines.
    CString Text() const;
    // Reads the three lines; false (and the state of a plain text) when they are missing,
    // short or do not agree (as many names as columns, a producer line).
    bool Read(const CString& text);

    // The producer number of a workbook: the number after the first "-" of its file name
    // without extension ("ZVK-0007.xls" gives 7); 0 when the name has none.
    static int ProducerNumber(const CString& path);
    // An index value of a producer's catalogue as it lands in another: "7-12".
    static CString ProducerIndex(int producer, CString field, const CString& thousandSeparator);

    bool wholeRows = false;
    int rowCount = 0;
    int columnCount = 0;
    std::vector<CString> names;
    int producer = 0;
};
