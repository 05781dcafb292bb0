#pragma once
// The pictures of the editor's dialogs (--render-dialogs): the Czech language pack in force,
// the named row formats read, and the dialog classes that fill their dialogs registered with
// sample contents.

class CSobrelApp;

// False when no language pack was found beside the program.
bool PrepareDialogPictures(CSobrelApp& app);
