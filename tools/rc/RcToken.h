#pragma once
// One token of a resource script.

#include <string>

struct RcToken
{
    enum class Kind
    {
        End,
        Word,   // identifiers and keywords (BEGIN, STRINGTABLE, IDS_X)
        Number, // decimal or hexadecimal, an L suffix dropped
        String, // the text, escapes resolved
        Punct,  // one character: , | + - ( ) { }
    };
    Kind kind = Kind::End;
    std::string text;
    long long number = 0;
    std::string file;
    int line = 0;
};
