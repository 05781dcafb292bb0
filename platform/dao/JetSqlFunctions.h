#pragma once

#include <string>

struct sqlite3;

namespace jet
{

// Gives an SQLite connection what Jet SQL expects of text:
// - the collation CZECH: Czech order without regard to case ("ch" after "h", "á" after "a");
// - LIKE with Jet patterns ('*' any text, '?' one character, '#' one digit, [abc], [!a-z]),
//   without regard to case, Czech letters included;
// - kalv_num(x): a text that is a number as that number, other texts as NULL, numbers as they are.
void RegisterJetSqlFunctions(sqlite3* db);

// Czech collation without regard to case (negative, 0, positive), the order of table lists.
int CompareCzech(const std::string& a, const std::string& b);

// True when text matches the Jet pattern (both UTF-8), without regard to case.
bool JetLike(const char* pattern, const char* text);

} // namespace jet
