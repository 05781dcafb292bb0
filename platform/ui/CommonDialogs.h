#pragma once
// The common dialogs: file open and save (filters in the "name|*.ext|...||" form), colour,
// folder browse. Each goes through CommonDialogScript first, so that tests answer them; off
// screen an unanswered one is cancelled.

#include "platform/core/CString.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/WinUser.h"

#include <string>
#include <vector>

class CDC;
class CWnd;

// File dialogs.
constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ENABLEHOOK = 0x00000020;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

struct OPENFILENAME
{
    DWORD lStructSize = sizeof(OPENFILENAME);
    HWND hwndOwner = nullptr;
    LPCTSTR lpstrFilter = nullptr; // "name\0*.ext\0...\0\0" as the system passes it on
    DWORD nFilterIndex = 1;        // 1-based
    LPTSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPCTSTR lpstrInitialDir = nullptr;
    LPCTSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    LPCTSTR lpstrDefExt = nullptr;
};

// What a script answers and what the dialogs showed.
struct CommonDialogRequest
{
    std::string kind; // "open", "save", "colour", "folder"
    std::string title;
    std::string filter;
    std::string initial; // the proposed file, colour or folder
    std::string folder;  // the folder a file dialog starts in
};

class CommonDialogScript
{
public:
    // The next common dialog ends with result (IDOK, IDCANCEL) and, on IDOK, the value: a path,
    // or a colour as "r,g,b".
    static void AnswerNext(int result, const char* value = "");
    static void Clear();
    static void ClearShown();
    static const std::vector<CommonDialogRequest>& Shown();

    // For the dialogs: the scripted answer, if any (true); off screen an unscripted dialog is
    // answered IDCANCEL.
    static bool Take(const CommonDialogRequest& request, int& result, std::string& value);
};

class CFileDialog
{
public:
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_path; }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;

    OPENFILENAME m_ofn;

    // A filter "Projekty (*.kzn)|*.kzn|Všechny soubory (*.*)|*.*||" as Qt's "a (*.x);;b (*.y)".
    static std::string QtFilter(const char* windowsFilter);

private:
    BOOL m_bOpen;
    CWnd* m_pParent;
    CString m_filter;
    CString m_proposed;
    CString m_defaultExtension;
    CString m_path;
};

// Colour dialog.
constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;
constexpr DWORD CC_ANYCOLOR = 0x00000100;

struct CHOOSECOLOR
{
    DWORD lStructSize = sizeof(CHOOSECOLOR);
    HWND hwndOwner = nullptr;
    COLORREF rgbResult = 0;
    COLORREF* lpCustColors = nullptr;
    DWORD Flags = 0;
};

class CColorDialog
{
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog() = default;
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }

    CHOOSECOLOR m_cc;

private:
    CWnd* m_pParent;
};

// Font dialog.
constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_PRINTERFONTS = 0x00000002;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
constexpr DWORD CF_EFFECTS = 0x00000100;

struct CHOOSEFONT
{
    DWORD lStructSize = sizeof(CHOOSEFONT);
    HWND hwndOwner = nullptr;
    LOGFONT* lpLogFont = nullptr;
    int iPointSize = 0; // tenths of a point
    DWORD Flags = 0;
    COLORREF rgbColors = 0;
};

// Scripted answers name the font as "face,tenths of a point,weight,italic" (e.g. "Arial,100,700,0").
class CFontDialog
{
public:
    explicit CFontDialog(const LOGFONT* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    virtual ~CFontDialog() = default;
    virtual INT_PTR DoModal();
    void GetCurrentFont(LOGFONT* lplf) const { *lplf = m_lf; }
    CString GetFaceName() const { return m_lf.lfFaceName; }
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= 600; }
    BOOL IsItalic() const { return m_lf.lfItalic; }

    CHOOSEFONT m_cf;
    LOGFONT m_lf{};

private:
    CWnd* m_pParent;
};

// Folder browse.
struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = LPITEMIDLIST;
using BFFCALLBACK = int (*)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_BROWSEINCLUDEFILES = 0x4000;
constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SELCHANGED = 2;
constexpr UINT BFFM_SETSELECTION = WM_USER + 103;

struct BROWSEINFO
{
    HWND hwndOwner = nullptr;
    LPCITEMIDLIST pidlRoot = nullptr;
    LPTSTR pszDisplayName = nullptr;
    LPCTSTR lpszTitle = nullptr;
    UINT ulFlags = 0;
    BFFCALLBACK lpfn = nullptr;
    LPARAM lParam = 0;
    int iImage = 0;
};
using LPBROWSEINFO = BROWSEINFO*;

// Null when cancelled; the result is freed with CoTaskMemFree.
LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi);
BOOL SHGetPathFromIDList(LPCITEMIDLIST pidl, LPTSTR pszPath);
// An item list of a path (what the desktop folder's parsing gives); freed with CoTaskMemFree.
LPITEMIDLIST ItemIdListOfPath(const char* path);
void CoTaskMemFree(void* pv);
