#pragma once
// Qt keys as virtual-key codes, and the keyboard and mouse-button state as the system's code
// reads it (GetKeyState).

#include "platform/ui/WinUser.h"

#include <Qt>

class QKeyEvent;

class KeyMap
{
public:
    // The virtual-key code of a Qt key; 0 when it has none.
    static UINT ToVirtualKey(int qtKey);
    // The Qt key of a virtual-key code; 0 when it has none.
    static int ToQtKey(UINT vk);
    // The character a key event delivers as WM_CHAR (Enter 13, Tab 9, Backspace 8, Escape 27,
    // printable text as its code point); 0 when the key gives no character.
    static char32_t CharOf(const QKeyEvent& event);

    // The state the last input event reported; tests may set it directly.
    static void SetModifiers(Qt::KeyboardModifiers modifiers);
    static Qt::KeyboardModifiers Modifiers();
    static void SetButtons(Qt::MouseButtons buttons);
    static Qt::MouseButtons Buttons();
    static bool IsDown(UINT vk);
};

SHORT GetKeyState(int nVirtKey);
SHORT GetAsyncKeyState(int vKey);
