#include "platform/frame/CRecentFileList.h"

#include "platform/core/Profile.h"
#include "platform/ui/CCmdUI.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nStart(nStart), m_strSection(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nSize(std::clamp(nSize, 0, 16)), m_nMaxDisplayLength(nMaxDispLen)
{
}

CString CRecentFileList::operator[](int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? m_files[std::size_t(nIndex)] : CString();
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (!lpszPathName || !*lpszPathName || m_nSize == 0)
        return;
    const CString path(lpszPathName);
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (GetSize() > m_nSize)
        m_files.resize(std::size_t(m_nSize));
    WriteList();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_files.erase(m_files.begin() + nIndex);
    WriteList();
}

void CRecentFileList::ReadList()
{
    m_files.clear();
    for (int i = 1; i <= m_nSize; ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i);
        const CString path = Profile::GetString(m_strSection, entry, "");
        if (!path.IsEmpty())
            m_files.push_back(path);
    }
}

void CRecentFileList::WriteList()
{
    for (int i = 1; i <= m_nSize; ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i);
        Profile::WriteString(m_strSection, entry, i <= GetSize() ? m_files[std::size_t(i - 1)].GetString() : nullptr);
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR, int, BOOL) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return FALSE;
    CString name = m_files[std::size_t(nIndex)];
    const int slash = std::max(name.ReverseFind('/'), name.ReverseFind('\\'));
    if (name.GetLength() > m_nMaxDisplayLength && slash >= 0)
        name = name.Mid(slash + 1);
    strName = name;
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    if (!pCmdUI)
        return;
    pCmdUI->Enable(GetSize() > 0);
}
