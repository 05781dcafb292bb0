#pragma once
// A growable array with the members the system calls, over std::vector.
// An index out of range is a programming error: it asserts in debug builds and reads or
// writes a spare default item otherwise, never foreign memory.

#include "platform/core/CObject.h"

#include <algorithm>
#include <cassert>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    CArray() = default;

    INT_PTR GetSize() const { return INT_PTR(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    // growBy is accepted for compatibility; the vector grows on its own.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        (void)growBy;
        m_items.resize(std::size_t(std::max<INT_PTR>(newSize, 0)));
    }
    void FreeExtra() { m_items.shrink_to_fit(); }
    void RemoveAll() { m_items.clear(); }

    const TYPE& GetAt(INT_PTR i) const { return Item(i); }
    TYPE& GetAt(INT_PTR i) { return Item(i); }
    void SetAt(INT_PTR i, ARG_TYPE item) { Item(i) = item; }
    TYPE& ElementAt(INT_PTR i) { return Item(i); }
    const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
    TYPE& operator[](INT_PTR i) { return GetAt(i); }
    const TYPE* GetData() const { return m_items.data(); }
    TYPE* GetData() { return m_items.data(); }

    void SetAtGrow(INT_PTR i, ARG_TYPE item)
    {
        if (i < 0)
            return;
        if (i >= GetSize())
            m_items.resize(std::size_t(i) + 1);
        m_items[std::size_t(i)] = item;
    }
    INT_PTR Add(ARG_TYPE item)
    {
        m_items.push_back(item);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray& other)
    {
        const INT_PTR first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other)
    {
        if (&other != this)
            m_items = other.m_items;
    }
    void InsertAt(INT_PTR i, ARG_TYPE item, INT_PTR count = 1)
    {
        if (i < 0 || count <= 0)
            return;
        if (i > GetSize())
            m_items.resize(std::size_t(i));
        m_items.insert(m_items.begin() + i, std::size_t(count), item);
    }
    void InsertAt(INT_PTR i, const CArray* other)
    {
        if (!other || i < 0)
            return;
        const std::vector<TYPE> items = other->m_items;
        if (i > GetSize())
            m_items.resize(std::size_t(i));
        m_items.insert(m_items.begin() + i, items.begin(), items.end());
    }
    void RemoveAt(INT_PTR i, INT_PTR count = 1)
    {
        assert(i >= 0 && count >= 0 && i + count <= GetSize());
        if (i < 0 || count <= 0 || i >= GetSize())
            return;
        m_items.erase(m_items.begin() + i, m_items.begin() + std::min(i + count, GetSize()));
    }

    // Range-for over the items.
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    // An index out of range lands on a spare default item instead of foreign memory.
    TYPE& Item(INT_PTR i) const
    {
        assert(i >= 0 && i < GetSize());
        if (i >= 0 && i < GetSize())
            return const_cast<TYPE&>(m_items[std::size_t(i)]);
        m_spare = TYPE();
        return m_spare;
    }

    std::vector<TYPE> m_items;
    mutable TYPE m_spare{};
};
