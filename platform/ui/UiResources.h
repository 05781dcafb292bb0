#pragma once
// The window resources of a module (dialogs, menus, accelerators, tool bars, bitmaps, icons) as
// the resource compiler generates them, looked up by id: a loaded language pack's first, then the
// built-in ones.

#include "platform/ui/DialogTemplate.h"

struct UiResourceTable
{
    const DialogTemplate* dialogs;
    int dialogCount;
};

namespace UiResources
{
void RegisterBuiltIn(const UiResourceTable* table);
void RegisterForModule(HINSTANCE module, const UiResourceTable* table);
const DialogTemplate* FindDialog(UINT id);
} // namespace UiResources
