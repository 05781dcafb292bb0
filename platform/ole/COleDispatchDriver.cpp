#include "platform/ole/COleDispatchDriver.h"

#include "platform/ole/COleDispatchException.h"
#include "platform/ole/COleException.h"

#include <algorithm>
#include <vector>

namespace
{
void ThrowDispatchException(EXCEPINFO& info)
{
    auto* exception = new COleDispatchException(info.bstrDescription, info.dwHelpContext, info.wCode);
    exception->m_scError = info.scode;
    exception->m_strSource = info.bstrSource ? info.bstrSource : "";
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    throw exception;
}
} // namespace

COleDispatchDriver::COleDispatchDriver(IDispatch* dispatch, BOOL autoRelease)
    : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease)
{
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* error)
{
    ReleaseDispatch();
    void* object = nullptr;
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID::Dispatch, &object);
    if (FAILED(hr))
    {
        if (error)
            error->m_sc = hr;
        return FALSE;
    }
    AttachDispatch(static_cast<IDispatch*>(object));
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR progId, COleException* error)
{
    CLSID clsid;
    const HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr))
    {
        if (error)
            error->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, error);
}

void COleDispatchDriver::AttachDispatch(IDispatch* dispatch, BOOL autoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = dispatch;
    m_bAutoRelease = autoRelease;
}

IDispatch* COleDispatchDriver::DetachDispatch()
{
    IDispatch* dispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

COleVariant COleDispatchDriver::InvokeHelper(DISPID id, WORD flags, std::initializer_list<VARIANT> args)
{
    if (!m_lpDispatch)
        AfxThrowOleException(E_UNEXPECTED);
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params;
    params.rgvarg = reversed.data();
    params.cArgs = UINT(reversed.size());
    if (flags & DISPATCH_PROPERTYPUT)
    {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    COleVariant result;
    EXCEPINFO info;
    const HRESULT hr = m_lpDispatch->Invoke(id, flags, &params, &result, &info, nullptr);
    if (hr == DISP_E_EXCEPTION)
        ThrowDispatchException(info);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    return result;
}

void COleDispatchDriver::SetProperty(DISPID id, const VARIANT& value)
{
    InvokeHelper(id, DISPATCH_PROPERTYPUT, {value});
}

IDispatch* COleDispatchDriver::InvokeForObject(DISPID id, WORD flags, std::initializer_list<VARIANT> args)
{
    COleVariant result = InvokeHelper(id, flags, args);
    if (result.vt != VT_DISPATCH || !result.pdispVal)
        AfxThrowOleException(DISP_E_TYPEMISMATCH);
    VARIANT owned = result.Detach();
    return owned.pdispVal;
}

COleVariant MissingArgument()
{
    return COleVariant(LONG(DISP_E_PARAMNOTFOUND), VT_ERROR);
}
