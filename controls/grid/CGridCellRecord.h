#pragma once
// One cell of a grid as the grid stores it: a small record of its text, its state word and the
// index of its attribute set (shared with every cell that looks the same), or, for a cell that
// needs one, the cell object itself. Texts of up to 15 bytes live in the record; longer ones in
// one block of their own. A record may keep the value a text of it was made from (a number as
// read before it was rounded for display): the value stands while the record shows that text
// again, as after an undo. A mark when text and value are the same, else all in one block.

#include "platform/core/WinTypes.h"

#include <cstdint>

class CGridCellBase;

class CGridCellRecord
{
public:
    CGridCellRecord() = default;
    explicit CGridCellRecord(DWORD nState, std::uint32_t nAttributes)
        : m_nState(nState), m_nAttributes(nAttributes)
    {
    }
    ~CGridCellRecord() { Clear(); }
    CGridCellRecord(CGridCellRecord&& other) noexcept { Take(other); }
    CGridCellRecord& operator=(CGridCellRecord&& other) noexcept
    {
        if (this != &other)
        {
            Clear();
            Take(other);
        }
        return *this;
    }
    CGridCellRecord(const CGridCellRecord&) = delete;
    CGridCellRecord& operator=(const CGridCellRecord&) = delete;

    // The cell object, null while the cell is a record.
    CGridCellBase* GetObject() const { return IsObject() ? m_pObject : nullptr; }
    bool IsObject() const { return m_nKind == kObject; }
    // Takes (and from now on owns) the object in place of the record's text.
    void SetObject(CGridCellBase* pCell);
    // Gives up the object (the caller deletes it) and becomes an empty record.
    CGridCellBase* ReleaseObject();

    // Record fields (meaningless while the cell is an object).
    LPCTSTR GetText() const { return m_nKind == kInlineText ? m_inline : m_pHeap; }
    void SetText(LPCTSTR szText);
    // The value behind the present text, null when none.
    LPCTSTR GetValueText() const;
    // Keeps szValue (null: none) as the value behind szForText (null: the present text).
    void KeepValue(LPCTSTR szValue, LPCTSTR szForText = nullptr);
    // The value kept and the text it belongs to, whatever the present text (null: none).
    LPCTSTR GetKeptValue() const;
    LPCTSTR GetKeptValueText() const;
    DWORD GetState() const { return m_nState; }
    void SetState(DWORD nState) { m_nState = nState; }
    std::uint32_t GetAttributes() const { return m_nAttributes; }
    void SetAttributes(std::uint32_t nAttributes) { m_nAttributes = nAttributes; }

    static constexpr std::uint32_t kMaxAttributes = (1u << 24) - 1;

private:
    // kTextAndValue: m_pHeap holds the text, the value and the value's text, each ended by a zero.
    static constexpr std::uint8_t kInlineText = 0, kHeapText = 1, kObject = 2, kTextAndValue = 3;
    static constexpr int kInlineSize = 16;

    void Clear();
    void Take(CGridCellRecord& other);
    bool HasHeapBlock() const { return m_nKind == kHeapText || m_nKind == kTextAndValue; }
    // Stores text, and the value (when not null) with the text it belongs to.
    void Store(LPCTSTR szText, LPCTSTR szValue, LPCTSTR szValueText);

    union
    {
        char m_inline[kInlineSize] = {};
        char* m_pHeap;
        CGridCellBase* m_pObject;
    };
    DWORD m_nState = 0;
    std::uint32_t m_nAttributes : 24 = 0;
    std::uint32_t m_nKind : 7 = kInlineText;
    // The text is also the value behind it (and the text the value belongs to).
    std::uint32_t m_bTextIsValue : 1 = 0;
};

static_assert(sizeof(CGridCellRecord) == 24, "a grid cell stays small");
