#pragma once
// Pictures of every dialog of the program (--render-dialogs <folder>) as a user sees them.

class CMekrApp;

// Reads the settings, folders and catalogues as a normal start does, puts a copy of the sample
// project (or of the template, without one) in a temporary folder as the project in use, and
// draws every dialog into folder/dialog-<id>.png, printing the files written. Nothing is written
// to the profile or beside the program. The program's exit code.
int RenderProgramDialogs(CMekrApp& app, const char* folder);
