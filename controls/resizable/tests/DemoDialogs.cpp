#include "DemoDialogs.h"

#include "platform/ui/UiResources.h"

#include <iterator>

namespace
{
constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

const DialogItemTemplate demoItems[] = {
    {"EDIT", "Podlahové vytápění", IDC_DEMO_TITLE, 7, 7, 226, 12, Child | WS_BORDER | WS_TABSTOP, 0},
    {"STATIC", "", IDC_DEMO_GRID, 7, 24, 226, 90, Child | SS_GRAYRECT, 0},
    {"STATIC", "Poznámka", IDC_DEMO_NOTE, 100, 118, 40, 8, Child | SS_CENTER, 0},
    {"BUTTON", "&Rozdělovače", IDC_DEMO_MANIFOLDS, 7, 130, 60, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"BUTTON", "&Uložení dat", IDC_DEMO_SAVE, 72, 130, 60, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"BUTTON", "&OK", IDOK, 137, 130, 46, 14, Child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "&Zrušit", IDCANCEL, 187, 130, 46, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

const DialogItemTemplate formItems[] = {
    {"STATIC", "", IDC_DEMO_GRID, 7, 7, 186, 80, Child | SS_GRAYRECT, 0},
    {"BUTTON", "&Uložení dat", IDC_DEMO_SAVE, 133, 92, 60, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

const DialogItemTemplate pageAItems[] = {
    {"LISTBOX", "", IDC_PAGE_LIST, 7, 7, 196, 90, Child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0},
    {"BUTTON", "&Přidat", IDC_PAGE_BUTTON, 153, 102, 50, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

const DialogItemTemplate pageBItems[] = {
    {"LISTBOX", "", IDC_PAGE_LIST, 7, 7, 150, 60, Child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0},
    {"BUTTON", "&Odebrat", IDC_PAGE_BUTTON, 107, 72, 50, 14, Child | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

constexpr DWORD PageStyle = WS_CHILD | DS_SETFONT;

constexpr DWORD DialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogTemplate demoTemplates[] = {
    {IDD_RESIZABLE_DEMO, 0, 0, 240, 151, DialogStyle, 0, "kalvenrod - Podlahové vytápění - návrh",
     "MS Sans Serif", 8, 400, 0, nullptr, demoItems, int(std::size(demoItems))},
    {IDD_RESIZABLE_FORM, 0, 0, 200, 113, WS_CHILD | DS_SETFONT, 0, "", "MS Sans Serif", 8, 400, 0, nullptr,
     formItems, int(std::size(formItems))},
    {IDD_DEMO_PAGE_A, 0, 0, 210, 123, PageStyle, 0, "Místnosti", "MS Sans Serif", 8, 400, 0, nullptr,
     pageAItems, int(std::size(pageAItems))},
    {IDD_DEMO_PAGE_B, 0, 0, 164, 93, PageStyle, 0, "Okruhy", "MS Sans Serif", 8, 400, 0, nullptr, pageBItems,
     int(std::size(pageBItems))},
};

const UiResourceTable demoTable{demoTemplates, int(std::size(demoTemplates))};
} // namespace

void RegisterDemoDialogs()
{
    static bool registered = false;
    if (!registered)
        UiResources::RegisterBuiltIn(&demoTable);
    registered = true;
}

BOOL CDemoDialog::OnInitDialog()
{
    CResizableDialog::OnInitDialog();
    AddAnchor(GetDlgItem(IDC_DEMO_TITLE)->GetSafeHwnd(), TOP_LEFT, TOP_RIGHT);
    AddAnchor(GetDlgItem(IDC_DEMO_GRID)->GetSafeHwnd(), TOP_LEFT, BOTTOM_RIGHT);
    AddAnchor(GetDlgItem(IDC_DEMO_NOTE)->GetSafeHwnd(), BOTTOM_CENTER, NOANCHOR);
    for (int id : {IDC_DEMO_MANIFOLDS, IDC_DEMO_SAVE, IDOK, IDCANCEL})
        AddAnchor(GetDlgItem(id)->GetSafeHwnd(), BOTTOM_RIGHT, NOANCHOR);
    if (!m_placementSection.IsEmpty())
        EnablePlacementMemory(m_placementSection, m_bRectOnly);
    return TRUE;
}

CRect RectInParent(CWnd& parent, CWnd* child)
{
    CRect r;
    child->GetWindowRect(&r);
    parent.ScreenToClient(&r);
    return r;
}
