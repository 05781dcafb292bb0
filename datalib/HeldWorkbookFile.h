#pragma once
// A workbook file built in several steps and written once, whole: while it is held, what the
// database objects write of it stays in memory, and they open it again as it was written.
// Write puts it into the file, atomically; what is not written when the hold ends is forgotten.

#include "platform/core/CString.h"

#include <memory>

namespace jet
{
class HeldWorkbook;
}

class HeldWorkbookFile
{
public:
    explicit HeldWorkbookFile(const CString& path);
    ~HeldWorkbookFile();
    HeldWorkbookFile(const HeldWorkbookFile&) = delete;
    HeldWorkbookFile& operator=(const HeldWorkbookFile&) = delete;

    // False with the cause when the file could not be written; it is then as it was.
    bool Write(CString& cause);

private:
    std::unique_ptr<jet::HeldWorkbook> m_held;
};
