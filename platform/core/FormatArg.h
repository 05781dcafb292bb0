#pragma once
// One argument of a printf-style format, taken by value so that formatting is type-safe.

#include <cstdint>
#include <string>
#include <type_traits>

class CString;

class FormatArg
{
public:
    enum class Kind
    {
        Signed,
        Unsigned,
        Real,
        Text,
        Pointer
    };

    template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    FormatArg(T v) : m_kind(Kind::Signed), m_signed(v), m_bytes(sizeof(T) < 4 ? 4 : sizeof(T))
    {
    }
    template <class T, std::enable_if_t<std::is_integral_v<T> && std::is_unsigned_v<T>, int> = 0>
    FormatArg(T v) : m_kind(Kind::Unsigned), m_unsigned(v)
    {
    }
    template <class T, std::enable_if_t<std::is_enum_v<T>, int> = 0>
    FormatArg(T v) : m_kind(Kind::Signed), m_signed(static_cast<std::int64_t>(v))
    {
    }
    FormatArg(double v) : m_kind(Kind::Real), m_real(v) {}
    FormatArg(float v) : m_kind(Kind::Real), m_real(v) {}
    FormatArg(const char* v) : m_kind(Kind::Text), m_text(v ? v : "(null)") {}
    FormatArg(char* v) : FormatArg(static_cast<const char*>(v)) {}
    FormatArg(const std::string& v) : m_kind(Kind::Text), m_text(v.c_str()) {}
    FormatArg(const CString& v);
    FormatArg(const void* v) : m_kind(Kind::Pointer), m_pointer(v) {}

    Kind kind() const { return m_kind; }
    std::int64_t asSigned() const;
    std::uint64_t asUnsigned() const;
    double asReal() const;
    const char* asText() const;
    const void* asPointer() const { return m_pointer; }

private:
    Kind m_kind;
    std::int64_t m_signed = 0;
    std::uint64_t m_unsigned = 0;
    double m_real = 0;
    const char* m_text = nullptr;
    const void* m_pointer = nullptr;
    // A negative integer read as unsigned (%u, %x) keeps the width of its type, at least an int's.
    std::size_t m_bytes = 8;
};
