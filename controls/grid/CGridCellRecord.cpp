#include "controls/grid/CGridCellRecord.h"

#include "controls/grid/CGridCellBase.h"

#include <cstring>

void CGridCellRecord::Clear()
{
    if (m_nKind == kHeapText)
        delete[] m_pHeap;
    else if (IsObject())
        delete m_pObject;
    m_nKind = kInlineText;
    std::memset(m_inline, 0, kInlineSize);
}

void CGridCellRecord::Take(CGridCellRecord& other)
{
    std::memcpy(m_inline, other.m_inline, kInlineSize);
    m_nState = other.m_nState;
    m_nAttributes = other.m_nAttributes;
    m_nKind = other.m_nKind;
    other.m_nKind = kInlineText;
    std::memset(other.m_inline, 0, kInlineSize);
}

void CGridCellRecord::SetObject(CGridCellBase* pCell)
{
    Clear();
    m_pObject = pCell;
    m_nKind = kObject;
}

CGridCellBase* CGridCellRecord::ReleaseObject()
{
    CGridCellBase* pCell = GetObject();
    if (pCell)
    {
        m_nKind = kInlineText;
        std::memset(m_inline, 0, kInlineSize);
    }
    return pCell;
}

void CGridCellRecord::SetText(LPCTSTR szText)
{
    if (IsObject())
        return;
    // The new text is copied before the old one goes: it may be the record's own.
    const std::size_t length = szText ? std::strlen(szText) : 0;
    if (length < std::size_t(kInlineSize))
    {
        char text[kInlineSize] = {};
        if (length)
            std::memcpy(text, szText, length);
        if (m_nKind == kHeapText)
            delete[] m_pHeap;
        std::memcpy(m_inline, text, kInlineSize);
        m_nKind = kInlineText;
        return;
    }
    char* pText = new char[length + 1];
    std::memcpy(pText, szText, length + 1);
    if (m_nKind == kHeapText)
        delete[] m_pHeap;
    m_pHeap = pText;
    m_nKind = kHeapText;
}
