#pragma once
// The recent-file list: the last n paths opened or saved, newest first, kept in the profile
// (section "Recent File List", entries "File1" ... "Filen").

#include "platform/core/CString.h"

#include <vector>

class CCmdUI;

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 30);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return int(m_files.size()); }
    int GetMaxSize() const { return m_nSize; }
    CString operator[](int nIndex) const;
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();
    // The menu text of an entry: its number and its file name.
    BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir, BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    UINT m_nStart;

private:
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nSize;
    int m_nMaxDisplayLength;
    std::vector<CString> m_files;
};
