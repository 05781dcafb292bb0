#include "app/SettingsSheet.h"

#include "app/CNastaveniAplikace.h"
#include "app/CNastaveniCestSouborum.h"
#include "app/CNastaveniSobrelem.h"
#include "app/CNastaveniVlastnik.h"
#include "app/CMekrDoc.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "common/ProjectFiles.h"
#include "platform/core/FileOps.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/WinApi.h"

#include <filesystem>
#include <system_error>

namespace
{
bool g_open = false;

struct Pages
{
    CNastaveniCestSouborum folders;
    CNastaveniAplikace options;
    CNastaveniSobrelem editor;
    CNastaveniVlastnik owner;
};

std::filesystem::path PathOf(const CString& text)
{
    std::string path = text.str();
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return std::filesystem::path(path);
}

CString FolderOf(const CString& path)
{
    return CString(PathOf(path).parent_path().string());
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

void Fill(Pages& pages, const AppSettings& s)
{
    pages.options.m_bCheckRooms = s.CheckRooms;
    pages.options.m_bCheckWalls = s.CheckWalls;
    pages.options.m_bCheckOpenings = s.CheckOpenings;
    pages.options.m_bFloorWithSettings = s.StartFloorWithSettings;
    pages.options.m_bRoundLoss = s.RoundRoomLoss;
    pages.folders.m_strList = s.PathList;
    pages.folders.m_strEdit = s.PathEdit;
    pages.folders.m_strData = s.PathData;
    pages.folders.m_strDump = s.PathDump;
    pages.folders.m_strWork = FolderOf(s.PathBase);
    pages.owner.m_strFirm = s.UserFirm;
    pages.owner.m_strBase = s.UserBase;
    pages.owner.m_strName = s.UserName;
}

void TakeOver(const Pages& pages, AppSettings& s)
{
    s.PathList = pages.folders.m_strList;
    s.PathEdit = pages.folders.m_strEdit;
    s.PathData = pages.folders.m_strData;
    s.PathDump = pages.folders.m_strDump;
    s.UserFirm = pages.owner.m_strFirm;
    s.UserBase = pages.owner.m_strBase;
    s.UserName = pages.owner.m_strName;
    s.CheckRooms = pages.options.m_bCheckRooms;
    s.CheckWalls = pages.options.m_bCheckWalls;
    s.CheckOpenings = pages.options.m_bCheckOpenings;
    s.StartFloorWithSettings = pages.options.m_bFloorWithSettings;
    s.RoundRoomLoss = pages.options.m_bRoundLoss;
}

// Copies the working copy into the new working-data folder; false (after the message) when the
// copy failed or the user's file there could not be moved aside. Nothing happens when the folder is the working copy's own; without a working copy
// yet there is nothing to copy and the folder is taken as it stands.
bool MoveWorkingCopy(CString folder, CWnd* owner)
{
    AppSettings& s = AppSettings::Get();
    folder.TrimRight("/\\");
    if (folder.IsEmpty() || SameFolder(folder, FolderOf(s.PathBase)))
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
} // namespace

bool SettingsSheet::IsOpen()
{
    return g_open;
}

int SettingsSheet::Run(CWnd* owner, int startPage)
{
    if (g_open)
        return IDCANCEL;
    g_open = true;
    AppSettings& settings = AppSettings::Get();
    Pages pages;
    Fill(pages, settings);
    CPropertySheet sheet(IDS_SETTINGS_TITLE, owner);
    sheet.AddPage(&pages.folders);
    sheet.AddPage(&pages.options);
    sheet.AddPage(&pages.editor);
    sheet.AddPage(&pages.owner);
    sheet.m_psh.dwFlags |= PSH_PROPTITLE | PSH_USEHICON | PSH_NOAPPLYNOW;
    sheet.m_psh.hIcon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
    if (startPage < 0)
        startPage = settings.UserFirm.IsEmpty() ? 3 : 0;
    sheet.SetActivePage(startPage);
    int result = IDCANCEL;
    while (sheet.DoModal() == IDOK)
    {
        if (!MoveWorkingCopy(pages.folders.m_strWork, owner))
        {
            sheet.SetActivePage(0);
            continue;
        }
        TakeOver(pages, settings);
        settings.WriteSettings();
        result = IDOK;
        break;
    }
    g_open = false;
    return result;
}
