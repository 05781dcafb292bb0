#pragma once
// Workbooks for the tests: written by python3-xlwt into a folder of the test's own.

#include "platform/core/CString.h"

class CData;

#include <filesystem>
#include <string>
#include <vector>

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

// A folder of its own on a small memory file system where the machine lets the tests mount
// one (root); else an ordinary temporary folder.
class SmallFolder
{
public:
    SmallFolder();
    ~SmallFolder();
    SmallFolder(const SmallFolder&) = delete;
    SmallFolder& operator=(const SmallFolder&) = delete;

    bool Mounted() const { return m_mounted; }
    CString Path(const char* name) const { return CString((m_path / name).string()); }
    // The names of the files in the folder.
    std::vector<std::string> FileNames() const;

    // No file can be written in the folder any more.
    bool MakeReadOnly();
    // Takes every free block: the next write finds the disk full.
    void Fill();
    void Empty();

private:
    std::filesystem::path m_path;
    bool m_mounted = false;
};

// The project workbook at path (copied there unless it is there) opened in data, through
// openAs when given, with one value changed that is not yet written.
void OpenWithAChange(const FixtureFolder& fixtures, const CString& path, CData& data, const CString& openAs = {});

// The bytes of a file, to tell whether it changed.
std::string FileBytes(const CString& path);
