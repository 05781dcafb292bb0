#include "common/AppSettings.h"

#include "common/CommonIds.h"
#include "common/CommonRoutines.h"
#include "platform/core/NumberText.h"
#include "platform/core/Profile.h"
#include "platform/core/Registry.h"

#include <cmath>
#include <filesystem>
#include <system_error>

namespace
{
constexpr const char* kSection = "Settings";

const char* const kRowFormats[8] = {
    "000000|d2b48c|T|1", "000000|f0d800|T|1", "000000|ffffe0||1", "000000|dfffff||1",
    "000000|e6e6fa||1",  "000000|d6d6ea||1",  "000000|f9f0b0||1", "000000|f0ff20||1",
};

int ReadInt(const char* name, int defaultValue)
{
    return int(Profile::GetInt(kSection, name, defaultValue));
}

// A number text: either separator; empty or missing keeps the current value.
void ReadNumber(const char* name, double& value)
{
    const CString text = Profile::GetString(kSection, name, "");
    if (!text.IsEmpty())
        value = NumberText::ToDouble(LocalizeDecimalSeparator(text).str());
}

CString ReadText(const char* name)
{
    return Profile::GetString(kSection, name, "");
}

void WriteInt(const char* name, int value)
{
    Profile::WriteInt(kSection, name, value);
}

void WriteNumber(const char* name, double value)
{
    Profile::WriteString(kSection, name, SettingNumberText(value));
}

void WriteText(const char* name, const CString& value)
{
    Profile::WriteString(kSection, name, value);
}

CString TemporaryFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? CString("/tmp") : CString(folder.string());
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
} // namespace

AppSettings& AppSettings::Get()
{
    static AppSettings settings;
    return settings;
}

void AppSettings::SetStartValues(COLORREF inactiveBorder)
{
    *this = AppSettings();
    const CString maker = LoadText(IDS_MAKER_NUMBER);
    MakerNumber = NumberText::ToInt(maker.str());
    KodTopTrub = maker + "-0004";
    KodSysPodl = maker + "-0014";
    ThirdCode = maker + "-9999";
    MinimRoztec = "0.075";
    LoadCaptions();
    for (std::size_t i = 0; i < RowFormats.size(); ++i)
        RowFormats[i] = kRowFormats[i];
    Colours = {0x4000FF, 0x40FFFF, 0xD2FFD2, inactiveBorder, 0x808080};
}

void AppSettings::LoadCaptions()
{
    Captions = {LoadText(IDS_CAPTION_ERROR), LoadText(IDS_CAPTION_WARNING), LoadText(IDS_CAPTION_QUESTION)};
}

void AppSettings::ReadInstallDir()
{
    CString key;
    key.Format("SOFTWARE\\%s\\%s", Profile::RegistryKey().GetString(), Profile::ProfileName().GetString());
    InstallDir = ReadRegistryString(HKEY_LOCAL_MACHINE, key, "InstallDir");
}

void AppSettings::ReadSettings()
{
    ProCAD = ReadInt("ProCAD", 120);
    ProKonstrukci = ReadInt("ProKonstrukci", 0);
    KontrolaPloch = ReadInt("KontrolaPloch", 1);
    PrivodVTezeMi = ReadInt("PrivodVTezeMi", 0);
    StenovDoVysky = double(UINT(ReadInt("StenovDoVysky", 2200)));
    StenovOdPodlah = double(UINT(ReadInt("StenovOdPodlah", 100)));
    StenovVnitRoh = double(UINT(ReadInt("StenovVnitRoh", 200)));
    StenovVnejRoh = double(UINT(ReadInt("StenovVnejRoh", 100)));
    StenovParapet = double(UINT(ReadInt("StenovParapet", 900)));
    ReadNumber("KritPomerCizi", KritPomerCizi);
    ReadNumber("MaxTokOkruhem", MaxTokOkruhem);
    MinimSigmaSten = 3.0;
    ReadNumber("MinimSigmaSten", MinimSigmaSten);
    MinimSigmaPodl = 3.0;
    ReadNumber("MinimSigmaPodl", MinimSigmaPodl);
    ReadNumber("MinDifVratOdTi", MinDifVratOdTi);
    ReadNumber("MaxTlakZtrata", MaxTlakZtrata);
    ReadNumber("MaxDelkaOkruhu", MaxDelkaOkruhu);
    ReadNumber("ZakladSigma", ZakladSigma);
    ReadNumber("MinDifSigma", MinDifSigma);
    ReadNumber("MinDifChybi", MinDifChybi);
    const CString pipe = Profile::GetString(kSection, "KodTopTrub", KodTopTrub);
    if (!pipe.IsEmpty())
        KodTopTrub = pipe;
    const CString system = ReadText("KodSysPodl");
    if (!system.IsEmpty() && system.Find("9001") >= 0)
        KodSysPodl = system;
    const CString spacing = Profile::GetString(kSection, "MinimRoztec", MinimRoztec);
    if (!spacing.IsEmpty())
        MinimRoztec = spacing;
}

void AppSettings::ReadPaths()
{
    PathList = ReadText("PathList");
    PathEdit = ReadText("PathEdit");
    PathData = ReadText("PathData");
    PathDump = ReadText("PathDump");
    PathBase = ReadText("PathBase");
    UserFirm = ReadText("UserFirm");
    UserBase = ReadText("UserBase");
    UserName = ReadText("UserName");
    for (CString* folder : {&PathList, &PathEdit, &PathData})
        if (folder->IsEmpty())
            *folder = InstallDir;
    if (PathDump.IsEmpty())
        PathDump = TemporaryFolder();
    // A new project's working copy lies in the user's data folder, never beside the program.
    if (PathBase.IsEmpty())
        PathBase = JoinPath(CString(Profile::DataFolder()), LoadText(IDS_NEW_PROJECT_NAME) + ".kzn");
}

void AppSettings::WriteSettings() const
{
    WriteCadChoice();
    WriteInt("ProKonstrukci", ProKonstrukci);
    WriteInt("KontrolaPloch", KontrolaPloch);
    WriteInt("PrivodVTezeMi", PrivodVTezeMi);
    WriteWallMargins();
    WriteText("MinimRoztec", MinimRoztec);
    WriteText("KodTopTrub", KodTopTrub);
    WriteText("KodSysPodl", KodSysPodl);
    WriteNumber("KritPomerCizi", KritPomerCizi);
    WriteNumber("MaxTokOkruhem", MaxTokOkruhem);
    WriteNumber("MaxTlakZtrata", MaxTlakZtrata);
    WriteNumber("MaxDelkaOkruhu", MaxDelkaOkruhu);
    WriteNumber("ZakladSigma", ZakladSigma);
    WriteNumber("MinDifSigma", MinDifSigma);
    WriteNumber("MinDifChybi", MinDifChybi);
    WriteNumber("MinDifVratOdTi", MinDifVratOdTi);
    WriteText("Language", Language);
    WriteText("PathList", PathList);
    WriteText("PathEdit", PathEdit);
    WriteText("PathData", PathData);
    WriteText("PathBase", PathBase);
    WriteText("PathDump", PathDump);
    WriteText("UserFirm", UserFirm);
    WriteText("UserBase", UserBase);
    WriteText("UserName", UserName);
    WriteNumber("MinimSigmaSten", MinimSigmaSten);
    WriteNumber("MinimSigmaPodl", MinimSigmaPodl);
}

void AppSettings::WriteCadChoice() const
{
    WriteInt("ProCAD", ProCAD);
}

void AppSettings::WriteWallMargins() const
{
    WriteInt("StenovDoVysky", int(std::trunc(StenovDoVysky)));
    WriteInt("StenovOdPodlah", int(std::trunc(StenovOdPodlah)));
    WriteInt("StenovVnitRoh", int(std::trunc(StenovVnitRoh)));
    WriteInt("StenovVnejRoh", int(std::trunc(StenovVnejRoh)));
    WriteInt("StenovParapet", int(std::trunc(StenovParapet)));
}

bool AppSettings::AnyAreaModified() const
{
    for (int flag = BasicData; flag < FlagCount; ++flag)
        if (Modified[flag])
            return true;
    return false;
}

void AppSettings::ClearAreaFlags()
{
    for (int flag = BasicData; flag < FlagCount; ++flag)
        Modified[flag] = 0;
}
