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
    // Copies: the stored strings go when the new contents come.
    const LPCTSTR szKept = GetKeptValue();
    const std::string value = szKept ? szKept : "", valueText = szKept ? GetKeptValueText() : "";
    Store(szText, szKept ? value.c_str() : nullptr, valueText.c_str());
}

LPCTSTR CGridCellRecord::GetValueText() const
{
    const LPCTSTR szValue = GetKeptValue();
    return szValue && std::strcmp(GetKeptValueText(), GetText()) == 0 ? szValue : nullptr;
}

LPCTSTR CGridCellRecord::GetKeptValue() const
{
    if (m_bTextIsValue)
        return GetText();
    if (m_nKind == kTextAndValue)
        return m_pHeap + std::strlen(m_pHeap) + 1;
    return nullptr;
}

LPCTSTR CGridCellRecord::GetKeptValueText() const
{
    const LPCTSTR szValue = GetKeptValue();
    if (!szValue || m_bTextIsValue)
        return szValue;
    return szValue + std::strlen(szValue) + 1;
}

void CGridCellRecord::KeepValue(LPCTSTR szValue, LPCTSTR szForText)
{
    if (IsObject())
        return;
    const std::string text = GetText();
    const std::string value = szValue ? szValue : "", valueText = szForText ? szForText : text;
    Store(text.c_str(), szValue ? value.c_str() : nullptr, valueText.c_str());
}

void CGridCellRecord::Store(LPCTSTR szText, LPCTSTR szValue, LPCTSTR szValueText)
{
    // The new contents are copied before the old ones go: they may be the record's own.
    const std::size_t length = szText ? std::strlen(szText) : 0;
    char* pOld = HasHeapBlock() ? m_pHeap : nullptr;
    const bool textIsValue =
        szValue && std::strcmp(szValue, szText ? szText : "") == 0 && std::strcmp(szValueText, szValue) == 0;
    if (szValue && !textIsValue)
    {
        const std::size_t valueLength = std::strlen(szValue), valueTextLength = std::strlen(szValueText);
        char* pBlock = new char[length + valueLength + valueTextLength + 3];
        std::memcpy(pBlock, szText ? szText : "", length + 1);
        std::memcpy(pBlock + length + 1, szValue, valueLength + 1);
        std::memcpy(pBlock + length + valueLength + 2, szValueText, valueTextLength + 1);
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
    m_bTextIsValue = textIsValue;
    delete[] pOld;
}
