#pragma once
// Makes a dialog's window and controls from its template: dialog units become pixels through
// the dialog font's average character width and height, every control gets a window object of
// its class (deleted with its window), and the dialog's font.

#include "platform/ui/WinUser.h"

class CDialog;
class CWnd;
struct DialogTemplate;

class DialogBuilder
{
public:
    // asChild: a child of the parent whatever the template's styles (property pages).
    static BOOL Build(CDialog& dialog, const DialogTemplate& dlgTemplate, CWnd* parent, bool asChild);
    // A window object for a window class name (controls by their class, else a plain window).
    static CWnd* NewWindowOfClass(const char* className);
    // The dialog font of a template and its base units (average character width, height).
    static HFONT FontOf(const DialogTemplate& dlgTemplate, double& baseUnitX, double& baseUnitY);
};
