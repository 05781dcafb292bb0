#pragma once
// Workbooks for the tests: written by python3-xlwt into a folder of the test's own.

#include "platform/core/CString.h"

#include <filesystem>

class FixtureFolder
{
public:
    FixtureFolder();
    ~FixtureFolder();
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    CString Path(const char* name) const;
    // Writes the project workbook (sheets "DataAkce", "SeznamV", "SeznamM", "Moje data").
    CString ProjectWorkbook(const char* name = "Projekt.xls") const;

private:
    std::filesystem::path m_folder;
};

// The bytes of a file, to tell whether it changed.
std::string FileBytes(const CString& path);
