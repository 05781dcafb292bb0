#include "platform/dao/BiffRecordReader.h"

#include "platform/dao/WorkbookError.h"

namespace workbook
{

void BiffRecordReader::Incomplete()
{
    throw WorkbookError("Sešit je poškozen: poslední záznam je neúplný.");
}

void BiffRecordReader::PastTheEnd()
{
    throw WorkbookError("Sešit je poškozen: záznam přesahuje konec souboru.");
}

} // namespace workbook
