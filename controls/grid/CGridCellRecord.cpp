#include "controls/grid/CGridCellRecord.h"

#include "controls/grid/CGridCellBase.h"

#include <cstring>
#include <string>

void CGridCellRecord::Clear()
{
    if (HasHeapBlock())
        delete[] m_pHeap;
    else if (IsObject())
        delete m_pObject;
    m_nKind = kInlineText;
    m_bTextIsValue = 0;
    std::memset(m_inline, 0, kInlineSize);
}

void CGridCellRecord::Take(CGridCellRecord& other)
{
    std::memcpy(m_inline, other.m_inline, kInlineSize);
    m_nState = other.m_nState;
    m_nAttributes = other.m_nAttributes;
    m_nKind = other.m_nKind;
    m_bTextIsValue = other.m_bTextIsValue;
    other.m_nKind = kInlineText;
    other.m_bTextIsValue = 0;
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
    if (IsObject() || std::strcmp(szText ? szText : "", GetText()) == 0)
        return;
    Store(szText, nullptr);
}

LPCTSTR CGridCellRecord::GetValueText() const
{
    if (m_bTextIsValue)
        return GetText();
    if (m_nKind == kTextAndValue)
        return m_pHeap + std::strlen(m_pHeap) + 1;
    return nullptr;
}

void CGridCellRecord::SetValueText(LPCTSTR szValue)
{
    if (IsObject())
        return;
    const std::string text = GetText();
    if (szValue && text == szValue)
    {
        Store(text.c_str(), nullptr);
        m_bTextIsValue = 1;
    }
    else
        Store(text.c_str(), szValue);
}

void CGridCellRecord::Store(LPCTSTR szText, LPCTSTR szValue)
{
    // The new contents are copied before the old ones go: they may be the record's own.
    const std::size_t length = szText ? std::strlen(szText) : 0;
    char* pOld = HasHeapBlock() ? m_pHeap : nullptr;
    m_bTextIsValue = 0;
    if (szValue)
    {
        const std::size_t valueLength = std::strlen(szValue);
        char* pBlock = new char[length + valueLength + 2];
        std::memcpy(pBlock, szText ? szText : "", length + 1);
        std::memcpy(pBlock + length + 1, szValue, valueLength + 1);
        m_pHeap = pBlock;
        m_nKind = kTextAndValue;
    }
    else if (length < std::size_t(kInlineSize))
    {
        char text[kInlineSize] = {};
        if (length)
            std::memcpy(text, szText, length);
        std::memcpy(m_inline, text, kInlineSize);
        m_nKind = kInlineText;
    }
    else
    {
        char* pText = new char[length + 1];
        std::memcpy(pText, szText, length + 1);
        m_pHeap = pText;
        m_nKind = kHeapText;
    }
    delete[] pOld;
}
