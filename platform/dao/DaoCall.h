#pragma once

#include "platform/dao/CDaoException.h"
#include "platform/dao/JetError.h"

#include <exception>

// Runs an engine call; its errors reach the caller as CDaoException pointers.
template <typename Action> auto DaoCall(Action&& action) -> decltype(action())
{
    try
    {
        return action();
    }
    catch (const jet::JetError& error)
    {
        AfxThrowDaoException(error.Code(), CString(error.what()));
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowDaoException(7, CString("Nedostatek paměti."));
    }
}
