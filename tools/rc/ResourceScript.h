#pragma once
// What a resource script defines; each kind of resource adds its own member.

#include <map>
#include <string>
#include <vector>

struct RcDialogItem
{
    std::string className;
    std::string text;
    long long id = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned style = 0;
    unsigned exStyle = 0;
};

struct RcDialog
{
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned style = 0;
    unsigned exStyle = 0;
    std::string caption;
    std::string fontName;
    int pointSize = 0;
    int weight = 0;
    int italic = 0;
    std::string menu;
    std::vector<RcDialogItem> items;
};

// Menu items in order with their nesting level (0 for the top row).
struct RcMenuItem
{
    std::string text;
    unsigned id = 0;
    unsigned flags = 0; // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED ...
    int level = 0;
};

struct RcAccelerator
{
    unsigned flags = 0; // FVIRTKEY, FSHIFT, FCONTROL, FALT, FNOINVERT
    unsigned key = 0;
    unsigned command = 0;
};

struct RcToolbar
{
    int cx = 0, cy = 0;
    std::vector<unsigned> buttons; // 0 for a separator
};

struct RcImage
{
    bool icon = false;
    std::string path; // the image file, beside the script
};

struct ResourceScript
{
    // STRINGTABLE entries: id -> UTF-8 text.
    std::map<unsigned, std::string> strings;
    std::map<unsigned, RcDialog> dialogs;
    std::map<unsigned, std::vector<RcMenuItem>> menus;
    std::map<unsigned, std::vector<RcAccelerator>> accelerators;
    std::map<unsigned, RcToolbar> toolbars;
    std::map<unsigned, RcImage> images;

    bool HasWindowResources() const
    {
        return !dialogs.empty() || !menus.empty() || !accelerators.empty() || !toolbars.empty() ||
               !images.empty();
    }
};
