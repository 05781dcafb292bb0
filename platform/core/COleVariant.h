#pragma once
// A VARIANT that owns its contents: copies duplicate them, destruction frees them.

#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/Variant.h"

class COleVariant : public VARIANT
{
public:
    COleVariant() { VariantInit(this); }
    COleVariant(const VARIANT& v);
    COleVariant(const COleVariant& v) : COleVariant(static_cast<const VARIANT&>(v)) {}
    COleVariant(COleVariant&& v) noexcept;
    // vt VT_BSTR (the text) ...
    COleVariant(const char* text, VARTYPE vt = VT_BSTR);
    COleVariant(const CString& text);
    COleVariant(BYTE v) { VariantInit(this), vt = VT_UI1, bVal = v; }
    // vt VT_I2 or VT_BOOL.
    COleVariant(short v, VARTYPE type = VT_I2);
    // vt VT_I4, VT_ERROR or VT_BOOL.
    COleVariant(LONG v, VARTYPE type = VT_I4);
    COleVariant(long v, VARTYPE type = VT_I4) : COleVariant(LONG(v), type) {}
    COleVariant(float v) { VariantInit(this), vt = VT_R4, fltVal = v; }
    // vt VT_R8 or VT_DATE.
    COleVariant(double v, VARTYPE type = VT_R8);
    COleVariant(const COleCurrency& v);
    COleVariant(const COleDateTime& v);
    ~COleVariant() { VariantClear(this); }

    COleVariant& operator=(const VARIANT& v);
    COleVariant& operator=(const COleVariant& v) { return *this = static_cast<const VARIANT&>(v); }
    COleVariant& operator=(COleVariant&& v) noexcept;
    COleVariant& operator=(const char* text);
    COleVariant& operator=(const CString& text) { return *this = text.GetString(); }
    COleVariant& operator=(BYTE v);
    COleVariant& operator=(short v);
    COleVariant& operator=(LONG v);
    COleVariant& operator=(float v);
    COleVariant& operator=(double v);
    COleVariant& operator=(const COleCurrency& v);
    COleVariant& operator=(const COleDateTime& v);

    void Clear() { VariantClear(this); }
    // Converts in place (or from src); the result of VariantChangeType, the variant
    // unchanged on failure.
    HRESULT ChangeType(VARTYPE type, LPVARIANT src = nullptr);
    void SetString(const char* text, VARTYPE type = VT_BSTR);
    // Takes over v's contents (v is emptied) / hands the contents over.
    void Attach(VARIANT& v);
    VARIANT Detach();

    operator LPVARIANT() { return this; }
    operator const VARIANT*() const { return this; }

    // Same type and value (texts compared byte for byte).
    bool operator==(const VARIANT& v) const;
    bool operator!=(const VARIANT& v) const { return !(*this == v); }
};
