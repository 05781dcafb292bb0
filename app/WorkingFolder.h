#pragma once
// The folder the open project lives in (its working copy's folder), and the move of the project
// into another folder through its working copy: the settings' working-data folder and the
// project-info file's project both take this road.

#include "platform/core/CString.h"

class CWnd;

// The folder of a path ('\\' separates too), without the trailing separator.
CString WorkingFolderOf(const CString& path);

// Copies the working copy into folder and makes the copy the project's working copy; the open
// document's project file becomes the working copy's name with ".kzn" in that folder. Another
// project of that name there is asked about: replaced at the next save, or the project takes the
// first free name beside it. False (after the message) when the copy failed, the user's file
// there could not be moved aside or the user went back.
// Nothing happens when the folder is the working copy's own; without a working copy yet there
// is nothing to copy and the folder is taken as it stands.
bool MoveWorkingCopy(CString folder, CWnd* owner);
