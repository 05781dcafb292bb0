#pragma once
// Dialog templates as the resource compiler writes them from DIALOGEX statements: the dialog's
// rectangle, styles, caption and font, and each control's class, text, id, rectangle and styles.
// Rectangles are in dialog units.

#include "platform/core/WinTypes.h"

struct DialogItemTemplate
{
    const char* className; // "BUTTON", "EDIT", "STATIC", "COMBOBOX", "LISTBOX", "SCROLLBAR",
                           // a common control ("SysListView32" ...) or a registered class
    const char* text;      // UTF-8; for SS_ICON and SS_BITMAP statics the image's resource name
    int id;
    short x, y, cx, cy;
    DWORD style; // WS_CHILD and WS_VISIBLE included as the script gives them
    DWORD exStyle;
};

struct DialogTemplate
{
    UINT id;
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
    const char* caption;
    const char* fontName; // null: the system's dialog font ("MS Sans Serif", 8)
    WORD pointSize;
    WORD weight;
    BYTE italic;
    const char* menu; // resource name or null
    const DialogItemTemplate* items;
    int itemCount;
};
