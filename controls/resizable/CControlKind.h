#pragma once
// What a layout needs to know of a control from its window class and style: whether it may be
// cut out of its parent's background and whether it must be repainted whole after a move.

#include "platform/core/WinTypes.h"

#include <string>

class CControlKind
{
public:
    CControlKind(const char* className, DWORD style) : m_className(className ? className : ""), m_style(style)
    {
    }

    BOOL IsGroupBox() const;
    BOOL IsListBox() const;
    BOOL LikesClipping() const;
    BOOL NeedsRefresh() const;

private:
    // The low five bits of a button's or static's style are its control type.
    int Type() const { return int(m_style & 0x1F); }
    BOOL CentersImage() const { return (m_style & 0x200) != 0; }
    BOOL IsClass(const char* name) const;

    std::string m_className;
    DWORD m_style;
};
