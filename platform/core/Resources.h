#pragma once
// Resources: tables generated at build time from .rc scripts by the resource compiler
// (tools/rc, kalvenrod_add_resources in CMake).
//
// The program and its libraries register their tables when they load: these are the
// built-in (Czech) resources. A language pack is a shared library of resources only
// (kalvenrod_add_language_pack); once loaded with LoadLibrary and made the resource
// handle (AfxSetResourceHandle), its resources take precedence over the built-in ones.

#include "platform/core/WinTypes.h"

struct ResourceString
{
    UINT id;
    const char* text; // UTF-8
};

// One module's resources; the ui part adds dialogs, menus, accelerators and the rest.
struct ResourceTable
{
    const ResourceString* strings; // sorted by id
    int stringCount;
};

// The symbol through which a language pack hands out its table.
#define KALVENROD_RESOURCE_TABLE_EXPORT "kalvenrod_resource_table"

namespace Resources
{
// Called by the generated code of the program and its libraries at start. The program's
// own tables are searched before those of its libraries.
void RegisterBuiltIn(const ResourceTable* table, bool program = false);
// The table of a loaded language pack, or null when the module has none.
const ResourceTable* TableOf(HINSTANCE module);
// Looks a string up: in the resource handle's table first (a language pack), then in
// the built-in tables. Null when no table has the id.
const char* FindString(UINT id);
// Looks a string up in one module only (null module: the built-in tables).
const char* FindString(HINSTANCE module, UINT id);
} // namespace Resources

// The program's own module (a handle that stands for the built-in resources).
HINSTANCE AfxGetInstanceHandle();
// The module whose resources come first; the program's own by default.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// Copies the string of an id into buffer (cut to whole characters); its length in bytes,
// 0 when the module has no such string.
int LoadString(HINSTANCE module, UINT id, char* buffer, int bufferBytes);
