#pragma once
// What a resource script defines; each kind of resource adds its own member.

#include <map>
#include <string>

struct ResourceScript
{
    // STRINGTABLE entries: id -> UTF-8 text.
    std::map<unsigned, std::string> strings;
};
