#pragma once
// Automation objects: IUnknown with its reference count, IDispatch invoked by DISPID, and the
// records of a call (DISPPARAMS, EXCEPINFO).

#include "platform/core/Variant.h"

using DISPID = LONG;

enum class IID
{
    Unknown,
    Dispatch,
};
using REFIID = IID;

constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);

struct IUnknown
{
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

// Arguments in reverse order, as in every automation call: rgvarg[0] is the last argument.
// A property put names its value DISPID_PROPERTYPUT.
struct DISPPARAMS
{
    VARIANTARG* rgvarg = nullptr;
    DISPID* rgdispidNamedArgs = nullptr;
    UINT cArgs = 0;
    UINT cNamedArgs = 0;
};

struct EXCEPINFO
{
    WORD wCode = 0;
    WORD wReserved = 0;
    BSTR bstrSource = nullptr;
    BSTR bstrDescription = nullptr;
    BSTR bstrHelpFile = nullptr;
    DWORD dwHelpContext = 0;
    SCODE scode = 0;
};

constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
constexpr DISPID DISPID_PROPERTYPUT = -3;

struct IDispatch : IUnknown
{
    // DISP_E_EXCEPTION with pExcepInfo filled when the object raised an exception.
    virtual HRESULT Invoke(DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                           EXCEPINFO* pExcepInfo, UINT* puArgErr) = 0;
};
