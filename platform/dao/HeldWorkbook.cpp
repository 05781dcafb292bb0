#include "platform/dao/HeldWorkbook.h"

#include "platform/dao/WorkbookDocument.h"

namespace jet
{

HeldWorkbook::HeldWorkbook(std::string path) : path_(std::move(path))
{
    WorkbookDocument::Hold(path_);
}

HeldWorkbook::~HeldWorkbook()
{
    WorkbookDocument::Release(path_);
}

void HeldWorkbook::Write()
{
    WorkbookDocument::WriteHeld(path_);
}

} // namespace jet
