#pragma once
// A map with the members the system calls, over std::map (iteration in key order).
// A POSITION is the address of an entry; GetNextAssoc moves it to the following entry.

#include "platform/core/CObject.h"

#include <map>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
public:
    CMap() = default;
    explicit CMap(INT_PTR blockSize) { (void)blockSize; }

    INT_PTR GetCount() const { return INT_PTR(m_map.size()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_map.empty(); }

    BOOL Lookup(ARG_KEY key, VALUE& value) const
    {
        const auto it = m_map.find(KEY(key));
        if (it == m_map.end())
            return FALSE;
        value = it->second;
        return TRUE;
    }
    // The value of the key, created (default) when missing.
    VALUE& operator[](ARG_KEY key) { return m_map[KEY(key)]; }
    void SetAt(ARG_KEY key, ARG_VALUE value) { m_map[KEY(key)] = value; }
    BOOL RemoveKey(ARG_KEY key) { return m_map.erase(KEY(key)) > 0; }
    void RemoveAll() { m_map.clear(); }
    // Accepted for compatibility: the tree needs no hash table.
    void InitHashTable(UINT size, BOOL allocNow = TRUE) { (void)size, (void)allocNow; }

    POSITION GetStartPosition() const { return m_map.empty() ? nullptr : ToPosition(m_map.begin()); }
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const
    {
        if (!position)
            return;
        const Entry* entry = reinterpret_cast<const Entry*>(position);
        key = entry->first;
        value = entry->second;
        auto it = m_map.find(entry->first);
        ++it;
        position = it == m_map.end() ? nullptr : ToPosition(it);
    }

    auto begin() { return m_map.begin(); }
    auto end() { return m_map.end(); }
    auto begin() const { return m_map.begin(); }
    auto end() const { return m_map.end(); }

private:
    using Entry = typename std::map<KEY, VALUE>::value_type;
    static POSITION ToPosition(typename std::map<KEY, VALUE>::const_iterator it)
    {
        return reinterpret_cast<POSITION>(const_cast<Entry*>(&*it));
    }

    std::map<KEY, VALUE> m_map;
};
