#pragma once
// Modules loaded by name: a module "X.dll" is the shared library "X.so". A name without a
// folder is looked up beside the program; a path is taken as it stands (".dll" becoming
// ".so"). Over dlopen, dlsym and dlclose; the HMODULE is the dlopen handle.

#include "platform/core/WinTypes.h"

#include <string>

using FARPROC = void (*)();

// Null when the module is not found or does not load.
HMODULE LoadLibrary(const char* name);
// Null when the module has no such export.
FARPROC GetProcAddress(HMODULE module, const char* exportName);
BOOL FreeLibrary(HMODULE module);
// The module of that name when the process has it loaded (linked or loaded by name), else null;
// no reference is added.
HMODULE GetModuleHandle(const char* name);
// The path of the module's file ("" when unknown); a null module is the program.
DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size);

namespace Modules
{
// The file a module name stands for: "X.dll" -> "<program folder>/X.so".
std::string ResolvePath(const char* name);
// The text of the last failure to load (from dlerror).
std::string LastError();
} // namespace Modules
