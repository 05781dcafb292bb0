#include "app/WorkingFolder.h"

#include "app/CMekrDoc.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "common/ProjectFiles.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/CFrameWnd.h"

#include <filesystem>
#include <system_error>

namespace
{
std::filesystem::path PathOf(const CString& text)
{
    std::string path = text.str();
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return std::filesystem::path(path);
}

bool SameFolder(const CString& a, const CString& b)
{
    std::error_code error;
    const auto first = std::filesystem::weakly_canonical(PathOf(a), error);
    if (error)
        return false;
    const auto second = std::filesystem::weakly_canonical(PathOf(b), error);
    return !error && first.lexically_normal() == second.lexically_normal();
}

// The project file the open project takes in the new folder. Another project of that name there
// is never replaced silently: the user chooses to replace it at the next save (Yes), to take the
// first free name beside it (No), or to go back (empty result).
CString ProjectFileIn(const CString& folder, const CMekrDoc* doc, const CString& name)
{
    const CString projectFile = JoinPath(folder, name + ".kzn");
    if (!FileOps::Exists(projectFile) || (doc && ProjectFiles::SameFile(projectFile, doc->m_strDocPath)))
        return projectFile;
    const CString freeName = ProjectFiles::FirstFreeNameBeside(projectFile);
    CString format;
    format.LoadString(IDS_PROJECT_IN_FOLDER);
    CString question;
    question.Format(format, projectFile.GetString(), freeName.GetString());
    switch (MessageBox(nullptr, question, AppSettings::Get().QuestionCaption(), MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDYES:
        return projectFile;
    case IDNO:
        return freeName;
    default:
        return CString();
    }
}
} // namespace

CString WorkingFolderOf(const CString& path)
{
    return CString(PathOf(path).parent_path().string());
}

bool MoveWorkingCopy(CString folder, CWnd* owner)
{
    AppSettings& s = AppSettings::Get();
    folder.TrimRight("/\\");
    if (folder.IsEmpty() || SameFolder(folder, WorkingFolderOf(s.PathBase)))
        return true;
    auto* frame = dynamic_cast<CFrameWnd*>(owner);
    auto* doc = frame ? dynamic_cast<CMekrDoc*>(frame->GetActiveDocument()) : nullptr;
    const std::filesystem::path base = PathOf(s.PathBase);
    const CString projectFile = ProjectFileIn(folder, doc, CString(base.stem().string()));
    if (projectFile.IsEmpty())
        return false;
    const CString target =
        JoinPath(folder, ProjectFiles::BaseNameOf(projectFile) + CString(base.extension().string()));
    // A working copy of that name in the new folder may be the user's work: MakeCopy asks.
    if (FileOps::Exists(s.PathBase) && !ProjectFiles::MakeCopy(s.PathBase, target))
        return false;
    s.PathBase = target;
    if (doc)
    {
        doc->m_strDocPath = projectFile;
        doc->SetTitle(doc->m_strDocPath);
    }
    return true;
}
