#include "app/SettingsSheet.h"

#include "app/CNastaveniAplikace.h"
#include "app/CNastaveniCestSouborum.h"
#include "app/CNastaveniSobrelem.h"
#include "app/CNastaveniVlastnik.h"
#include "app/MekrIds.h"
#include "app/WorkingFolder.h"
#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/WinApi.h"

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
    pages.folders.m_strWork = WorkingFolderOf(s.PathBase);
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
