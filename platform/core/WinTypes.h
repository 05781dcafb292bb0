#pragma once
// The scalar types, handles and small macros that the system's code uses under their Windows names.

#include <cstdint>

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

using TCHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPTSTR = char*;
using LPCTSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
#define _T(x) x

// 0x00BBGGRR
using COLORREF = DWORD;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c)
{
    return BYTE(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return BYTE((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return BYTE((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(DWORD_PTR v)
{
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR v)
{
    return WORD((v >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi)
{
    return DWORD(lo) | (DWORD(hi) << 16);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi)
{
    return LPARAM(MAKELONG(lo, hi));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi)
{
    return WPARAM(MAKELONG(lo, hi));
}

// Handles are opaque pointers; each platform part gives meaning to its own.
#define KALVENROD_DECLARE_HANDLE(name)                                                                       \
    struct name##__;                                                                                         \
    using name = name##__*
KALVENROD_DECLARE_HANDLE(HWND);
KALVENROD_DECLARE_HANDLE(HINSTANCE);
KALVENROD_DECLARE_HANDLE(HICON);
KALVENROD_DECLARE_HANDLE(HCURSOR);
KALVENROD_DECLARE_HANDLE(HMENU);
KALVENROD_DECLARE_HANDLE(HDC);
KALVENROD_DECLARE_HANDLE(HFONT);
KALVENROD_DECLARE_HANDLE(HBITMAP);
KALVENROD_DECLARE_HANDLE(HBRUSH);
KALVENROD_DECLARE_HANDLE(HPEN);
KALVENROD_DECLARE_HANDLE(HRGN);
KALVENROD_DECLARE_HANDLE(HKEY);
KALVENROD_DECLARE_HANDLE(HGLOBAL);
using HMODULE = HINSTANCE;
using HGDIOBJ = void*;
using HANDLE = void*;

// Results of OLE calls.
using HRESULT = LONG;
using SCODE = LONG;
using LCID = DWORD;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT DISP_E_PARAMNOTFOUND = HRESULT(0x80020004u);
constexpr HRESULT DISP_E_TYPEMISMATCH = HRESULT(0x80020005u);
constexpr HRESULT DISP_E_EXCEPTION = HRESULT(0x80020009u);
constexpr HRESULT DISP_E_OVERFLOW = HRESULT(0x8002000Au);
constexpr HRESULT DISP_E_BADVARTYPE = HRESULT(0x80020008u);
constexpr bool SUCCEEDED(HRESULT hr)
{
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr)
{
    return hr < 0;
}

// Locale ids: the system passes only the user's default; the user locale provider answers.
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LANG_USER_DEFAULT = 0x0400;

// A position in a list or map (null: none); each collection gives meaning to its own.
struct PositionTag;
using POSITION = PositionTag*;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))

// Dialog and message box command ids: the answers of message boxes and the buttons of dialogs.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;
