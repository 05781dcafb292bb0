#pragma once
// Registers the program's dialog classes for pictures of its dialogs (--render-dialogs).
void RegisterProgramDialogs();
