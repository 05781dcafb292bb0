#pragma once
// The names that window resource statements use for styles, flags, keys and dialog ids
// (WS_CHILD, ES_AUTOHSCROLL, VK_F1, IDOK ...), as a resource script finds them without headers.

#include <map>
#include <string>

const std::map<std::string, long long>& WindowSymbols();
