#pragma once
// Calls of an automation object by DISPID. A failed call throws: COleDispatchException* when the
// object raised an exception of its own, COleException* for any other failure (the catcher calls
// Delete()).

#include "platform/core/COleVariant.h"
#include "platform/ole/ComRuntime.h"

#include <initializer_list>

class COleException;

class COleDispatchDriver
{
public:
    COleDispatchDriver() = default;
    explicit COleDispatchDriver(IDispatch* dispatch, BOOL autoRelease = TRUE);
    ~COleDispatchDriver();
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    // A running object of the class, or a new one (its server started).
    BOOL CreateDispatch(REFCLSID clsid, COleException* error = nullptr);
    BOOL CreateDispatch(LPCTSTR progId, COleException* error = nullptr);
    void AttachDispatch(IDispatch* dispatch, BOOL autoRelease = TRUE);
    IDispatch* DetachDispatch();
    void ReleaseDispatch();

    // The result of the call (VT_EMPTY when it has none); the arguments in their natural order.
    COleVariant InvokeHelper(DISPID id, WORD flags, std::initializer_list<VARIANT> args = {});
    COleVariant GetProperty(DISPID id) { return InvokeHelper(id, DISPATCH_PROPERTYGET); }
    void SetProperty(DISPID id, const VARIANT& value);
    // An object result, with a reference for the caller; throws COleException* (DISP_E_TYPEMISMATCH)
    // when the result is no object.
    IDispatch* InvokeForObject(DISPID id, WORD flags, std::initializer_list<VARIANT> args = {});

    IDispatch* m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;
};

// The "missing" argument: VT_ERROR with DISP_E_PARAMNOTFOUND.
COleVariant MissingArgument();
