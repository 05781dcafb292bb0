#include "platform/core/FileOps.h"
#include "platform/core/Profile.h"
#include "platform/core/Registry.h"
#include "testing/ScopedEnvironment.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace
{
class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::SetRegistryKey("Kolp");
        Profile::SetProfileName("kalvenrod");
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string ReadRegistryString(HKEY root, const char* path, const char* name)
    {
        HKEY key = nullptr;
        std::string text;
        if (RegOpenKey(root, path, &key) == ERROR_SUCCESS)
        {
            char buffer[100];
            DWORD size = sizeof buffer;
            if (RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) ==
                ERROR_SUCCESS)
                text = buffer;
            RegCloseKey(key);
        }
        return text;
    }

    TemporaryProfile m_profile;
};

TEST_F(ProfileTest, WrittenProfileIsAnIniFileThatReadsBack)
{
    EXPECT_TRUE(Profile::WriteInt("Settings", "ProCAD", 121));
    EXPECT_TRUE(Profile::WriteString("Settings", "UserFirm", "Topení Novák, s.r.o."));
    EXPECT_TRUE(Profile::WriteString("Settings", "KritPomerCizi", "0,95"));
    const std::string path = m_profile.ConfigFolder().toStdString() + "/Kolp/kalvenrod.ini";
    EXPECT_EQ(Profile::FilePath(), path);
    const std::string ini = Read(path);
    EXPECT_NE(ini.find("[Settings]"), std::string::npos);
    EXPECT_NE(ini.find("ProCAD=121"), std::string::npos);

    EXPECT_EQ(Profile::GetInt("Settings", "ProCAD", 120), 121u);
    EXPECT_EQ(Profile::GetString("Settings", "UserFirm"), "Topení Novák, s.r.o.");
    EXPECT_EQ(Profile::GetString("Settings", "KritPomerCizi"), "0,95");
    EXPECT_EQ(Profile::GetInt("Settings", "Missing", 120), 120u);
    EXPECT_EQ(Profile::GetInt("Settings", "UserFirm", 7), 7u);
    EXPECT_EQ(Profile::GetString("Settings", "Missing", "default"), "default");
    EXPECT_EQ(Profile::GetString("Other", "ProCAD"), "");
    EXPECT_EQ(Profile::GetInt("Settings", "Negative", -1), UINT(-1));

    EXPECT_TRUE(Profile::WriteString("Settings", "UserFirm", nullptr));
    EXPECT_EQ(Profile::GetString("Settings", "UserFirm", "gone"), "gone");
    EXPECT_TRUE(Profile::WriteString("Settings", nullptr, nullptr));
    EXPECT_EQ(Profile::GetInt("Settings", "ProCAD", 120), 120u);
}

TEST_F(ProfileTest, RegistryReadsTheSameFile)
{
    Profile::WriteString("WritingFiles", "a", "/data/a.xls");
    Profile::WriteString("WritingFiles", "b", "/data/b.xls");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod\\WritingFiles", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char buffer[100];
    DWORD size = sizeof buffer, type = 0;
    ASSERT_EQ(RegQueryValueEx(key, "a", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "/data/a.xls");
    EXPECT_EQ(size, 12u);
    EXPECT_EQ(type, REG_SZ);
    DWORD needed = 0;
    EXPECT_EQ(RegQueryValueEx(key, "b", nullptr, nullptr, nullptr, &needed), ERROR_SUCCESS);
    EXPECT_EQ(needed, 12u);
    DWORD small = 5;
    EXPECT_EQ(RegQueryValueEx(key, "b", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &small),
              ERROR_MORE_DATA);
    EXPECT_EQ(RegQueryValueEx(key, "c", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_FILE_NOT_FOUND);

    int count = 0;
    for (DWORD i = 0; i < 10; ++i)
    {
        char name[64];
        DWORD nameSize = sizeof name;
        if (RegEnumValue(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        ++count;
    }
    EXPECT_EQ(count, 2);
    EXPECT_EQ(RegDeleteValue(key, "a"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "a"), ERROR_FILE_NOT_FOUND);
    const DWORD number = 42;
    EXPECT_EQ(RegSetValueEx(key, "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(Profile::GetInt("WritingFiles", "n", 0), 42u);
    EXPECT_EQ(Profile::GetString("WritingFiles", "a", "x"), "x");

    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod\\Nothing", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
}

TEST_F(ProfileTest, MachineValuesComeFromBesideTheProgram)
{
    // No machine file: the installation folder is the program's own.
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kolp\\kalvenrod", "InstallDir"),
              FileOps::ProgramFolder());
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kolp\\kalvenrod", "Other"), "");
    QDir().mkpath(m_profile.MachineFolder() + "/Kolp");
    std::ofstream(m_profile.MachineFolder().toStdString() + "/Kolp/kalvenrod.ini")
        << "[General]\nInstallDir=/opt/kalvenrod\n";
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kolp\\kalvenrod", "InstallDir"),
              "/opt/kalvenrod");
}

// A settings file written by hand, one value read from it, one write, and the file after it.
struct SettingsFileCase
{
    const char* what;
    std::string before;
    const char* readSection;
    const char* readEntry;
    const char* expected;
    const char* writeSection;
    const char* writeEntry;
    const char* value; // null: the entry is removed
    std::string after;
};

const SettingsFileCase settingsFileCases[] = {
    {"backslashes are not escapes, new keys follow the section's last key with its line ends",
     "[Settings]\r\nDataDir=C:\\Kalvenrod\\Data\\new\r\nTab=a\\tb\r\n\r\n[Other]\r\nx=1\r\n", "Settings",
     "DataDir", "C:\\Kalvenrod\\Data\\new", "Settings", "UserFirm", "Novák",
     "[Settings]\r\nDataDir=C:\\Kalvenrod\\Data\\new\r\nTab=a\\tb\r\nUserFirm=Novák\r\n\r\n[Other]\r\nx="
     "1\r\n"},
    {"';' and ',' belong to the value", "[Settings]\nUserFirm=Topení Novák, s.r.o.; Brno\nKrit=0,95\n",
     "Settings", "UserFirm", "Topení Novák, s.r.o.; Brno", "Settings", "Krit", "0,9",
     "[Settings]\nUserFirm=Topení Novák, s.r.o.; Brno\nKrit=0,9\n"},
    {"code page 1250 is decoded and kept", "[Settings]\nUserFirm=Topen\xed Nov\xe1k\nProCAD=120\n",
     "Settings", "UserFirm", "Topení Novák", "Settings", "ProCAD", "121",
     "[Settings]\nUserFirm=Topen\xed Nov\xe1k\nProCAD=121\n"},
    {"names match without regard to case", "[SETTINGS]\nprocad=120\n", "settings", "ProCAD", "120",
     "Settings", "PROCAD", "7", "[SETTINGS]\nprocad=7\n"},
    {"comments, blank lines and order stay",
     "; written by hand\n[A]\nx=1\n\n[Settings]\n# note\nb=2\na=1\n; end\n", "A", "x", "1", "Settings", "b",
     "3", "; written by hand\n[A]\nx=1\n\n[Settings]\n# note\nb=3\na=1\n; end\n"},
    {"spaces around the '=' stay, around the value do not count", "[S]\nKey = old value  \n", "S", "key",
     "old value", "S", "Key", "new", "[S]\nKey = new\n"},
    {"a byte order mark stays", "\xEF\xBB\xBF[A]\nx=1\n", "a", "x", "1", "A", "x", "2",
     "\xEF\xBB\xBF[A]\nx=2\n"},
    {"a new section goes at the end", "[A]\nx=1", "A", "x", "1", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n"},
    {"a removed entry takes its own line only", "[A]\nx=1\ny=2\n; z\n", "A", "y", "2", "A", "Y", nullptr,
     "[A]\nx=1\n; z\n"},
    {"the first of two equal keys counts", "[A]\nx=1\nX=2\n", "A", "X", "1", "a", "x", "3",
     "[A]\nx=3\nX=2\n"},
    {"a file that is not text is never rewritten", std::string("[A]\nx=1\n\0\0", 10), "A", "x", "", "A", "x",
     "2", std::string("[A]\nx=1\n\0\0", 10)},
    {"quotes around a value go; a value that would not read back is written between quotes",
     "[A]\np=\"C:\\temp\\new\"\nq=\"  padded  \"\n", "A", "p", "C:\\temp\\new", "A", "x", "\ta\\b\n\nc\n",
     "[A]\np=\"C:\\temp\\new\"\nq=\"  padded  \"\nx=\"\\x09a\\x5Cb\\x0A\\x0Ac\\x0A\"\n"},
    {"a name that would read back as another is not written", "[A]\nx=1\n", "A", "x", "1", "A", "y=z", "2",
     "[A]\nx=1\n"},
};

TEST_F(ProfileTest, HandWrittenSettingsFilesReadAsWrittenAndOneWriteChangesItsOwnLine)
{
    const std::string path = m_profile.ConfigFolder().toStdString() + "/Kolp/kalvenrod.ini";
    QDir().mkpath(m_profile.ConfigFolder() + "/Kolp");
    for (const SettingsFileCase& c : settingsFileCases)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.before;
        EXPECT_EQ(Profile::GetString(c.readSection, c.readEntry), c.expected) << c.what;
        const bool unchanged = c.after == c.before;
        EXPECT_EQ(Profile::WriteString(c.writeSection, c.writeEntry, c.value), unchanged ? FALSE : TRUE)
            << c.what;
        EXPECT_EQ(Read(path), c.after) << c.what;
        if (!unchanged && c.value)
        {
            EXPECT_EQ(Profile::GetString(c.writeSection, c.writeEntry), c.value) << c.what;
        }
    }
}

TEST_F(ProfileTest, AWriteThroughALinkChangesTheFileItNames)
{
    QDir().mkpath(m_profile.ConfigFolder() + "/Kolp");
    const std::string real = m_profile.ConfigFolder().toStdString() + "/real.ini";
    std::ofstream(real) << "[A]\nx=1\n";
    ASSERT_TRUE(QFile::link(QString::fromStdString(real), m_profile.ConfigFolder() + "/Kolp/kalvenrod.ini"));
    EXPECT_TRUE(Profile::WriteInt("A", "x", 2));
    EXPECT_TRUE(QFileInfo(m_profile.ConfigFolder() + "/Kolp/kalvenrod.ini").isSymLink());
    EXPECT_EQ(Read(real), "[A]\nx=2\n");
}

TEST_F(ProfileTest, LongValueReadsAsEmptyThroughAHundredByteBuffer)
{
    Profile::WriteString("", "Long", std::string(120, 'x').c_str());
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Kolp\\kalvenrod", "Long"), "");
}

// The user's folders follow the XDG settings of the session unless a test set its own.
TEST(ProfileUserFoldersTest, DataAndDocumentsFoldersFollowTheXdgSettings)
{
    QTemporaryDir home;
    const QString config = home.filePath("nastaveni");
    QDir().mkpath(config);
    QFile dirs(config + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
    dirs.close();
    ScopedEnvironment homeVariable("HOME", home.path().toUtf8().constData());
    ScopedEnvironment dataVariable("XDG_DATA_HOME", home.filePath("data").toUtf8().constData());
    ScopedEnvironment configVariable("XDG_CONFIG_HOME", config.toUtf8().constData());
    Profile::SetDataFolder("");
    Profile::SetDocumentsFolder("");
    const struct
    {
        const char* key;
        std::string data;
    } cases[] = {{"Kolp", home.filePath("data/Kolp/kalvenrod").toStdString()},
                 {"", home.filePath("data/kalvenrod").toStdString()}};
    for (const auto& c : cases)
    {
        Profile::SetRegistryKey(c.key);
        Profile::SetProfileName("kalvenrod");
        EXPECT_EQ(Profile::DataFolder(), c.data) << c.key;
        EXPECT_EQ(Profile::DocumentsFolder(), home.filePath("Dokumenty").toStdString());
    }
    Profile::SetDataFolder("/srv/data");
    Profile::SetDocumentsFolder("/srv/dokumenty");
    EXPECT_EQ(Profile::DataFolder(), "/srv/data");
    EXPECT_EQ(Profile::DocumentsFolder(), "/srv/dokumenty");
    Profile::SetDataFolder("");
    Profile::SetDocumentsFolder("");
    Profile::SetRegistryKey("");
}
} // namespace
