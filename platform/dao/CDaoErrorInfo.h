#pragma once

#include "platform/core/CString.h"

// One database error: its Jet-like code, where it arose and the Czech description.
struct CDaoErrorInfo
{
    long m_lErrorCode = 0;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    long m_lHelpContext = 0;
};
