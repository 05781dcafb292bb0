#pragma once

#include "platform/core/CString.h"

// What a field of a table or query is: name, DAO type code, size and attributes.
struct CDaoFieldInfo
{
    CString m_strName;
    // The field as its source holds it: a sheet's heading cell text where it differs from the
    // name; else the name.
    CString m_strSourceField;
    short m_nType = 0;
    long m_lSize = 0;
    long m_lAttributes = 0;
    short m_nOrdinalPosition = 0;
    BOOL m_bRequired = FALSE;
    BOOL m_bAllowZeroLength = TRUE;
};
