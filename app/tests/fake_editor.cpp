// Stands in for the data editor: writes its arguments and working folder, one a line, into the
// file named by MEKR_FAKE_EDITOR_LOG (written whole, then renamed into place).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* log = std::getenv("MEKR_FAKE_EDITOR_LOG");
    if (!log)
        return 1;
    char folder[4096] = {};
    if (!getcwd(folder, sizeof folder))
        return 1;
    const std::string temporary = std::string(log) + ".part";
    {
        std::ofstream out(temporary);
        out << "folder=" << folder << "\n";
        for (int i = 1; i < argc; ++i)
            out << "arg=" << argv[i] << "\n";
    }
    return std::rename(temporary.c_str(), log) == 0 ? 0 : 1;
}
