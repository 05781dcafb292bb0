#pragma once
// An automation failure that is not the object's own exception: its status code.

#include "platform/core/CException.h"

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = 0) : m_sc(sc) {}
    CString GetMessageText() const override;
    static SCODE Process(const CException* exception);

    SCODE m_sc;
};

// Throws a new COleException of the status.
[[noreturn]] void AfxThrowOleException(SCODE sc);
