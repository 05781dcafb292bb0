#pragma once
// The start script "Start-<language>.ini" beside the program: eight tagged lines that say
// whether to start a program (once or every time), whether to ask first and whether to wait
// for it; or, when the first line holds "<Include>", a list of such scripts. The file is
// UTF-8, else CP1250; a script that runs once is rewritten (in the same encoding) so that it
// does not run again.

#include "platform/core/CString.h"

class StartScript
{
public:
    StartScript(const CString& programFolder, const CString& dataFolder);

    // Runs programFolder + "Start-" + language + ".ini"; every failure ends it silently.
    void Run(const CString& language);
    // Processes one script file.
    void RunFile(const CString& path);

private:
    CString ExpandVariables(CString command) const;
    void Start(const CString& command, bool waitForExit) const;

    CString m_programFolder;
    CString m_dataFolder;
};
