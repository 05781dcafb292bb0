#pragma once
// Inside the library only: how CData runs its database calls.

#include "datalib/CData.h"
#include "platform/dao/CDaoException.h"

template <class Calls> int CData::RunDao(Calls&& calls)
{
    try
    {
        calls();
        return 1;
    }
    catch (CDaoException* e)
    {
        DisplayDaoException(e);
        return 0;
    }
}

// Runs database calls whose failure changes nothing worth reporting (undoing a failed edit).
template <class Calls> void RunDaoQuietly(Calls&& calls)
{
    try
    {
        calls();
    }
    catch (CDaoException* e)
    {
        e->Delete();
    }
}
