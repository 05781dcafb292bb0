#pragma once
// A process numeric locale (LC_NUMERIC) with a decimal comma for as long as the object lives, as
// a user's desktop gives it: an installed one, else one that localedef builds in a folder of its
// own (machines often have no locales but C and POSIX). The locale in force before comes back.

#include <QTemporaryDir>

#include <string>

class CommaNumericLocale
{
public:
    CommaNumericLocale();
    ~CommaNumericLocale();
    CommaNumericLocale(const CommaNumericLocale&) = delete;
    CommaNumericLocale& operator=(const CommaNumericLocale&) = delete;

    // False when no such locale could be had (localedef needs Debian's locales).
    bool Selected() const { return m_selected; }

private:
    QTemporaryDir m_folder;
    std::string m_saved;
    bool m_selected = false;
};
