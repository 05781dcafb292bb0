#pragma once
// Pictures of dialogs: a dialog made off screen, filled as the program fills it (its own class's
// OnInitDialog runs), drawn with a title bar into a PNG file, so that a person can look at it.
//
// A program registers its dialog classes by template id; RenderAll then draws every dialog
// template of the resources, each with its class when one is registered.

#include "platform/ui/WinUser.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDialog;
class QImage;

class DialogShot
{
public:
    using Factory = std::function<std::unique_ptr<CDialog>()>;
    // What a user would do in the dialog before the picture is taken (choose an entry).
    using Prepare = std::function<void(CDialog&)>;

    static void RegisterClass(UINT templateId, Factory factory, Prepare prepare = {});
    // The picture of a dialog (made modeless and hidden from the user when it has no window yet),
    // after prepare.
    static QImage Picture(CDialog& dialog, const Prepare& prepare = {});
    static bool Render(CDialog& dialog, const std::string& pngPath);
    static bool RenderTemplate(UINT templateId, const std::string& pngPath);
    // Every dialog template known to the resources into folder/dialog-<id>.png; the files written.
    static std::vector<std::string> RenderAll(const std::string& folder);
    // The folder of "--render-dialogs <folder>" in a program's arguments, or null.
    static const char* RequestedFolder(int argc, char** argv);
    // Handles "--render-dialogs <folder>" in a program's arguments: true when it did (the program
    // then ends).
    static bool RunFromCommandLine(int argc, char** argv);
};
