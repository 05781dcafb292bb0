#include "Fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

FixtureFolder::FixtureFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "datalib-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "no temporary folder";
    m_folder = pattern;
}

FixtureFolder::~FixtureFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

CString FixtureFolder::Path(const char* name) const
{
    return CString((m_folder / name).string());
}

CString FixtureFolder::ProjectWorkbook(const char* name) const
{
    return Written("make_project_workbook.py", name);
}

CString FixtureFolder::WorkbookWithEmptySheet(const char* name) const
{
    return Written("make_workbook_with_empty_sheet.py", name);
}

CString FixtureFolder::WorkbookWithMixedColumn(const char* name) const
{
    return Written("make_mixed_column_workbook.py", name);
}

CString FixtureFolder::Written(const char* script, const char* name) const
{
    const CString path = Path(name);
    // Debian's own python3 carries xlwt; the first python3 on PATH may not.
    const std::string command = std::string("/usr/bin/python3 '") + KALVENROD_TEST_DATA_DIR + "/fixtures/" +
                                script + "' '" + path.str() + "'";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "python3-xlwt could not write " << path.str();
    return path;
}

std::string FileBytes(const CString& path)
{
    std::ifstream in(path.str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
