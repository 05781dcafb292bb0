#include "controls/resizable/CControlKind.h"

#include <strings.h>

namespace
{
constexpr DWORD TransparentToolBarStyle = 0x8000;
constexpr int GroupBoxType = 7;

enum StaticType
{
    LeftText = 0,
    CentredText = 1,
    RightText = 2,
    Icon = 3,
    BlackRect = 4,
    GreyRect = 5,
    WhiteRect = 6,
    OwnerDrawn = 11,
    Bitmap = 14,
    EnhMetaFile = 15,
    EtchedHorz = 16,
    EtchedVert = 17,
};
} // namespace

// Window class names compare without regard to case.
BOOL CControlKind::IsClass(const char* name) const
{
    return strcasecmp(m_className.c_str(), name) == 0;
}

BOOL CControlKind::IsGroupBox() const
{
    return IsClass("Button") && Type() == GroupBoxType;
}

BOOL CControlKind::IsListBox() const
{
    return IsClass("ListBox");
}

BOOL CControlKind::LikesClipping() const
{
    if (IsClass("ToolbarWindow32"))
        return (m_style & TransparentToolBarStyle) == 0;
    if (IsClass("Button"))
        return Type() != GroupBoxType;
    if (!IsClass("Static"))
        return TRUE;
    switch (Type())
    {
    case Icon:
    case EnhMetaFile:
        return !CentersImage();
    case BlackRect:
    case GreyRect:
    case WhiteRect:
    case Bitmap:
    case EtchedHorz:
    case EtchedVert:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CControlKind::NeedsRefresh() const
{
    if (!IsClass("Static"))
        return FALSE;
    switch (Type())
    {
    case LeftText:
    case CentredText:
    case RightText:
    case Bitmap:
    case EnhMetaFile:
        return TRUE;
    case Icon:
    case OwnerDrawn:
    case EtchedHorz:
    case EtchedVert:
        return FALSE;
    default:
        return CentersImage();
    }
}
