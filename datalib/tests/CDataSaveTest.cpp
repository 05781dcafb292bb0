// Saving a workbook: killed saves leave nothing that lasts, a failure names its cause and
// keeps the file, a save keeps what the file was (mode, owner, the link that leads to it),
// and only a change of content counts as another program's change.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "platform/core/FileOps.h"
#include "testing/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace
{
CString NoteOf(const CString& path)
{
    CData data;
    CString text = "?";
    if (data.Open(path, "Excel 8.0", 0, 0) && data.OpenTable("SeznamM$", "", 0))
        data.GetStringValue("Poznámka", text, 1, -1, 0);
    return text;
}

// Temporary files of saves of Projekt.xls: ".Projekt.xls.XXXXXX".
std::vector<std::string> Temporaries(const SmallFolder& folder)
{
    std::vector<std::string> found;
    for (const std::string& name : folder.FileNames())
        if (name.rfind(".Projekt.xls.", 0) == 0)
            found.push_back(name);
    return found;
}

// A save of path in a child process that is killed half-way through writing.
void SaveKilledHalfWay(const CString& path)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        FileOps::ReplaceAtomically(path.GetString(),
                                   [](const char* temporary)
                                   {
                                       const int fd = ::open(temporary, O_WRONLY);
                                       const std::string half(4096, 'h');
                                       (void)!::write(fd, half.data(), half.size());
                                       ::raise(SIGKILL);
                                       return true;
                                   });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}
} // namespace

TEST(WorkbookSave, AKilledSaveLeavesATemporaryThatTheNextSaveRemoves)
{
    FixtureFolder fixtures;
    SmallFolder folder;
    const CString path = folder.Path("Projekt.xls");
    CData data;
    ASSERT_NO_FATAL_FAILURE(OpenWithAChange(fixtures, path, data));
    const std::string before = FileBytes(path);
    for (int kill = 0; kill < 3; ++kill)
        ASSERT_NO_FATAL_FAILURE(SaveKilledHalfWay(path));
    // Each save clears what the killed one before it left: only the last one's stays.
    EXPECT_EQ(Temporaries(folder).size(), 1u);
    EXPECT_TRUE(FileBytes(path) == before);
    // A save that is still running holds its temporary: that one stays.
    const CString running = folder.Path(".Projekt.xls.BEZI01");
    const int held = ::open(running.GetString(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // Temporaries of other files are none of this save's business.
    const CString other = folder.Path(".Jiný.xls.abcdef");
    ASSERT_TRUE(FileOps::WriteAtomically(other.GetString(), "cizí"));

    EXPECT_EQ(data.Flush(), 1) << data.GetErrorText().str();
    EXPECT_EQ(Temporaries(folder), std::vector<std::string>{".Projekt.xls.BEZI01"});
    EXPECT_TRUE(FileOps::Exists(other.GetString()));
    ::close(held);
    data.Close();
    EXPECT_EQ(NoteOf(path), "změna");
}

TEST(WorkbookSave, AFailedSaveNamesItsCauseAndKeepsTheFile)
{
    const struct
    {
        const char* what;
        // Makes the save fail; returns the system's error it fails with.
        std::function<int(SmallFolder& folder, const CString& path)> breakSave;
    } cases[] = {
        {"read-only file, whoever saves it",
         [](SmallFolder&, const CString& path)
         {
             ::chmod(path.GetString(), 0444);
             return EACCES;
         }},
        {"full disk",
         [](SmallFolder& folder, const CString&)
         {
             if (!folder.Mounted())
                 return 0;
             folder.Fill();
             return ENOSPC;
         }},
        {"file size beyond the process's limit", [](SmallFolder&, const CString&) { return EFBIG; }},
    };
    for (const auto& c : cases)
    {
        FixtureFolder fixtures;
        SmallFolder folder;
        const CString path = folder.Path("Projekt.xls");
        CData data;
        ASSERT_NO_FATAL_FAILURE(OpenWithAChange(fixtures, path, data));
        const std::string before = FileBytes(path);
        const int error = c.breakSave(folder, path);
        if (error == 0)
            continue; // this machine mounts no small disk: the size limit below stands for it
        int flushed = 0;
        if (error == EFBIG)
        {
            FileSizeLimit limit(512);
            flushed = data.Flush();
        }
        else
            flushed = data.Flush();
        EXPECT_EQ(flushed, 0) << c.what;
        EXPECT_EQ(data.GetErrorCode(), 3043) << c.what;
        EXPECT_NE(data.GetErrorText().Find(std::strerror(error)), -1) << c.what << ": " << data.GetErrorText().str();
        EXPECT_TRUE(FileBytes(path) == before) << c.what;
        EXPECT_TRUE(Temporaries(folder).empty()) << c.what;
        folder.Empty();
        ::chmod(path.GetString(), 0644);
    }
}

TEST(WorkbookSave, KeepsWhatTheFileWasAndCountsOnlyChangedContent)
{
    const bool root = ::geteuid() == 0;
    const struct
    {
        const char* what;
        // Done before the file is opened (through the returned path).
        std::function<CString(SmallFolder& folder, const CString& path)> before;
        // Done while the change waits to be written, as another program might.
        std::function<void(const CString& path)> meanwhile;
    } cases[] = {
        {"mode and owner",
         [root](SmallFolder&, const CString& path)
         {
             ::chmod(path.GetString(), 0640);
             if (root)
                 (void)!::chown(path.GetString(), 4321, 4322);
             return path;
         },
         [](const CString&) {}},
        {"opened through a symbolic link",
         [](SmallFolder& folder, const CString& path)
         {
             const CString link = folder.Path("Odkaz.xls");
             std::filesystem::create_symlink(path.str(), link.str());
             return link;
         },
         [](const CString&) {}},
        {"touched by another program", [](SmallFolder&, const CString& path) { return path; },
         [](const CString& path)
         {
             const timespec later[2] = {{std::time(nullptr) + 60, 0}, {std::time(nullptr) + 60, 0}};
             ::utimensat(AT_FDCWD, path.GetString(), later, 0);
         }},
        {"mode changed by another program", [](SmallFolder&, const CString& path) { return path; },
         [](const CString& path) { ::chmod(path.GetString(), 0604); }},
    };
    for (const auto& c : cases)
    {
        FixtureFolder fixtures;
        SmallFolder folder;
        const CString path = folder.Path("Projekt.xls");
        std::filesystem::copy_file(fixtures.ProjectWorkbook().str(), path.str());
        const CString openAs = c.before(folder, path);
        CData data;
        ASSERT_NO_FATAL_FAILURE(OpenWithAChange(fixtures, path, data, openAs)) << c.what;
        c.meanwhile(path);
        struct stat was;
        ASSERT_EQ(::lstat(path.GetString(), &was), 0);

        EXPECT_EQ(data.Flush(), 1) << c.what << ": " << data.GetErrorText().str();
        data.Close();
        struct stat now;
        ASSERT_EQ(::lstat(path.GetString(), &now), 0);
        EXPECT_EQ(now.st_mode, was.st_mode) << c.what;
        EXPECT_EQ(now.st_uid, was.st_uid) << c.what;
        EXPECT_EQ(now.st_gid, was.st_gid) << c.what;
        EXPECT_EQ(NoteOf(path), "změna") << c.what;
        if (openAs != path)
        {
            EXPECT_TRUE(std::filesystem::is_symlink(openAs.str())) << c.what;
        }
        EXPECT_TRUE(Temporaries(folder).empty()) << c.what;
    }
}
