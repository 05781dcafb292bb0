#pragma once
// The window resources of a module (dialogs, menus, accelerators, tool bars, bitmaps, icons) as
// the resource compiler generates them, looked up by id: a loaded language pack's first (the
// resource handle), then the program's own, then its libraries'.

#include "platform/ui/DialogTemplate.h"

#include <vector>

// Menu items in order; level 0 is the top row, a popup's items follow it one level deeper.
struct MenuItemTemplate
{
    const char* text;
    UINT id;
    UINT flags; // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED ...
    int level;
};

struct MenuTemplate
{
    UINT id;
    const MenuItemTemplate* items;
    int itemCount;
};

struct ACCEL
{
    BYTE fVirt; // FVIRTKEY, FSHIFT, FCONTROL, FALT, FNOINVERT
    WORD key;
    WORD cmd;
};
using LPACCEL = ACCEL*;

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FNOINVERT = 0x02;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct AcceleratorTemplate
{
    UINT id;
    const ACCEL* entries;
    int entryCount;
};

struct ToolbarTemplate
{
    UINT id;
    int cx;
    int cy;
    const UINT* buttons; // 0 for a separator
    int buttonCount;
};

// An image file's bytes (BMP, PNG or ICO).
struct ImageTemplate
{
    UINT id;
    bool icon;
    const unsigned char* data;
    unsigned size;
};

struct UiResourceTable
{
    const DialogTemplate* dialogs = nullptr;
    int dialogCount = 0;
    const MenuTemplate* menus = nullptr;
    int menuCount = 0;
    const AcceleratorTemplate* accelerators = nullptr;
    int acceleratorCount = 0;
    const ToolbarTemplate* toolbars = nullptr;
    int toolbarCount = 0;
    const ImageTemplate* images = nullptr;
    int imageCount = 0;
};

// The symbol through which a language pack hands out its window resources.
#define KALVENROD_UI_RESOURCE_TABLE_EXPORT "kalvenrod_ui_resource_table"

namespace UiResources
{
// Called by the generated code of the program and its libraries at start.
void RegisterBuiltIn(const UiResourceTable* table, bool program = false);
const DialogTemplate* FindDialog(UINT id);
const MenuTemplate* FindMenu(UINT id);
const AcceleratorTemplate* FindAccelerators(UINT id);
const ToolbarTemplate* FindToolbar(UINT id);
const ImageTemplate* FindImage(UINT id);
// The ids of every dialog template that can be found, ascending.
std::vector<UINT> DialogIds();
} // namespace UiResources
