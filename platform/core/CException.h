#pragma once
// The base of the exceptions the platform throws. As the system's code expects, they are
// thrown as pointers (throw new CFileException(...)) and the catcher calls Delete().

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    // Copies the message (cut to whole characters) into buffer; FALSE when there is none.
    virtual BOOL GetErrorMessage(char* buffer, UINT maxBytes, UINT* helpContext = nullptr) const;
    virtual CString GetMessageText() const { return CString(); }
    // Shows the message in a message box (MB_OK with the exclamation icon for type 0; the text
    // of messageId when the exception has none); the box's answer.
    virtual int ReportError(UINT type = 0, UINT messageId = 0) const;
    void Delete() { delete this; }
};
