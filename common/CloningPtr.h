#pragma once
// An owning pointer whose copies own copies of the object, so that a record owning a part
// stays copyable as a whole.

#include <memory>
#include <utility>

template <class T> class CloningPtr
{
public:
    CloningPtr() = default;
    explicit CloningPtr(std::unique_ptr<T> object) : m_object(std::move(object)) {}
    CloningPtr(const CloningPtr& other) : m_object(Copy(other)) {}
    CloningPtr(CloningPtr&&) noexcept = default;
    CloningPtr& operator=(const CloningPtr& other)
    {
        if (this != &other)
            m_object = Copy(other);
        return *this;
    }
    CloningPtr& operator=(CloningPtr&&) noexcept = default;

    T* get() const { return m_object.get(); }
    T* operator->() const { return m_object.get(); }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    static std::unique_ptr<T> Copy(const CloningPtr& other)
    {
        return other.m_object ? std::make_unique<T>(*other.m_object) : nullptr;
    }

    std::unique_ptr<T> m_object;
};
