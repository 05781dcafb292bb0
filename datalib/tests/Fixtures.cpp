#include "Fixtures.h"

#include "datalib/CData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
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

namespace
{
// Mounts made from here on are this process's own: they go with it, even when it is killed.
bool OwnMountNamespace()
{
    static const bool own =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return own;
}
} // namespace

SmallFolder::SmallFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "datalib-small-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "no temporary folder";
    m_path = pattern;
    m_mounted = OwnMountNamespace() && ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, "size=256k") == 0;
}

SmallFolder::~SmallFolder()
{
    if (m_mounted)
        ::umount2(m_path.c_str(), MNT_DETACH);
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(m_path, error);
}

std::vector<std::string> SmallFolder::FileNames() const
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_path, error))
        names.push_back(entry.path().filename().string());
    return names;
}

bool SmallFolder::MakeReadOnly()
{
    if (m_mounted)
        return ::mount(nullptr, m_path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=256k") == 0;
    // Without a mount only a user other than root is kept out by the folder's mode.
    return ::geteuid() != 0 && ::chmod(m_path.c_str(), 0555) == 0;
}

void SmallFolder::Fill()
{
    const int fd = ::open((m_path / "výplň").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0)
    {
    }
    ::close(fd);
}

void SmallFolder::Empty()
{
    std::filesystem::remove(m_path / "výplň");
}

void OpenWithAChange(const FixtureFolder& fixtures, const CString& path, CData& data, const CString& openAs)
{
    if (!std::filesystem::exists(path.str()))
        std::filesystem::copy_file(fixtures.ProjectWorkbook().str(), path.str());
    ASSERT_TRUE(data.Open(openAs.IsEmpty() ? path : openAs, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(data.SetStringValue("Poznámka", "změna", 1, 0));
}

std::string FileBytes(const CString& path)
{
    std::ifstream in(path.str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
