#pragma once
// The exception an automation object raised during a call: its error code, status code and
// description, as the object gave them.

#include "platform/core/CException.h"

class COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(const char* description, UINT helpId, WORD wCode);
    CString GetMessageText() const override;

    WORD m_wCode;
    SCODE m_scError = 0;
    CString m_strSource;
    CString m_strDescription;
    DWORD m_dwHelpContext = 0;
};

[[noreturn]] void AfxThrowOleDispatchException(WORD wCode, const char* description, SCODE scode = 0);
