#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CStdioFile.h"
#include "platform/core/FileOps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace
{
// The cause of the CFileException* that action throws (none when it throws nothing).
template <class Action> int ThrownCause(Action action)
{
    try
    {
        action();
    }
    catch (CFileException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return CFileException::none;
}

class FileTest : public ::testing::Test
{
protected:
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }
    static void Put(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int FileCount() const { return int(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size()); }

    QTemporaryDir m_dir;
};

TEST_F(FileTest, WritesReadsAndSeeks)
{
    const std::string path = Path("data.bin");
    {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        f.Write("abcdef", 6);
        EXPECT_EQ(f.GetLength(), 6u);
        EXPECT_EQ(f.GetFileName(), "data.bin");
        EXPECT_EQ(f.GetFileTitle(), "data");
    }
    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeRead));
    char buffer[8] = {};
    f.Seek(2, CFile::begin);
    EXPECT_EQ(f.Read(buffer, 8), 4u);
    EXPECT_STREQ(buffer, "cdef");
    EXPECT_EQ(f.SeekToEnd(), 6u);
    EXPECT_EQ(f.Read(buffer, 8), 0u);
}

TEST_F(FileTest, FailuresCarryTheirCause)
{
    CFile f;
    CFileException error;
    EXPECT_FALSE(f.Open(Path("missing.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_NE(error.GetMessageText().Find("nebyl nalezen"), -1);
    try
    {
        CFile missing(Path("missing.txt").c_str(), CFile::modeRead);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        char text[20];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        EXPECT_LT(std::string(text).size(), sizeof text);
        e->Delete();
    }
    EXPECT_FALSE(f.Open(m_dir.path().toUtf8().constData(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST_F(FileTest, ReadOnlyAttributeProtectsTheFile)
{
    const std::string path = Path("chráněný.kzn");
    Put(path, "x");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_attribute & CFile::readOnly, 0);
    EXPECT_EQ(status.m_size, 1u);
    status.m_attribute |= CFile::readOnly;
    CFile::SetStatus(path.c_str(), status);
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_NE(status.m_attribute & CFile::readOnly, 0);
    EXPECT_TRUE(GetFileAttributes(path.c_str()) & FILE_ATTRIBUTE_READONLY);

    CFile f;
    CFileException error;
    EXPECT_FALSE(f.Open(path.c_str(), CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_FALSE(DeleteFile(path.c_str()));
    EXPECT_FALSE(FileOps::WriteAtomically(path.c_str(), "new"));
    EXPECT_EQ(Get(path), "x");

    EXPECT_TRUE(SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(DeleteFile(path.c_str()));
    EXPECT_FALSE(FileOps::Exists(path.c_str()));
    EXPECT_EQ(GetFileAttributes(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(GetFileAttributes(m_dir.path().toUtf8().constData()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FileTest, TextIsReadAsUtf8OrCodePage1250)
{
    struct Case
    {
        const char* bytes;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "čaj\r\nžluťoučký\n",
         "čaj", "žluťoučký"},
        {"\xE8"
         "aj\r\n\x9Elu\x9Do\xF9"
         "ka",
         "čaj", "žluťoůka"},
        {"a\n\nb", "a", ""},
    };
    for (const Case& c : cases)
    {
        const std::string path = Path("text.txt");
        Put(path, c.bytes);
        CStdioFile f(path.c_str(), CFile::modeRead | CFile::typeText);
        CString line;
        ASSERT_TRUE(f.ReadString(line));
        EXPECT_EQ(line, c.first);
        ASSERT_TRUE(f.ReadString(line));
        EXPECT_EQ(line, c.second);
    }
    CStdioFile f(Path("text.txt").c_str(), CFile::modeRead);
    CString line;
    int lines = 0;
    while (f.ReadString(line) && lines < 10)
        ++lines;
    EXPECT_EQ(lines, 3);
    EXPECT_TRUE(line.IsEmpty());
}

TEST_F(FileTest, ShortBufferKeepsWholeCharacters)
{
    const std::string path = Path("lines.txt");
    Put(path, "žžž\r\nb\n");
    CStdioFile f(path.c_str(), CFile::modeRead);
    char buffer[6];
    ASSERT_TRUE(f.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "žž");
    ASSERT_TRUE(f.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "ž\n");
    ASSERT_TRUE(f.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "b\n");
    EXPECT_EQ(f.ReadString(buffer, sizeof buffer), nullptr);
}

TEST_F(FileTest, WritesUtf8Text)
{
    const std::string path = Path("out.txt");
    {
        CStdioFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        f.WriteString("Tepelné ztráty\n");
    }
    EXPECT_EQ(Get(path), "Tepelné ztráty\n");
}

TEST_F(FileTest, CopyMoveAndDelete)
{
    const std::string a = Path("a.xls"), b = Path("b.xls"), c = Path("c.xls");
    Put(a, "A");
    EXPECT_TRUE(CopyFile(a.c_str(), b.c_str(), TRUE));
    EXPECT_EQ(Get(b), "A");
    Put(b, "B");
    EXPECT_FALSE(CopyFile(a.c_str(), b.c_str(), TRUE));
    EXPECT_TRUE(CopyFile(a.c_str(), b.c_str(), FALSE));
    EXPECT_EQ(Get(b), "A");
    EXPECT_FALSE(CopyFile(c.c_str(), b.c_str(), FALSE));

    Put(c, "C");
    EXPECT_FALSE(MoveFile(c.c_str(), b.c_str()));
    EXPECT_TRUE(MoveFileEx(c.c_str(), b.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(Get(b), "C");
    EXPECT_FALSE(FileOps::Exists(c.c_str()));
    CFile::Rename(b.c_str(), c.c_str());
    EXPECT_TRUE(FileOps::Exists(c.c_str()));
    CFile::Remove(c.c_str());
    EXPECT_FALSE(FileOps::Exists(c.c_str()));
    EXPECT_EQ(ThrownCause([&] { CFile::Remove(c.c_str()); }), CFileException::fileNotFound);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FileTest, AtomicReplaceKeepsTheOldFileOnFailure)
{
    const std::string path = Path("projekt.kzn");
    Put(path, "old");
    EXPECT_FALSE(FileOps::ReplaceAtomically(path.c_str(),
                                            [](const char* temporary)
                                            {
                                                std::ofstream(temporary) << "half";
                                                return false;
                                            }));
    EXPECT_EQ(Get(path), "old");
    EXPECT_EQ(FileCount(), 1); // no temporary file left behind

    std::string temporaryName;
    EXPECT_TRUE(FileOps::ReplaceAtomically(path.c_str(),
                                           [&](const char* temporary)
                                           {
                                               temporaryName = temporary;
                                               std::ofstream(temporary) << "new";
                                               return true;
                                           }));
    EXPECT_EQ(Get(path), "new");
    EXPECT_EQ(QFileInfo(QString::fromStdString(temporaryName)).absolutePath(), m_dir.path());
    EXPECT_EQ(FileCount(), 1);

    EXPECT_TRUE(FileOps::WriteAtomically(Path("nový.kzn").c_str(), "created"));
    EXPECT_EQ(Get(Path("nový.kzn")), "created");
}

TEST_F(FileTest, ArchiveRoundTrip)
{
    const std::string path = Path("grid.dat");
    {
        CFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&f, CArchive::store);
        EXPECT_TRUE(ar.IsStoring());
        ar << LONG(-5) << 2.5 << CString("Místnost");
    }
    CFile f(path.c_str(), CFile::modeRead);
    CArchive ar(&f, CArchive::load);
    LONG n = 0;
    double d = 0;
    CString s;
    ar >> n >> d >> s;
    EXPECT_EQ(n, -5);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(s, "Místnost");
    EXPECT_EQ(ThrownCause([&] { ar >> n; }), CFileException::endOfFile);
}
} // namespace

#include "platform/core/SystemTime.h"

namespace
{
TEST(SystemTime, TicksTempFolder)
{
    const DWORD start = GetTickCount();
    Sleep(20);
    EXPECT_GE(GetTickCount() - start, 20u);
    char path[512];
    const DWORD length = GetTempPath(sizeof path, path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(path[length - 1], '/');
    EXPECT_TRUE(FileOps::IsDirectory(path));
    EXPECT_EQ(GetTempPath(1, path), length + 1);
}
} // namespace

TEST_F(FileTest, AtomicSaveThroughLinksWritesTheFileTheyLeadTo)
{
    const struct
    {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links; // link name, what it points to
        const char* savedAs;
    } cases[] = {
        {"absolute link", {{"odkaz.kzn", nullptr}}, "odkaz.kzn"},
        {"relative link", {{"odkaz.kzn", "projekt.kzn"}}, "odkaz.kzn"},
        {"link to a link", {{"druhý.kzn", "projekt.kzn"}, {"odkaz.kzn", "druhý.kzn"}}, "odkaz.kzn"},
    };
    for (const auto& c : cases)
    {
        const std::string real = Path("projekt.kzn");
        Put(real, "staré");
        for (const auto& [name, target] : c.links)
            ASSERT_EQ(::symlink(target ? target : real.c_str(), Path(name).c_str()), 0) << c.what;
        int error = -1;
        EXPECT_TRUE(FileOps::WriteAtomically(Path(c.savedAs).c_str(), "nové", &error)) << c.what << ": " << error;
        EXPECT_EQ(Get(real), "nové") << c.what;
        for (const auto& [name, target] : c.links)
        {
            struct stat st;
            EXPECT_TRUE(::lstat(Path(name).c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << c.what << ": " << name;
            ::unlink(Path(name).c_str());
        }
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1) << c.what;
    }
}
