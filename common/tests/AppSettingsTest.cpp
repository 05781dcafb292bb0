#include "common/AppSettings.h"

#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/UserLocale.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

#include <QDir>

#include <fstream>

namespace
{
class AppSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Profile::SetRegistryKey("Kolp");
        Profile::SetProfileName("kalvenrod");
        m_settings.SetStartValues(0xC0C0C0);
    }
    void TearDown() override
    {
        UserLocale::ResetToSystem();
        NumberText::SetFormatSeparator('.');
    }
    static void Store(const char* name, const char* value) { Profile::WriteString("Settings", name, value); }
    static CString Stored(const char* name) { return Profile::GetString("Settings", name, "<none>"); }
    void ReadBack()
    {
        m_settings.SetStartValues(0xC0C0C0);
        m_settings.ReadInstallDir();
        m_settings.ReadSettings();
        m_settings.ReadPaths();
    }

    TemporaryProfile m_profile;
    AppSettings m_settings;
};

TEST_F(AppSettingsTest, StartValuesBeforeAnyRead)
{
    EXPECT_EQ(m_settings.KodTopTrub, "9001-0004");
    EXPECT_EQ(m_settings.KodSysPodl, "9001-0014");
    EXPECT_EQ(m_settings.ThirdCode, "9001-9999");
    EXPECT_EQ(m_settings.MakerNumber, 9001);
    EXPECT_EQ(m_settings.MinimRoztec, "0.075");
    EXPECT_EQ(m_settings.TemperaturePair, "45#40");
    EXPECT_EQ(m_settings.ErrorCaption(), "kalvenrod - chyba");
    EXPECT_EQ(m_settings.WarningCaption(), "kalvenrod - upozornění");
    EXPECT_EQ(m_settings.QuestionCaption(), "kalvenrod - dotaz");
    EXPECT_EQ(m_settings.RowFormats[0], "000000|d2b48c|T|1");
    EXPECT_EQ(m_settings.RowFormats[7], "000000|f0ff20||1");
    EXPECT_EQ(m_settings.Colours[0], 0x4000FFu);
    EXPECT_EQ(m_settings.Colours[3], 0xC0C0C0u);
    EXPECT_EQ(m_settings.CadLineColour, 0x1EE696u);
    EXPECT_EQ(m_settings.ProCAD, 120);
}

TEST_F(AppSettingsTest, MissingProfileGivesTheDefaults)
{
    ReadBack();
    EXPECT_EQ(m_settings.KontrolaPloch, 1);
    EXPECT_DOUBLE_EQ(m_settings.StenovDoVysky, 2200);
    EXPECT_DOUBLE_EQ(m_settings.KritPomerCizi, 0.95);
    EXPECT_DOUBLE_EQ(m_settings.MaxDelkaOkruhu, 160.0);
    EXPECT_DOUBLE_EQ(m_settings.MinDifChybi, 10.0);
    // The installation folder defaults to the program's folder.
    EXPECT_FALSE(m_settings.InstallDir.IsEmpty());
    EXPECT_EQ(m_settings.PathData, m_settings.InstallDir);
    EXPECT_EQ(m_settings.PathList, m_settings.InstallDir);
    EXPECT_EQ(m_settings.PathEdit, m_settings.InstallDir);
    EXPECT_EQ(m_settings.PathDump, QDir::tempPath().toStdString());
    EXPECT_TRUE(m_settings.UserFirm.IsEmpty());
}

TEST_F(AppSettingsTest, NumberTextsReadWithEitherSeparator)
{
    for (const UserLocale& locale : {UserLocale::English(), UserLocale::Czech()})
        for (const char* stored : {"2,5", "2.5"})
        {
            UserLocale::SetCurrent(locale);
            Store("MinimSigmaPodl", stored);
            ReadBack();
            EXPECT_DOUBLE_EQ(m_settings.MinimSigmaPodl, 2.5) << stored << " " << locale.decimalSeparator;
        }
    Store("MinimSigmaPodl", "");
    Store("KritPomerCizi", "nic");
    ReadBack();
    EXPECT_DOUBLE_EQ(m_settings.MinimSigmaPodl, 3.0);
    EXPECT_DOUBLE_EQ(m_settings.KritPomerCizi, 0.0);
}

TEST_F(AppSettingsTest, FloorSystemCodeTakenOnlyWithTheMakerNumber)
{
    const struct
    {
        const char* stored;
        const char* expected;
    } cases[] = {
        {"9005-0014", "9001-0014"}, {"9001-0099", "9001-0099"}, {"129001-7", "129001-7"}, {"", "9001-0014"}};
    for (const auto& c : cases)
    {
        Store("KodSysPodl", c.stored);
        ReadBack();
        EXPECT_EQ(m_settings.KodSysPodl, c.expected) << c.stored;
    }
}

// A missing working copy lies in the user's data folder, never beside the program or its
// catalogues; a stored one stays.
TEST_F(AppSettingsTest, MissingWorkingCopyLiesInTheUsersDataFolder)
{
    Store("PathData", "/srv/data");
    ReadBack();
    EXPECT_EQ(m_settings.PathBase, m_profile.DataFolder().toStdString() + "/Nový.kzn");
    Store("PathBase", "/home/projekt/Dům.XLS");
    ReadBack();
    EXPECT_EQ(m_settings.PathBase, "/home/projekt/Dům.XLS");
}

TEST_F(AppSettingsTest, LongInstallFolderReadWhole)
{
    const std::string folder = "/opt/" + std::string(300, 'k');
    QDir(m_profile.MachineFolder()).mkpath("Kolp");
    std::ofstream(m_profile.MachineFolder().toStdString() + "/Kolp/kalvenrod.ini")
        << "[General]\nInstallDir=" << folder << "\n";
    ReadBack();
    EXPECT_EQ(m_settings.InstallDir, folder);
    EXPECT_EQ(m_settings.PathData, folder);
    EXPECT_EQ(m_settings.PathBase, m_profile.DataFolder().toStdString() + "/Nový.kzn");
}

TEST_F(AppSettingsTest, WrittenValuesReadBack)
{
    NumberText::SetFormatSeparator(',');
    UserLocale::SetCurrent(UserLocale::Czech());
    m_settings.StenovParapet = 899.9;
    m_settings.MaxDelkaOkruhu = 160.0;
    m_settings.KritPomerCizi = 0.95;
    m_settings.ProCAD = 123;
    m_settings.UserFirm = "Topení Novák";
    m_settings.Language = "En";
    m_settings.WriteSettings();
    EXPECT_EQ(Stored("StenovParapet"), "899");
    EXPECT_EQ(Stored("MaxDelkaOkruhu"), "160,");
    EXPECT_EQ(Stored("KritPomerCizi"), "0,95");
    EXPECT_EQ(Stored("MaxTlakZtrata"), "0,");
    EXPECT_EQ(Stored("Language"), "En");
    ReadBack();
    EXPECT_DOUBLE_EQ(m_settings.StenovParapet, 899);
    EXPECT_DOUBLE_EQ(m_settings.MaxDelkaOkruhu, 160.0);
    EXPECT_DOUBLE_EQ(m_settings.KritPomerCizi, 0.95);
    EXPECT_EQ(m_settings.ProCAD, 123);
    EXPECT_EQ(m_settings.UserFirm, "Topení Novák");
}

TEST_F(AppSettingsTest, AreaFlagsApartFromTheGeneralOne)
{
    m_settings.Modified[AppSettings::General] = 1;
    EXPECT_FALSE(m_settings.AnyAreaModified());
    m_settings.Modified[AppSettings::WallArea] = 1;
    EXPECT_TRUE(m_settings.AnyAreaModified());
    m_settings.ClearAreaFlags();
    EXPECT_FALSE(m_settings.AnyAreaModified());
    EXPECT_EQ(m_settings.Modified[AppSettings::General], 1);
}
} // namespace
