#pragma once
// The sort keys of one column's texts, built once for a sort: numbers by value (read with the
// user's thousands separator), dates by date (empty cells first, texts that are no date after
// the dates), other texts by the alphabet. The order is stable: rows with equal keys keep their
// order either way.

#include "dataeditor/grid/CCollationAlphabet.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CColumnInfo;

class CCellSortKeys
{
public:
    // description may be null (the texts then sort as texts).
    CCellSortKeys(const std::vector<CString>& texts, const CColumnInfo* description,
                  const CCollationAlphabet& alphabet);
    // The texts of count places, read through text (valid while the keys are built).
    CCellSortKeys(int count, const std::function<std::string_view(int)>& text, const CColumnInfo* description,
                  const CCollationAlphabet& alphabet);

    // The places of the texts in sorted order.
    std::vector<int> Order(bool ascending) const;
    // -1, 0 or 1 for the texts at two places.
    int Compare(int a, int b) const;

    // A number text's value: blanks and the thousands separator left out, "." or "," (the one
    // that is not the thousands separator) as the decimal point, read up to the first character
    // that is no part of a number (0 for none).
    static double NumberValue(std::string_view text, std::string_view thousandsSeparator);

private:
    std::u32string_view TextKey(int i) const
    {
        return std::u32string_view(m_keys).substr(m_starts[std::size_t(i)],
                                                  m_starts[std::size_t(i) + 1] - m_starts[std::size_t(i)]);
    }
    void AddTextKey(std::string_view text, const CCollationAlphabet& alphabet)
    {
        alphabet.AppendKey(text, m_keys);
        m_starts.push_back(m_keys.size());
    }

    enum class Kind
    {
        number,
        date,
        text
    };
    struct DateKey
    {
        int group;
        double value;
    };

    Kind m_kind;
    std::vector<double> m_numbers;
    std::vector<DateKey> m_dates;
    // The texts' keys one after another; key i runs from m_starts[i] to m_starts[i + 1].
    std::u32string m_keys;
    std::vector<std::size_t> m_starts{0};
};

// One comparison of two cell texts by the column's description (may be null) and the
// language pack's alphabet: -1 when a sorts before b, 0 when equal, 1 when after.
int CompareCellTexts(const CString& a, const CString& b, const CColumnInfo* description);
