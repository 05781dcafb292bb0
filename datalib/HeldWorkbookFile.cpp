#include "datalib/HeldWorkbookFile.h"

#include "platform/dao/HeldWorkbook.h"
#include "platform/dao/JetError.h"

HeldWorkbookFile::HeldWorkbookFile(const CString& path) : m_held(std::make_unique<jet::HeldWorkbook>(path.str()))
{
}

HeldWorkbookFile::~HeldWorkbookFile() = default;

bool HeldWorkbookFile::Write(CString& cause)
{
    try
    {
        m_held->Write();
    }
    catch (const jet::JetError& error)
    {
        cause = error.what();
        return false;
    }
    return true;
}
