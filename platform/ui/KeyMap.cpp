#include "platform/ui/KeyMap.h"

#include <QKeyEvent>

namespace
{
struct KeyPair
{
    int qt;
    UINT vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
};

Qt::KeyboardModifiers g_modifiers;
Qt::MouseButtons g_buttons;
} // namespace

UINT KeyMap::ToVirtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return UINT(qtKey); // digits and letters share their codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + UINT(qtKey - Qt::Key_F1);
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey)
            return k.vk;
    return 0;
}

int KeyMap::ToQtKey(UINT vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return int(vk);
    if (vk >= VK_F1 && vk < VK_F1 + 24)
        return Qt::Key_F1 + int(vk - VK_F1);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk)
            return k.qt;
    return 0;
}

char32_t KeyMap::CharOf(const QKeyEvent& event)
{
    switch (event.key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const char32_t c = text.toUcs4().value(0);
    if (c < 32 && !(event.modifiers() & Qt::ControlModifier))
        return 0;
    return c == 127 ? 0 : c;
}

void KeyMap::SetModifiers(Qt::KeyboardModifiers modifiers)
{
    g_modifiers = modifiers;
}
Qt::KeyboardModifiers KeyMap::Modifiers()
{
    return g_modifiers;
}
void KeyMap::SetButtons(Qt::MouseButtons buttons)
{
    g_buttons = buttons;
}
Qt::MouseButtons KeyMap::Buttons()
{
    return g_buttons;
}

bool KeyMap::IsDown(UINT vk)
{
    switch (vk)
    {
    case VK_SHIFT:
        return g_modifiers & Qt::ShiftModifier;
    case VK_CONTROL:
        return g_modifiers & Qt::ControlModifier;
    case VK_MENU:
        return g_modifiers & Qt::AltModifier;
    case VK_LBUTTON:
        return g_buttons & Qt::LeftButton;
    case VK_RBUTTON:
        return g_buttons & Qt::RightButton;
    case VK_MBUTTON:
        return g_buttons & Qt::MiddleButton;
    default:
        return false;
    }
}

SHORT GetKeyState(int nVirtKey)
{
    return KeyMap::IsDown(UINT(nVirtKey)) ? SHORT(0x8000) : SHORT(0);
}
SHORT GetAsyncKeyState(int vKey)
{
    return GetKeyState(vKey);
}
