#pragma once
// The registry calls the system makes, over INI files (see Profile.h):
//  HKEY_CURRENT_USER\Software\A\B\<rest>  ->  <config folder>/A/B.ini, section <rest>
//  HKEY_LOCAL_MACHINE\SOFTWARE\A\B\<rest> ->  <machine folder>/A/B.ini, section <rest>
// Values directly under ...\A\B sit in the section "General". Every value is stored as text;
// REG_DWORD values as their decimal text. Keys of the local machine always open (their
// file may be absent); "InstallDir" defaults to the program's folder.

#include "platform/core/WinTypes.h"

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(std::uintptr_t(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(std::uintptr_t(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(std::uintptr_t(0x80000002u)))

using REGSAM = DWORD;
using LSTATUS = LONG;
using PHKEY = HKEY*;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// ERROR_FILE_NOT_FOUND when a key of the current user has no file or section yet.
LONG RegOpenKeyEx(HKEY root, const char* subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKey(HKEY root, const char* subKey, PHKEY result);
LONG RegCreateKeyEx(HKEY root, const char* subKey, DWORD reserved, char* className, DWORD options,
                    REGSAM access, void* security, PHKEY result, DWORD* disposition);
LONG RegCloseKey(HKEY key);
// The value as text with its terminator; size in and out in bytes. With data null only the
// size; ERROR_MORE_DATA (and the size needed) when the buffer is too small.
LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegSetValueEx(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegDeleteValue(HKEY key, const char* valueName);
// The index-th value's name and data; ERROR_NO_MORE_ITEMS past the last.
LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, DWORD* type,
                  BYTE* data, DWORD* dataSize);
