#include "app/WorkingFolder.h"

#include "app/CMekrDoc.h"
#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "common/ProjectFiles.h"
#include "platform/core/FileOps.h"
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
    const std::filesystem::path base = PathOf(s.PathBase);
    const CString target = JoinPath(folder, CString(base.filename().string()));
    // A file of that name in the new folder may be the user's work: it is asked about, never
    // overwritten silently.
    if (FileOps::Exists(s.PathBase) && !ProjectFiles::MakeCopy(s.PathBase, target))
        return false;
    s.PathBase = target;
    auto* frame = dynamic_cast<CFrameWnd*>(owner);
    if (auto* doc = frame ? dynamic_cast<CMekrDoc*>(frame->GetActiveDocument()) : nullptr)
    {
        doc->m_strDocPath = JoinPath(folder, CString(base.stem().string()) + ".kzn");
        doc->SetTitle(doc->m_strDocPath);
    }
    return true;
}
