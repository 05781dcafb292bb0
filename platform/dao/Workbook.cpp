#include "platform/dao/Workbook.h"

#include "platform/dao/WorkbookError.h"

#include <QString>

#include <algorithm>
#include <cctype>

namespace workbook
{

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() == b.size() && a == b)
        return true;
    // Plain ASCII names (most field names) compare without converting them.
    const auto ascii = [](std::string_view text)
    { return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }); };
    if (ascii(a) && ascii(b))
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                                  [](char x, char y) { return std::tolower(x) == std::tolower(y); });
    const QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    const QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    return qa.compare(qb, Qt::CaseInsensitive) == 0;
}

Worksheet& Workbook::AddSheet(std::string name)
{
    sheets_.push_back(std::make_unique<Worksheet>(std::move(name)));
    return *sheets_.back();
}

void Workbook::RemoveSheet(int index)
{
    if (index < 0 || index >= SheetCount())
        return;
    sheets_.erase(sheets_.begin() + index);
    std::vector<DefinedName> kept;
    for (DefinedName& name : names_)
    {
        if (name.sheet == index)
            continue;
        if (name.sheet > index)
            --name.sheet;
        kept.push_back(std::move(name));
    }
    names_ = std::move(kept);
}

int Workbook::SheetIndex(std::string_view name) const
{
    for (int i = 0; i < SheetCount(); ++i)
        if (SameName(sheets_[i]->Name(), name))
            return i;
    return -1;
}

void Workbook::ReorderSheets(const std::vector<int>& order)
{
    if (static_cast<int>(order.size()) != SheetCount())
        throw WorkbookError("Neplatné pořadí listů.");
    std::vector<std::unique_ptr<Worksheet>> sorted;
    std::vector<int> newIndex(order.size(), -1);
    for (std::size_t i = 0; i < order.size(); ++i)
    {
        const int old = order[i];
        if (old < 0 || old >= SheetCount() || newIndex[old] != -1)
            throw WorkbookError("Neplatné pořadí listů.");
        newIndex[old] = static_cast<int>(i);
    }
    for (int old : order)
        sorted.push_back(std::move(sheets_[old]));
    sheets_ = std::move(sorted);
    for (DefinedName& name : names_)
        name.sheet = newIndex[name.sheet];
}

int Workbook::NameIndex(std::string_view name) const
{
    for (int i = 0; i < static_cast<int>(names_.size()); ++i)
        if (SameName(names_[i].name, name))
            return i;
    return -1;
}

} // namespace workbook
