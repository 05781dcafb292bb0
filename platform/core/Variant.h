#pragma once
// VARIANT: the tagged value of the OLE calls, and the variant functions the system calls.
// Conversions between text and the other types follow a user locale (UserLocale).

#include "platform/core/Bstr.h"
#include "platform/core/WinTypes.h"

class UserLocale;
struct SAFEARRAY; // defined by the automation part (platform/ole)
struct IUnknown;
struct IDispatch;

using VARTYPE = unsigned short;
enum VARENUM : VARTYPE
{
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_UI1 = 17,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

using VARIANT_BOOL = short;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Days since 1899-12-30; the fraction is the time of day.
using DATE = double;

// Currency: a 64-bit integer of ten-thousandths.
struct CY
{
    LONGLONG int64;
};

struct VARIANT
{
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union
    {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        INT_PTR intVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        CY cyVal;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SAFEARRAY* parray;
        VARIANT* pvarVal;
        void* byref;
    };
};
using VARIANTARG = VARIANT;
using LPVARIANT = VARIANT*;

// Flags of VariantChangeType and of the date and currency texts.
constexpr USHORT VARIANT_NOVALUEPROP = 0x01;
constexpr USHORT VARIANT_ALPHABOOL = 0x02;
constexpr USHORT VARIANT_LOCALBOOL = 0x10;
constexpr DWORD VAR_TIMEVALUEONLY = 0x01;
constexpr DWORD VAR_DATEVALUEONLY = 0x02;

void VariantInit(VARIANT* v);
// Frees what the variant owns (its BSTR, its array, its object reference) and empties it.
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);

// Converts src into type vt in the user's locale (UserLocale::Current()). dest may be src.
// Text to number: blanks around, sign, the locale's decimal and thousands separators, an
// exponent; empty or unreadable text gives DISP_E_TYPEMISMATCH, a value out of the target's
// range DISP_E_OVERFLOW; integer targets round half to even. dest is unchanged on failure.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt);
HRESULT VariantChangeTypeEx(VARIANT* dest, const VARIANT* src, LCID lcid, USHORT flags, VARTYPE vt);
// The same in the given locale.
HRESULT VariantChangeTypeIn(VARIANT* dest, const VARIANT* src, const UserLocale& locale, USHORT flags,
                            VARTYPE vt);

// The automation part owns arrays and objects: it installs how they are copied and freed.
struct VariantOwnedHooks
{
    HRESULT (*copyArray)(SAFEARRAY* from, SAFEARRAY** to) = nullptr;
    HRESULT (*destroyArray)(SAFEARRAY* array) = nullptr;
    void (*addRef)(IUnknown* object) = nullptr;
    void (*release)(IUnknown* object) = nullptr;
};
void SetVariantOwnedHooks(const VariantOwnedHooks& hooks);
