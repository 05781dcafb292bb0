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
    // Writes a workbook with the sheet "Data" and the empty sheet "List2".
    CString WorkbookWithEmptySheet(const char* name) const;
    // Writes a workbook with the sheet "Smíšený": numbers, two texts and a Boolean in one column.
    CString WorkbookWithMixedColumn(const char* name) const;

private:
    CString Written(const char* script, const char* name) const;

    std::filesystem::path m_folder;
};

// The bytes of a file, to tell whether it changed.
std::string FileBytes(const CString& path);
