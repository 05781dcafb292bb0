#pragma once
// One cell of a grid as the grid stores it: a small record of its text, its state word and the
// index of its attribute set (shared with every cell that looks the same), or, for a cell that
// needs one, the cell object itself. Texts of up to 15 bytes live in the record; longer ones in
// one block of their own.

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
    LPCTSTR GetText() const { return m_nKind == kHeapText ? m_pHeap : m_inline; }
    void SetText(LPCTSTR szText);
    DWORD GetState() const { return m_nState; }
    void SetState(DWORD nState) { m_nState = nState; }
    std::uint32_t GetAttributes() const { return m_nAttributes; }
    void SetAttributes(std::uint32_t nAttributes) { m_nAttributes = nAttributes; }

    static constexpr std::uint32_t kMaxAttributes = (1u << 24) - 1;

private:
    static constexpr std::uint8_t kInlineText = 0, kHeapText = 1, kObject = 2;
    static constexpr int kInlineSize = 16;

    void Clear();
    void Take(CGridCellRecord& other);

    union
    {
        char m_inline[kInlineSize] = {};
        char* m_pHeap;
        CGridCellBase* m_pObject;
    };
    DWORD m_nState = 0;
    std::uint32_t m_nAttributes : 24 = 0;
    std::uint32_t m_nKind : 8 = kInlineText;
};

static_assert(sizeof(CGridCellRecord) == 24, "a grid cell stays small");
