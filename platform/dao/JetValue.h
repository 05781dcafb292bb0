#pragma once

#include <cstdint>
#include <string>

namespace jet
{

// A field value as the engine hands it over: NULL, text, number, Boolean, date
// (days since 1899-12-30, as OLE dates count) or currency (units of 1/10000).
struct Value
{
    enum class Kind
    {
        Null,
        Text,
        Number,
        Boolean,
        Date,
        Currency
    };
    Kind kind = Kind::Null;
    std::string text;
    double number = 0;        // Number and Date
    bool boolean = false;
    std::int64_t currency = 0; // Currency, in 1/10000

    static Value Null() { return {}; }
    static Value Text(std::string t)
    {
        Value v;
        v.kind = Kind::Text;
        v.text = std::move(t);
        return v;
    }
    static Value Number(double n)
    {
        Value v;
        v.kind = Kind::Number;
        v.number = n;
        return v;
    }
    static Value Boolean(bool b)
    {
        Value v;
        v.kind = Kind::Boolean;
        v.boolean = b;
        return v;
    }
    static Value Date(double oleDate)
    {
        Value v;
        v.kind = Kind::Date;
        v.number = oleDate;
        return v;
    }
    static Value Currency(std::int64_t units)
    {
        Value v;
        v.kind = Kind::Currency;
        v.currency = units;
        return v;
    }
    bool IsNull() const { return kind == Kind::Null; }
    friend bool operator==(const Value& a, const Value& b)
    {
        if (a.kind != b.kind)
            return false;
        switch (a.kind)
        {
        case Kind::Null:
            return true;
        case Kind::Text:
            return a.text == b.text;
        case Kind::Number:
        case Kind::Date:
            return a.number == b.number;
        case Kind::Boolean:
            return a.boolean == b.boolean;
        case Kind::Currency:
            return a.currency == b.currency;
        }
        return false;
    }
};

} // namespace jet
