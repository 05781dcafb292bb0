#include "platform/ui/CommonDialogs.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/QtText.h"

#include "platform/gdi/FontMapping.h"
#include "platform/gdi/SystemMetrics.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

struct ITEMIDLIST
{
    std::string path;
};

namespace
{
struct Answer
{
    int result;
    std::string value;
};

std::deque<Answer>& Answers()
{
    static std::deque<Answer> answers;
    return answers;
}

std::vector<CommonDialogRequest> g_shown;

QWidget* OwnerWidget(CWnd* owner)
{
    CWnd* w = owner ? owner : CWnd::GetActiveWindow();
    return w ? w->GetWidget() : nullptr;
}
} // namespace

void CommonDialogScript::AnswerNext(int result, const char* value)
{
    Answers().push_back({result, value ? value : ""});
}

void CommonDialogScript::Clear()
{
    Answers().clear();
    g_shown.clear();
}

void CommonDialogScript::ClearShown()
{
    g_shown.clear();
}

const std::vector<CommonDialogRequest>& CommonDialogScript::Shown()
{
    return g_shown;
}

bool CommonDialogScript::Take(const CommonDialogRequest& request, int& result, std::string& value)
{
    g_shown.push_back(request);
    if (!Answers().empty())
    {
        result = Answers().front().result;
        value = Answers().front().value;
        Answers().pop_front();
        return true;
    }
    if (QGuiApplication::platformName() == "offscreen")
    {
        result = IDCANCEL;
        value.clear();
        return true;
    }
    return false;
}

// ---- file dialogs -------------------------------------------------------------------------------

std::string CFileDialog::QtFilter(const char* windowsFilter)
{
    const QStringList parts = ToQString(windowsFilter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;").toStdString();
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpen(bOpenFileDialog), m_pParent(pParentWnd), m_filter(lpszFilter), m_proposed(lpszFileName)
{
    m_ofn.Flags = dwFlags;
    // The dialog keeps its own copy: a caller may hand over a temporary text.
    if (lpszDefExt)
    {
        m_defaultExtension = lpszDefExt;
        m_ofn.lpstrDefExt = m_defaultExtension;
    }
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
}

INT_PTR CFileDialog::DoModal()
{
    const std::string filter = QtFilter(m_filter);
    CommonDialogRequest request{m_bOpen ? "open" : "save", m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "", filter,
                                m_proposed.str(), m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : ""};
    int result = IDCANCEL;
    std::string value;
    if (!CommonDialogScript::Take(request, result, value))
    {
        const QStringList filters = ToQString(filter.c_str()).split(";;");
        QString selected = filters.value(int(m_ofn.nFilterIndex) - 1);
        QString start = ToQString(m_proposed);
        if (m_ofn.lpstrInitialDir && *m_ofn.lpstrInitialDir)
            start = QDir(ToQString(m_ofn.lpstrInitialDir)).filePath(start);
        QFileDialog::Options options;
        if (!(m_ofn.Flags & OFN_OVERWRITEPROMPT))
            options |= QFileDialog::DontConfirmOverwrite;
        const QString title = ToQString(m_ofn.lpstrTitle);
        const QString path =
            m_bOpen ? QFileDialog::getOpenFileName(OwnerWidget(m_pParent), title, start,
                                                   ToQString(filter.c_str()), &selected, options)
                    : QFileDialog::getSaveFileName(OwnerWidget(m_pParent), title, start,
                                                   ToQString(filter.c_str()), &selected, options);
        result = path.isEmpty() ? IDCANCEL : IDOK;
        value = path.toStdString();
        if (result == IDOK && filters.indexOf(selected) >= 0)
            m_ofn.nFilterIndex = DWORD(filters.indexOf(selected) + 1);
    }
    if (result != IDOK)
        return IDCANCEL;
    // A name typed without an extension gets the default one.
    if (!m_bOpen && m_ofn.lpstrDefExt && *m_ofn.lpstrDefExt &&
        QFileInfo(ToQString(value.c_str())).suffix().isEmpty())
    {
        std::string ext = m_ofn.lpstrDefExt;
        if (ext.rfind("*.", 0) == 0)
            ext = ext.substr(2);
        value += "." + ext;
    }
    m_path = value;
    if (m_ofn.lpstrFile && m_ofn.nMaxFile > 0)
        CopyText(m_path, m_ofn.lpstrFile, int(m_ofn.nMaxFile));
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    return ToCString(QFileInfo(ToQString(m_path)).fileName());
}
CString CFileDialog::GetFileExt() const
{
    return ToCString(QFileInfo(ToQString(m_path)).suffix());
}
CString CFileDialog::GetFileTitle() const
{
    return ToCString(QFileInfo(ToQString(m_path)).completeBaseName());
}
CString CFileDialog::GetFolderPath() const
{
    return ToCString(QFileInfo(ToQString(m_path)).path());
}

// ---- colour dialog --------------------------------------------------------------------------------

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_pParent(pParentWnd)
{
    m_cc.rgbResult = clrInit;
    m_cc.Flags = dwFlags | (clrInit ? CC_RGBINIT : 0);
    m_cc.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
}

INT_PTR CColorDialog::DoModal()
{
    char initial[32];
    std::snprintf(initial, sizeof initial, "%u,%u,%u", GetRValue(m_cc.rgbResult), GetGValue(m_cc.rgbResult),
                  GetBValue(m_cc.rgbResult));
    int result = IDCANCEL;
    std::string value;
    if (!CommonDialogScript::Take({"colour", "", "", initial}, result, value))
    {
        const QColor start(GetRValue(m_cc.rgbResult), GetGValue(m_cc.rgbResult), GetBValue(m_cc.rgbResult));
        const QColor chosen = QColorDialog::getColor(start, OwnerWidget(m_pParent));
        result = chosen.isValid() ? IDOK : IDCANCEL;
        if (chosen.isValid())
            value = std::to_string(chosen.red()) + "," + std::to_string(chosen.green()) + "," +
                    std::to_string(chosen.blue());
    }
    if (result != IDOK)
        return IDCANCEL;
    unsigned r = 0, g = 0, b = 0;
    if (std::sscanf(value.c_str(), "%u,%u,%u", &r, &g, &b) == 3)
        m_cc.rgbResult = RGB(BYTE(r), BYTE(g), BYTE(b));
    return IDOK;
}

// ---- font dialog -------------------------------------------------------------------------------------

CFontDialog::CFontDialog(const LOGFONT* lplfInitial, DWORD dwFlags, CDC*, CWnd* pParentWnd)
    : m_pParent(pParentWnd)
{
    if (lplfInitial)
        m_lf = *lplfInitial;
    else
        m_lf = Gdi::MessageFont();
    m_cf.Flags = dwFlags | (lplfInitial ? CF_INITTOLOGFONTSTRUCT : 0);
    m_cf.lpLogFont = &m_lf;
    m_cf.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
}

INT_PTR CFontDialog::DoModal()
{
    const QFont start = Gdi::FontFromLogFont(m_lf);
    const int startTenths = int(std::lround(
        start.pointSizeF() > 0 ? start.pointSizeF() * 10 : std::abs(m_lf.lfHeight) * 720.0 / Gdi::ScreenDpi));
    const std::string initial = std::string(m_lf.lfFaceName) + "," + std::to_string(startTenths) + "," +
                                std::to_string(m_lf.lfWeight) + "," + std::to_string(int(m_lf.lfItalic));
    int result = IDCANCEL;
    std::string value;
    if (!CommonDialogScript::Take({"font", "", "", initial}, result, value))
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, OwnerWidget(m_pParent));
        result = ok ? IDOK : IDCANCEL;
        if (ok)
            value = chosen.family().toStdString() + "," +
                    std::to_string(int(std::lround(chosen.pointSizeF() * 10))) + "," +
                    std::to_string(chosen.bold() ? 700 : 400) + "," + (chosen.italic() ? "1" : "0");
    }
    if (result != IDOK)
        return IDCANCEL;
    const QStringList parts = ToQString(value.c_str()).split(',');
    if (parts.size() < 4)
        return IDCANCEL;
    std::memset(m_lf.lfFaceName, 0, sizeof m_lf.lfFaceName);
    std::strncpy(m_lf.lfFaceName, parts[0].toUtf8().constData(), sizeof m_lf.lfFaceName - 1);
    m_cf.iPointSize = parts[1].toInt();
    m_lf.lfHeight = -MulDiv(m_cf.iPointSize, Gdi::ScreenDpi, 720);
    m_lf.lfWeight = parts[2].toInt();
    m_lf.lfItalic = BYTE(parts[3].toInt() != 0);
    return IDOK;
}

// ---- folder browse ----------------------------------------------------------------------------------

namespace
{
// The window the browse callback talks to: it takes the initial selection.
class CBrowseWnd : public CWnd
{
public:
    std::string selection;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == BFFM_SETSELECTION && wParam && lParam)
            selection = reinterpret_cast<const char*>(lParam);
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
};
} // namespace

LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi)
{
    if (!lpbi)
        return nullptr;
    CBrowseWnd browse;
    browse.CreateEx(0, "KalvenrodFolderBrowse", "", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
    if (lpbi->lpfn)
        lpbi->lpfn(browse.m_hWnd, BFFM_INITIALIZED, 0, lpbi->lParam);
    std::string start = browse.selection;
    if (start.empty() && lpbi->pidlRoot)
        start = lpbi->pidlRoot->path;
    int result = IDCANCEL;
    std::string value;
    if (!CommonDialogScript::Take({"folder", lpbi->lpszTitle ? lpbi->lpszTitle : "", "", start}, result,
                                  value))
    {
        CWnd* owner = CWnd::FromHandle(lpbi->hwndOwner);
        const QString title = ToQString(lpbi->lpszTitle);
        const QString path =
            (lpbi->ulFlags & BIF_BROWSEINCLUDEFILES)
                ? QFileDialog::getOpenFileName(OwnerWidget(owner), title, ToQString(start.c_str()))
                : QFileDialog::getExistingDirectory(OwnerWidget(owner), title, ToQString(start.c_str()));
        result = path.isEmpty() ? IDCANCEL : IDOK;
        value = path.toStdString();
    }
    browse.DestroyWindow();
    if (result != IDOK)
        return nullptr;
    if (lpbi->pszDisplayName)
        CopyText(ToCString(QFileInfo(ToQString(value.c_str())).fileName()), lpbi->pszDisplayName, 260);
    return new ITEMIDLIST{value};
}

BOOL SHGetPathFromIDList(LPCITEMIDLIST pidl, LPTSTR pszPath)
{
    if (!pidl || !pszPath)
        return FALSE;
    CopyText(CString(pidl->path), pszPath, 260);
    return TRUE;
}

LPITEMIDLIST ItemIdListOfPath(const char* path)
{
    return path ? new ITEMIDLIST{path} : nullptr;
}

void CoTaskMemFree(void* pv)
{
    delete static_cast<ITEMIDLIST*>(pv);
}
