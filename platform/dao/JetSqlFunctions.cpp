#include "platform/dao/JetSqlFunctions.h"

#include "platform/dao/JetConvert.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <sqlite3.h>

namespace jet
{

namespace
{

const QCollator& CzechCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

int CollateCzech(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    const QString qa = QString::fromUtf8(static_cast<const char*>(a), lengthA);
    const QString qb = QString::fromUtf8(static_cast<const char*>(b), lengthB);
    const int result = CzechCollator().compare(qa, qb);
    if (result != 0)
        return result;
    // Texts that differ only where the collation sees no difference still need a total order.
    return qa.compare(qb, Qt::CaseInsensitive) == 0 ? 0 : (qa.toCaseFolded() < qb.toCaseFolded() ? -1 : 1);
}

// Matches the Jet pattern p from pi against s from si.
bool Match(const QString& p, int pi, const QString& s, int si)
{
    // Iterative matching with one backtrack point for the last '*'.
    int starP = -1, starS = -1;
    while (si < s.size())
    {
        if (pi < p.size())
        {
            const QChar pc = p[pi];
            if (pc == '*')
            {
                starP = pi++;
                starS = si;
                continue;
            }
            bool ok = false;
            int nextP = pi + 1;
            if (pc == '?')
                ok = true;
            else if (pc == '#')
                ok = s[si].isDigit();
            else if (pc == '[')
            {
                const int close = p.indexOf(']', pi + 1);
                if (close > pi + 1)
                {
                    int k = pi + 1;
                    const bool negate = p[k] == '!';
                    if (negate)
                        ++k;
                    bool inSet = false;
                    for (; k < close; ++k)
                    {
                        if (k + 2 < close && p[k + 1] == '-')
                        {
                            inSet = inSet || (s[si] >= p[k] && s[si] <= p[k + 2]);
                            k += 2;
                        }
                        else
                            inSet = inSet || s[si] == p[k];
                    }
                    ok = inSet != negate;
                    nextP = close + 1;
                }
                else
                    ok = s[si] == pc;
            }
            else
                ok = s[si] == pc;
            if (ok)
            {
                pi = nextP;
                ++si;
                continue;
            }
        }
        if (starP < 0)
            return false;
        pi = starP + 1;
        si = ++starS;
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    return pi == p.size();
}

void LikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
    {
        sqlite3_result_null(context);
        return;
    }
    const char* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(context, JetLike(pattern, text) ? 1 : 0);
}

void NumberFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0]))
    {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_value(context, argv[0]);
        break;
    case SQLITE_TEXT: {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        if (const auto number = TextToNumber(text ? text : ""))
            sqlite3_result_double(context, *number);
        else
            sqlite3_result_null(context);
        break;
    }
    default:
        sqlite3_result_null(context);
        break;
    }
}

} // namespace

int CompareCzech(const std::string& a, const std::string& b)
{
    return CollateCzech(nullptr, static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data());
}

bool JetLike(const char* pattern, const char* text)
{
    const QString p = QString::fromUtf8(pattern).toCaseFolded();
    const QString s = QString::fromUtf8(text).toCaseFolded();
    return Match(p, 0, s, 0);
}

void RegisterJetSqlFunctions(sqlite3* db)
{
    sqlite3_create_collation(db, "CZECH", SQLITE_UTF8, nullptr, CollateCzech);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "kalv_num", 1, flags, nullptr, NumberFunction, nullptr, nullptr);
}

} // namespace jet
