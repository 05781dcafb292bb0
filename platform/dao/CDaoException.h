#pragma once
// A database error, thrown as a pointer like the platform's other exceptions:
//     catch (CDaoException* e) { ... e->m_pErrorInfo->m_lErrorCode ...; e->Delete(); }

#include "platform/core/CException.h"
#include "platform/dao/CDaoErrorInfo.h"

class CDaoException : public CException
{
    DECLARE_DYNAMIC(CDaoException)
public:
    CDaoException() = default;
    CDaoException(long errorCode, const CString& description);
    ~CDaoException() override;
    CDaoException(const CDaoException&) = delete;
    CDaoException& operator=(const CDaoException&) = delete;

    // The number of errors the exception carries (0 or 1 here).
    short GetErrorCount() const { return m_pErrorInfo ? 1 : 0; }
    // Makes error index the one m_pErrorInfo shows (only 0 exists).
    void GetErrorInfo(int /*index*/) {}
    CString GetMessageText() const override;

    // The error, or nullptr when the engine gave no error information (then m_scode tells).
    CDaoErrorInfo* m_pErrorInfo = nullptr;
    SCODE m_scode = 0;
    int m_nAfxDaoError = 0;
};

// Throws a CDaoException with that code and description.
[[noreturn]] void AfxThrowDaoException(long errorCode, const CString& description);
