// The window resources of a script: DIALOG(EX), MENU, ACCELERATORS, TOOLBAR, BITMAP, ICON.

#include "RcParser.h"

#include <filesystem>
#include <fstream>

namespace
{
constexpr unsigned kChild = 0x40000000;
constexpr unsigned kVisible = 0x10000000;
constexpr unsigned kTabStop = 0x00010000;
constexpr unsigned kGroup = 0x00020000;
constexpr unsigned kBorder = 0x00800000;

struct ItemKind
{
    const char* keyword;
    const char* className;
    unsigned style;
    bool hasText;
    unsigned typeMask = 0; // style bits that choose one type: a type given replaces the default one
};

// The short statements of a dialog and what each stands for.
constexpr ItemKind kItemKinds[] = {
    {"LTEXT", "STATIC", 0x0 | kGroup, true},
    {"RTEXT", "STATIC", 0x2 | kGroup, true},
    {"CTEXT", "STATIC", 0x1 | kGroup, true},
    {"EDITTEXT", "EDIT", kBorder | kTabStop, false},
    {"COMBOBOX", "COMBOBOX", 0x1 | kTabStop, false, 0x3}, // CBS_SIMPLE unless a type is given
    {"LISTBOX", "LISTBOX", 0x1 | kBorder, false},
    {"SCROLLBAR", "SCROLLBAR", 0x0, false},
    {"PUSHBUTTON", "BUTTON", 0x0 | kTabStop, true},
    {"DEFPUSHBUTTON", "BUTTON", 0x1 | kTabStop, true},
    {"CHECKBOX", "BUTTON", 0x2 | kTabStop, true},
    {"AUTOCHECKBOX", "BUTTON", 0x3 | kTabStop, true},
    {"RADIOBUTTON", "BUTTON", 0x4 | kTabStop, true},
    {"STATE3", "BUTTON", 0x5 | kTabStop, true},
    {"AUTO3STATE", "BUTTON", 0x6 | kTabStop, true},
    {"GROUPBOX", "BUTTON", 0x7, true},
    {"AUTORADIOBUTTON", "BUTTON", 0x9 | kTabStop, true},
};

constexpr unsigned MF_GRAYED = 0x1;
constexpr unsigned MF_DISABLED = 0x2;
constexpr unsigned MF_CHECKED = 0x8;
constexpr unsigned MF_POPUP = 0x10;
constexpr unsigned MF_MENUBARBREAK = 0x20;
constexpr unsigned MF_MENUBREAK = 0x40;
constexpr unsigned MF_SEPARATOR = 0x800;
constexpr unsigned MF_HELP = 0x4000;

constexpr unsigned FVIRTKEY = 0x1;
constexpr unsigned FNOINVERT = 0x2;
constexpr unsigned FSHIFT = 0x4;
constexpr unsigned FCONTROL = 0x8;
constexpr unsigned FALT = 0x10;
} // namespace

unsigned RcParser::Style(unsigned start)
{
    unsigned style = start;
    bool first = true;
    for (;;)
    {
        if (!first)
        {
            if (!IsPunct('|'))
                break;
            Next();
        }
        first = false;
        if (IsWord("NOT"))
        {
            Next();
            style &= ~unsigned(Term());
        }
        else
            style |= unsigned(Term());
    }
    return style;
}

std::string RcParser::NameOrId()
{
    if (Peek().kind == RcToken::Kind::String)
        return Next().text;
    return "#" + std::to_string(Expression());
}

void RcParser::Dialog(long long id)
{
    const RcToken& at = Peek();
    if (m_script.dialogs.count(unsigned(id)))
        throw RcError(at.file, at.line, "dialog " + std::to_string(id) + " defined twice");
    RcDialog dialog;
    dialog.style = 0x80000000 | 0x00800000 | 0x00080000; // WS_POPUP | WS_BORDER | WS_SYSMENU
    while (IsWord("DISCARDABLE") || IsWord("PRELOAD") || IsWord("MOVEABLE") || IsWord("LOADONCALL"))
        Next();
    dialog.x = int(Expression());
    Expect(',');
    dialog.y = int(Expression());
    Expect(',');
    dialog.cx = int(Expression());
    Expect(',');
    dialog.cy = int(Expression());
    if (AtComma()) // help id
    {
        Next();
        Expression();
    }
    bool styleGiven = false;
    while (!AtBlockStart())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("dialog without BEGIN");
        const std::string word = Next().text;
        if (word == "STYLE")
        {
            dialog.style = Style(0);
            styleGiven = true;
        }
        else if (word == "EXSTYLE")
            dialog.exStyle = Style(0);
        else if (word == "CAPTION")
        {
            dialog.caption = Text();
            if (!styleGiven)
                dialog.style |= 0x00C00000; // WS_CAPTION
        }
        else if (word == "FONT")
        {
            dialog.pointSize = int(Expression());
            Expect(',');
            dialog.fontName = Text();
            if (AtComma())
            {
                Next();
                dialog.weight = int(Expression());
            }
            if (AtComma())
            {
                Next();
                dialog.italic = int(Expression());
            }
            if (AtComma())
            {
                Next();
                Expression(); // character set
            }
            dialog.style |= 0x40; // DS_SETFONT
        }
        else if (word == "MENU")
            dialog.menu = Peek().kind == RcToken::Kind::String ? Text() : "#" + std::to_string(Expression());
        else if (word == "CLASS")
            Text();
        else if (word == "LANGUAGE")
            Language();
        else if (word == "CHARACTERISTICS" || word == "VERSION")
            Expression();
        else
            Fail("unknown dialog option " + word);
    }
    BlockStart();
    while (!AtBlockEnd())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("dialog without END");
        DialogItem(dialog);
    }
    Next();
    m_script.dialogs[unsigned(id)] = std::move(dialog);
}

void RcParser::DialogItem(RcDialog& dialog)
{
    const RcToken& keyword = Next();
    if (keyword.kind != RcToken::Kind::Word)
        Fail("expected a control statement");
    RcDialogItem item;
    auto rectangle = [&]
    {
        item.x = int(Expression());
        Expect(',');
        item.y = int(Expression());
        Expect(',');
        item.cx = int(Expression());
        Expect(',');
        item.cy = int(Expression());
    };
    auto optionalStyles = [&](unsigned defaults, unsigned typeMask = 0)
    {
        item.style = defaults;
        if (AtComma())
        {
            Next();
            item.style = Style(defaults & ~typeMask);
            if ((item.style & typeMask) == 0)
                item.style |= defaults & typeMask;
        }
        if (AtComma())
        {
            Next();
            item.exStyle = Style(0);
        }
    };
    if (keyword.text == "CONTROL")
    {
        item.text = Peek().kind == RcToken::Kind::String ? Text() : "#" + std::to_string(Expression());
        Expect(',');
        item.id = Expression();
        Expect(',');
        item.className = Text();
        Expect(',');
        item.style = Style(kChild | kVisible);
        Expect(',');
        rectangle();
        if (AtComma())
        {
            Next();
            item.exStyle = Style(0);
        }
    }
    else if (keyword.text == "ICON")
    {
        item.className = "STATIC";
        item.text = NameOrId();
        Expect(',');
        item.id = Expression();
        Expect(',');
        item.x = int(Expression());
        Expect(',');
        item.y = int(Expression());
        if (AtComma())
        {
            Next();
            item.cx = int(Expression());
            Expect(',');
            item.cy = int(Expression());
        }
        optionalStyles(kChild | kVisible | 0x3); // SS_ICON
    }
    else
    {
        const ItemKind* kind = nullptr;
        for (const ItemKind& k : kItemKinds)
            if (keyword.text == k.keyword)
                kind = &k;
        if (!kind)
            throw RcError(keyword.file, keyword.line, "unknown control statement " + keyword.text);
        item.className = kind->className;
        if (kind->hasText)
        {
            item.text = Text();
            Expect(',');
        }
        item.id = Expression();
        Expect(',');
        rectangle();
        optionalStyles(kChild | kVisible | kind->style, kind->typeMask);
    }
    dialog.items.push_back(std::move(item));
}

void RcParser::Menu(long long id)
{
    while (!AtBlockStart())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("menu without BEGIN");
        Next();
    }
    std::vector<RcMenuItem> items;
    MenuItems(items, 0);
    m_script.menus[unsigned(id)] = std::move(items);
}

void RcParser::MenuItems(std::vector<RcMenuItem>& items, int level)
{
    if (level > kMaxNesting)
        Fail("menus nested too deeply");
    BlockStart();
    while (!AtBlockEnd())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("menu without END");
        const RcToken& keyword = Next();
        RcMenuItem item;
        item.level = level;
        if (keyword.text == "MENUITEM" && IsWord("SEPARATOR"))
        {
            Next();
            item.flags = MF_SEPARATOR;
            items.push_back(item);
            continue;
        }
        if (keyword.text != "MENUITEM" && keyword.text != "POPUP")
            throw RcError(keyword.file, keyword.line, "expected MENUITEM or POPUP");
        item.text = Text();
        if (keyword.text == "MENUITEM")
        {
            Expect(',');
            item.id = unsigned(Expression());
        }
        else
            item.flags |= MF_POPUP;
        while (AtComma())
        {
            Next();
            const std::string option = Next().text;
            item.flags |= option == "GRAYED"         ? MF_GRAYED
                          : option == "INACTIVE"     ? MF_DISABLED
                          : option == "CHECKED"      ? MF_CHECKED
                          : option == "MENUBARBREAK" ? MF_MENUBARBREAK
                          : option == "MENUBREAK"    ? MF_MENUBREAK
                          : option == "HELP"         ? MF_HELP
                                                     : 0;
        }
        items.push_back(item);
        if (item.flags & MF_POPUP)
            MenuItems(items, level + 1);
    }
    Next();
}

void RcParser::Accelerators(long long id)
{
    while (!AtBlockStart())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("accelerators without BEGIN");
        Next();
    }
    BlockStart();
    std::vector<RcAccelerator> table;
    while (!AtBlockEnd())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("accelerators without END");
        RcAccelerator entry;
        if (Peek().kind == RcToken::Kind::String)
        {
            const std::string key = Text();
            if (key.size() == 2 && key[0] == '^')
                entry.key = unsigned(std::toupper(static_cast<unsigned char>(key[1])) - '@');
            else if (key.size() == 1)
                entry.key = static_cast<unsigned char>(key[0]);
            else
                Fail("accelerator key must be one character");
        }
        else
            entry.key = unsigned(Expression());
        Expect(',');
        entry.command = unsigned(Expression());
        while (AtComma())
        {
            Next();
            const std::string option = Next().text;
            entry.flags |= option == "VIRTKEY"    ? FVIRTKEY
                           : option == "NOINVERT" ? FNOINVERT
                           : option == "SHIFT"    ? FSHIFT
                           : option == "CONTROL"  ? FCONTROL
                           : option == "ALT"      ? FALT
                                                  : 0;
        }
        table.push_back(entry);
    }
    Next();
    m_script.accelerators[unsigned(id)] = std::move(table);
}

void RcParser::Toolbar(long long id)
{
    while (IsWord("DISCARDABLE") || IsWord("PRELOAD") || IsWord("MOVEABLE"))
        Next();
    RcToolbar toolbar;
    toolbar.cx = int(Expression());
    Expect(',');
    toolbar.cy = int(Expression());
    BlockStart();
    while (!AtBlockEnd())
    {
        if (Peek().kind == RcToken::Kind::End)
            Fail("toolbar without END");
        const RcToken& keyword = Next();
        if (keyword.text == "SEPARATOR")
            toolbar.buttons.push_back(0);
        else if (keyword.text == "BUTTON")
            toolbar.buttons.push_back(unsigned(Expression()));
        else
            throw RcError(keyword.file, keyword.line, "expected BUTTON or SEPARATOR");
    }
    Next();
    m_script.toolbars[unsigned(id)] = std::move(toolbar);
}

void RcParser::Image(long long id, bool icon)
{
    while (IsWord("DISCARDABLE") || IsWord("PRELOAD") || IsWord("MOVEABLE") || IsWord("LOADONCALL"))
        Next();
    const RcToken& at = Peek();
    std::string name = Text();
    for (char& c : name)
        if (c == '\\')
            c = '/';
    // Image files lie beside the script that names them.
    std::filesystem::path path(name);
    if (path.is_relative())
        path = std::filesystem::path(at.file).parent_path() / path;
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw RcError(at.file, at.line, "a folder, not an image file: " + path.string());
    if (!std::filesystem::is_regular_file(path, error))
        throw RcError(at.file, at.line, "image file not found: " + path.string());
    if (!std::ifstream(path, std::ios::binary))
        throw RcError(at.file, at.line, "cannot read the image file " + path.string());
    m_script.images[unsigned(id)] =
        RcImage{icon, std::filesystem::absolute(path).lexically_normal().string()};
}
