#pragma once
// A doubly linked list with the members the system calls. A POSITION is a node; it stays
// valid until its own node is removed.

#include "platform/core/CObject.h"

#include <cassert>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
public:
    CList() = default;
    explicit CList(INT_PTR blockSize) { (void)blockSize; }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return NodeOf(ToPosition(m_head))->data; }
    const TYPE& GetHead() const { return NodeOf(ToPosition(m_head))->data; }
    TYPE& GetTail() { return NodeOf(ToPosition(m_tail))->data; }
    const TYPE& GetTail() const { return NodeOf(ToPosition(m_tail))->data; }
    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }

    POSITION AddHead(ARG_TYPE item) { return InsertBefore(GetHeadPosition(), item); }
    POSITION AddTail(ARG_TYPE item) { return InsertAfter(GetTailPosition(), item); }
    void AddTail(const CList* other)
    {
        for (POSITION p = other ? other->GetHeadPosition() : nullptr; p;)
            AddTail(other->GetNext(p));
    }
    TYPE RemoveHead()
    {
        TYPE item = GetHead();
        RemoveAt(GetHeadPosition());
        return item;
    }
    TYPE RemoveTail()
    {
        TYPE item = GetTail();
        RemoveAt(GetTailPosition());
        return item;
    }
    void RemoveAll()
    {
        while (m_head)
        {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = nullptr;
        m_count = 0;
    }

    // The item at position; position moves to the next (null after the last).
    TYPE& GetNext(POSITION& position)
    {
        Node* node = NodeOf(position);
        position = ToPosition(node->next);
        return node->data;
    }
    const TYPE& GetNext(POSITION& position) const { return const_cast<CList*>(this)->GetNext(position); }
    TYPE& GetPrev(POSITION& position)
    {
        Node* node = NodeOf(position);
        position = ToPosition(node->prev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& position) const { return const_cast<CList*>(this)->GetPrev(position); }
    TYPE& GetAt(POSITION position) { return NodeOf(position)->data; }
    const TYPE& GetAt(POSITION position) const { return NodeOf(position)->data; }
    void SetAt(POSITION position, ARG_TYPE item) { NodeOf(position)->data = item; }

    void RemoveAt(POSITION position)
    {
        Node* node = NodeOf(position);
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }
    // Null position: at the head.
    POSITION InsertBefore(POSITION position, ARG_TYPE item)
    {
        Node* next = position ? NodeOf(position) : m_head;
        Node* node = new Node{next ? next->prev : nullptr, next, item};
        (node->prev ? node->prev->next : m_head) = node;
        (next ? next->prev : m_tail) = node;
        ++m_count;
        return ToPosition(node);
    }
    // Null position: at the tail.
    POSITION InsertAfter(POSITION position, ARG_TYPE item)
    {
        Node* prev = position ? NodeOf(position) : m_tail;
        Node* node = new Node{prev, prev ? prev->next : nullptr, item};
        (node->next ? node->next->prev : m_tail) = node;
        (prev ? prev->next : m_head) = node;
        ++m_count;
        return ToPosition(node);
    }

    // The first position holding item after startAfter (from the head when null), or null.
    POSITION Find(ARG_TYPE item, POSITION startAfter = nullptr) const
    {
        for (Node* node = startAfter ? NodeOf(startAfter)->next : m_head; node; node = node->next)
            if (node->data == item)
                return ToPosition(node);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR index) const
    {
        Node* node = index >= 0 ? m_head : nullptr;
        for (INT_PTR i = 0; node && i < index; ++i)
            node = node->next;
        return ToPosition(node);
    }

private:
    struct Node
    {
        Node* prev;
        Node* next;
        TYPE data;
    };
    static Node* NodeOf(POSITION position)
    {
        assert(position);
        return reinterpret_cast<Node*>(position);
    }
    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};
