#include "platform/dao/WorkbookRecordset.h"

#include "platform/dao/JetError.h"

#include <algorithm>

namespace jet
{

WorkbookRecordset::WorkbookRecordset(std::shared_ptr<WorkbookSession> session, WorkbookSession::QueryRows rows,
                                     bool updatable)
    : session_(std::move(session)), table_(std::move(rows.table)), records_(std::move(rows.records)),
      fieldMap_(std::move(rows.fields)), updatable_(updatable)
{
    sheetTable_ = std::make_unique<SheetTable>(session_->TableOf(table_));
    for (int index : fieldMap_)
        fields_.push_back(sheetTable_->Fields()[index]);
}

SheetTable& WorkbookRecordset::Table()
{
    return *sheetTable_;
}

int WorkbookRecordset::Record(int position) const
{
    if (position < 0 || position >= Count())
        throw JetError(kErrNoCurrentRecord, "Není vybrán žádný záznam.");
    return records_[position];
}

int WorkbookRecordset::TableField(int field) const
{
    if (field < 0 || field >= static_cast<int>(fieldMap_.size()))
        throw JetError(kErrFieldNotFound, "Sloupec č. " + std::to_string(field) + " v tabulce není.");
    return fieldMap_[field];
}

Value WorkbookRecordset::Get(int position, int field)
{
    return Table().Get(Record(position), TableField(field));
}

void WorkbookRecordset::Set(int position, int field, const Value& value)
{
    if (!updatable_)
        throw JetError(kErrNotUpdatable, "Databázi nebo objekt nelze aktualizovat: je otevřen jen pro čtení.");
    Table().Set(Record(position), TableField(field), value);
    session_->Document().Touch();
}

Value WorkbookRecordset::GetStored(int position, int field)
{
    return Table().GetStored(Record(position), TableField(field));
}

void WorkbookRecordset::SetStored(int position, int field, const Value& value)
{
    if (!updatable_)
        throw JetError(kErrNotUpdatable, "Databázi nebo objekt nelze aktualizovat: je otevřen jen pro čtení.");
    Table().SetStored(Record(position), TableField(field), value);
    session_->Document().Touch();
}

int WorkbookRecordset::Append()
{
    if (!updatable_)
        throw JetError(kErrNotUpdatable, "Databázi nebo objekt nelze aktualizovat: je otevřen jen pro čtení.");
    records_.push_back(Table().AppendRecord());
    session_->Document().Touch();
    return Count() - 1;
}

std::vector<int> WorkbookRecordset::Matching(const std::string& criteria)
{
    const std::vector<int> records = session_->Matching(table_, criteria);
    std::vector<int> positions;
    for (int position = 0; position < Count(); ++position)
        if (std::binary_search(records.begin(), records.end(), records_[position]))
            positions.push_back(position);
    return positions;
}

} // namespace jet
