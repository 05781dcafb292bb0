#include "testing/CommaNumericLocale.h"

#include <clocale>
#include <cstdlib>
#include <fstream>

CommaNumericLocale::CommaNumericLocale()
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    m_saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
    {
        m_selected = true;
        return;
    }
    const std::string dir = m_folder.path().toStdString();
    std::ofstream(dir + "/comma.def") << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\n"
                                         "END LC_NUMERIC\n";
    // localedef exits with 1 for the categories left undefined, yet writes LC_NUMERIC.
    const std::string command =
        "localedef -c -i '" + dir + "/comma.def' -f UTF-8 '" + dir + "/comma.UTF-8' >/dev/null 2>&1";
    [[maybe_unused]] const int exitCode = std::system(command.c_str());
    setenv("LOCPATH", dir.c_str(), 1);
    m_selected = std::setlocale(LC_NUMERIC, "comma.UTF-8") != nullptr;
}

CommaNumericLocale::~CommaNumericLocale()
{
    std::setlocale(LC_NUMERIC, m_saved.c_str());
    unsetenv("LOCPATH");
}
