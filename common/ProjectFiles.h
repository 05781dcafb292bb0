#pragma once
// Names and identity of the files a project lives in: the working copy beside the project file,
// the scratch workbook of a rebuild, and the files this run made. A file this run did not make
// is never replaced without asking the user.

#include "platform/core/CString.h"

class ProjectFiles
{
public:
    // The working copy of a project file: its name without the extension, then ".XLS", in the
    // same folder ("/a/Dum.kzn" gives "/a/Dum.XLS").
    static CString WorkingCopyOf(const CString& projectPath);
    // The scratch workbook of a rebuild: "/a/Dum.XLS" gives "/a/Dum$.xls".
    static CString ScratchOf(const CString& workbookPath);
    // The first "<name> (n)<extension>" beside path that does not exist.
    static CString FirstFreeNameBeside(const CString& path);
    // Two paths name one file: the same file on disk, or the same canonical path.
    static bool SameFile(const CString& a, const CString& b);
    // The file name without folder and extension.
    static CString BaseNameOf(const CString& path);
    // The folder of a path, without the trailing separator ("" when the path has none).
    static CString FolderOf(const CString& path);

    // The folder the user's projects go to: "Projekty" in the user's documents, made when
    // missing. Empty when it cannot be made.
    static CString ProjectsFolder();
    // The folder of working copies when the project names none: the user's data folder of the
    // program, made when missing. Empty when it cannot be made.
    static CString WorkingFolder();

    // Files this run made (working copies); they go at a clean exit.
    static void RememberMade(const CString& path);
    static void Forget(const CString& path);
    static bool MadeByThisRun(const CString& path);
    static void RemoveMadeFiles();

    // Makes way for a new file at path. A missing file, or one this run made, needs nothing.
    // Any other file may hold the user's work: the user is asked whether to replace it; No
    // keeps it under the first free name beside it and says so. False only when the file
    // could not be moved aside (the message is shown).
    static bool ClearWayFor(const CString& path);
    // A working copy: way cleared, from copied to path atomically, remembered as made by this
    // run. False after the message when it could not be made.
    static bool MakeCopy(const CString& from, const CString& path);
};
