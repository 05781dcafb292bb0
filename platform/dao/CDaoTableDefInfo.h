#pragma once

#include "platform/core/CString.h"

// What a table definition is: its name (a sheet "<name>$", a range name, or a table of a database file).
struct CDaoTableDefInfo
{
    CString m_strName;
    BOOL m_bUpdatable = TRUE;
    long m_lAttributes = 0;
};
