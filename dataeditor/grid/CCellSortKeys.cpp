#include "dataeditor/grid/CCellSortKeys.h"

#include "dataeditor/document/CColumnInfo.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/UserLocale.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace
{
template <class T> int Sign(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

// The character of a text of exactly one character; 0 for any other text.
char32_t OneCharacter(std::string_view text)
{
    std::size_t end = 0;
    const char32_t c = text.empty() ? 0 : Utf8::Decode(text, end);
    return end == text.size() ? c : 0;
}
} // namespace

CCellSortKeys::CCellSortKeys(const std::vector<CString>& texts, const CColumnInfo* description,
                             const CCollationAlphabet& alphabet)
    : CCellSortKeys(
          int(texts.size()), [&texts](int i) { return std::string_view(texts[std::size_t(i)].str()); }, description,
          alphabet)
{
}

CCellSortKeys::CCellSortKeys(int count, const std::function<std::string_view(int)>& text,
                             const CColumnInfo* description, const CCollationAlphabet& alphabet)
    : m_kind(description && description->IsNumeric() ? Kind::number
             : description && description->IsDate() ? Kind::date
                                                     : Kind::text)
{
    switch (m_kind)
    {
    case Kind::number:
    {
        const std::string& thousandsSeparator = UserLocale::Current().thousandsSeparator;
        m_numbers.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            m_numbers.push_back(NumberValue(text(i), thousandsSeparator));
        break;
    }
    case Kind::date:
        m_dates.reserve(std::size_t(count));
        m_starts.reserve(std::size_t(count) + 1);
        for (int i = 0; i < count; ++i)
        {
            const std::string value(text(i));
            COleDateTime date;
            const bool valid = !value.empty() && date.ParseDateTime(value.c_str(), VAR_DATEVALUEONLY);
            m_dates.push_back({value.empty() ? 0 : valid ? 1 : 2, valid ? double(date.m_dt) : 0.0});
            AddTextKey(valid ? std::string_view() : std::string_view(value), alphabet);
        }
        break;
    case Kind::text:
    {
        // A key has at most one unit per byte of its text: the keys are laid out without growing.
        std::vector<std::string_view> texts(static_cast<std::size_t>(count));
        std::size_t bytes = 0;
        for (int i = 0; i < count; ++i)
            bytes += (texts[std::size_t(i)] = text(i)).size();
        m_keys.reserve(bytes);
        m_starts.reserve(std::size_t(count) + 1);
        for (const std::string_view& one : texts)
            AddTextKey(one, alphabet);
        break;
    }
    }
}

double CCellSortKeys::NumberValue(std::string_view text, std::string_view thousandsSeparator)
{
    const char32_t grouping = OneCharacter(thousandsSeparator);
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
    {
        const char32_t c = Utf8::Decode(text, pos);
        if (c == grouping)
            continue;
        if (c == ',')
            plain += '.';
        else if (c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E' || (c >= '0' && c <= '9'))
            plain += char(c);
        else if (c != ' ' && c != 0xA0 && c != 0x202F && c != '\'')
            break;
    }
    const char* first = plain.data();
    if (!plain.empty() && plain.front() == '+')
        ++first;
    double value = 0;
    std::from_chars(first, plain.data() + plain.size(), value);
    return value;
}

int CCellSortKeys::Compare(int a, int b) const
{
    switch (m_kind)
    {
    case Kind::number:
        return Sign(m_numbers[a], m_numbers[b]);
    case Kind::date:
        if (int group = Sign(m_dates[a].group, m_dates[b].group))
            return group;
        if (int value = Sign(m_dates[a].value, m_dates[b].value))
            return value;
        return Sign(TextKey(a), TextKey(b));
    case Kind::text:
        break;
    }
    return Sign(TextKey(a), TextKey(b));
}

namespace
{
template <class Less> void StableSort(std::vector<int>& order, bool ascending, Less less)
{
    if (ascending)
        std::stable_sort(order.begin(), order.end(), less);
    else
        std::stable_sort(order.begin(), order.end(), [&less](int a, int b) { return less(b, a); });
}
} // namespace

std::vector<int> CCellSortKeys::Order(bool ascending) const
{
    const std::size_t count = m_kind == Kind::number ? m_numbers.size() : m_starts.size() - 1;
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    switch (m_kind)
    {
    case Kind::number:
        StableSort(order, ascending, [this](int a, int b) { return m_numbers[a] < m_numbers[b]; });
        break;
    case Kind::text:
        StableSort(order, ascending, [this](int a, int b) { return TextKey(a) < TextKey(b); });
        break;
    case Kind::date:
        StableSort(order, ascending, [this](int a, int b) { return Compare(a, b) < 0; });
        break;
    }
    return order;
}

int CompareCellTexts(const CString& a, const CString& b, const CColumnInfo* description)
{
    CCellSortKeys keys({a, b}, description, CCollationAlphabet::OfLanguagePack());
    return keys.Compare(0, 1);
}
