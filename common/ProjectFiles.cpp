#include "common/ProjectFiles.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/OpenWorkbookTable.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Profile.h"

#include <filesystem>
#include <set>
#include <string>
#include <system_error>

namespace
{
std::set<std::string>& MadeFiles()
{
    static std::set<std::string> made;
    return made;
}

std::string CanonicalOf(const CString& path)
{
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(path.str(), error);
    return error ? path.str() : canonical.string();
}

int SeparatorBeforeName(const CString& path)
{
    return std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
}

// The path without the extension of its file name.
CString WithoutExtension(const CString& path)
{
    const int dot = path.ReverseFind('.');
    return dot > SeparatorBeforeName(path) + 1 ? path.Left(dot) : path;
}

CString Text(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// The folder, made with its parents when missing; empty when it cannot be made.
CString MadeFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) ? CString(folder) : CString();
}
} // namespace

CString ProjectFiles::WorkingCopyOf(const CString& projectPath)
{
    return WithoutExtension(projectPath) + ".XLS";
}

CString ProjectFiles::ScratchOf(const CString& workbookPath)
{
    return WithoutExtension(workbookPath) + "$.xls";
}

CString ProjectFiles::FirstFreeNameBeside(const CString& path)
{
    const CString stem = WithoutExtension(path);
    const CString extension = path.Mid(stem.GetLength());
    for (int n = 1;; ++n)
    {
        CString candidate;
        candidate.Format("%s (%d)%s", stem.GetString(), n, extension.GetString());
        if (!FileOps::Exists(candidate))
            return candidate;
    }
}

bool ProjectFiles::SameFile(const CString& a, const CString& b)
{
    if (a.IsEmpty() || b.IsEmpty())
        return false;
    std::error_code error;
    if (std::filesystem::equivalent(a.str(), b.str(), error))
        return true;
    return CanonicalOf(a) == CanonicalOf(b);
}

CString ProjectFiles::BaseNameOf(const CString& path)
{
    const CString withoutExtension = WithoutExtension(path);
    return withoutExtension.Mid(SeparatorBeforeName(withoutExtension) + 1);
}

CString ProjectFiles::FolderOf(const CString& path)
{
    const int separator = SeparatorBeforeName(path);
    return separator < 0 ? CString() : path.Left(separator);
}

CString ProjectFiles::ProjectsFolder()
{
    const std::string documents = Profile::DocumentsFolder();
    if (documents.empty())
        return CString();
    return MadeFolder(documents + "/" + Text(IDS_PROJECTS_FOLDER).str());
}

CString ProjectFiles::WorkingFolder()
{
    return MadeFolder(Profile::DataFolder());
}

void ProjectFiles::RememberMade(const CString& path)
{
    MadeFiles().insert(CanonicalOf(path));
}

void ProjectFiles::Forget(const CString& path)
{
    MadeFiles().erase(CanonicalOf(path));
}

bool ProjectFiles::MadeByThisRun(const CString& path)
{
    return MadeFiles().count(CanonicalOf(path)) > 0;
}

void ProjectFiles::RemoveMadeFiles()
{
    for (const std::string& path : MadeFiles())
        DeleteFile(path.c_str());
    MadeFiles().clear();
}

bool ProjectFiles::ClearWayFor(const CString& path)
{
    if (!FileOps::Exists(path) || MadeByThisRun(path))
        return true;
    const AppSettings& settings = AppSettings::Get();
    CString question;
    question.Format(Text(IDS_REPLACE_QUESTION), path.GetString());
    if (MessageBox(nullptr, question, settings.QuestionCaption(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        return true;
    const CString kept = FirstFreeNameBeside(path);
    CString text;
    if (!MoveFile(path, kept))
    {
        ShowWorkbookProblem(IDS_FILE_PROBLEM, path, MB_ICONEXCLAMATION);
        return false;
    }
    text.Format(Text(IDS_KEPT_AS), path.GetString(), kept.GetString());
    MessageBox(nullptr, text, settings.WarningCaption(), MB_OK | MB_ICONINFORMATION);
    return true;
}

bool ProjectFiles::MakeCopy(const CString& from, const CString& path)
{
    if (!ClearWayFor(path))
        return false;
    if (!CopyFile(from, path, FALSE))
    {
        ShowWorkbookProblem(IDS_COPY_PROBLEM, path, MB_ICONEXCLAMATION);
        return false;
    }
    RememberMade(path);
    return true;
}
