#pragma once
// The program's settings and shared values: the calculation settings and folders kept in the
// profile section "Settings", the fixed start values, the message captions, the row formats,
// the colours and the project-modified flags. One process-wide object (AppSettings::Get());
// the application object holds it, the calculation libraries read it without windows.

#include "platform/core/CString.h"

#include <array>

class AppSettings
{
public:
    // Settings read at start and written at exit, under their profile value names.
    int ProCAD = 120; // CAD code: 120 no CAD, 121 to 129 one CAD program each
    int ProKonstrukci = 0;
    int KontrolaPloch = 1;
    int PrivodVTezeMi = 0;
    double StenovDoVysky = 2200; // mm
    double StenovOdPodlah = 100; // mm
    double StenovVnitRoh = 200;  // mm
    double StenovVnejRoh = 100;  // mm
    double StenovParapet = 900;  // mm
    double KritPomerCizi = 0.95;
    double MaxTokOkruhem = 240.0; // kg/h
    double MinimSigmaSten = 3.0;  // K
    double MinimSigmaPodl = 3.0;  // K
    double MinDifVratOdTi = 0.1;  // K
    double MaxTlakZtrata = 0.0;   // Pa, 0 when not set
    double MaxDelkaOkruhu = 160.0; // m
    double ZakladSigma = 5.0;      // K
    double MinDifSigma = 3.0;      // K
    double MinDifChybi = 10.0;
    CString KodTopTrub;  // "9001-0004"
    CString KodSysPodl;  // "9001-0014"
    CString MinimRoztec; // pipe spacing in metres, as text: "0.075"
    CString PathList;    // folder of the product catalogues
    CString PathEdit;    // the data editor program
    CString PathData;    // folder of the catalogue workbook and the project template
    CString PathDump;    // folder for work files
    CString PathBase;    // the current project's working copy
    CString UserFirm;
    CString UserBase;
    CString UserName;
    CString Language = "Cz"; // written at exit only

    // The working copy of the open project, kept between runs as "PathBase".
    CString& CurrentProjectPath() { return PathBase; }

    // Options of the settings sheet, not stored.
    int CheckRooms = 0;
    int CheckWalls = 0;
    int CheckOpenings = 0;
    int RoundRoomLoss = 0;           // round the room loss by ČSN 06 0210, clause 5.3
    int StartFloorWithSettings = 1;  // start the floor design with its settings panel
    int SkipFloorSettings = 1;       // the floor design skips its settings dialog
    int FloorDesignFlag = 1;
    int RangeMessages = 1;           // the floor tables report arguments outside their range

    // Fixed start values.
    double DesignFlowTemperature = 50.0;   // °C
    double DesignReturnTemperature = 45.0; // °C
    double DefaultMeanTemperatureDifference = -1.0;
    double StartValue60 = 60.0;
    double HighestRoomTemperature = -273.0; // °C, of the rooms in the wall design
    double WallTemperatureDrop = 8.0;       // K, supply less return of the wall heating
    double FloorFactor = 1.03;
    int FloorOptionA = 1;
    int FloorOptionB = 0;
    double CadLineThickness = 0.3;
    COLORREF CadLineColour = 0x1EE696;
    HICON CadIcon = nullptr;
    CString CadModule; // the bridge module of the chosen CAD program
    int MakerNumber = 9001;
    int StartInteger = 0;
    CString TemperaturePair = "45#40"; // supply#return of the changed conditions
    std::array<CString, 4> StartTexts;
    CString ThirdCode; // "9001-9999", the default wall system code
    CString MakerText; // an emptied text member

    std::array<CString, 3> Captions;  // error, warning, question
    std::array<CString, 8> RowFormats;
    std::array<COLORREF, 5> Colours{};

    // Project-modified flags: the general one and the five areas.
    enum ModifiedFlag { General, BasicData, InputData, FloorArea, WallArea, SizingArea, FlagCount };
    std::array<int, FlagCount> Modified{};

    CString InstallDir;       // installation folder, default of three folders
    CString ProjectInfoPath;  // from the command line
    CString CommandLineFile;  // the file named on the command line

    static AppSettings& Get();

    // Start values, captions, row formats and colours (the system colour of inactive
    // borders is the caller's: this library has no windows).
    void SetStartValues(COLORREF inactiveBorder);
    // The three message captions from the string table (again once the language is chosen).
    void LoadCaptions();
    // The installation folder from the machine's registry.
    void ReadInstallDir();
    void ReadSettings();
    void ReadPaths();
    void WriteSettings() const;
    // The CAD choice alone, written when it is chosen.
    void WriteCadChoice() const;
    // The five wall heating margins alone, written when the wall design is confirmed.
    void WriteWallMargins() const;

    const CString& ErrorCaption() const { return Captions[0]; }
    const CString& WarningCaption() const { return Captions[1]; }
    const CString& QuestionCaption() const { return Captions[2]; }

    // The highest pressure loss of a floor circuit in Pa: MaxTlakZtrata, or 20000 when it
    // was never set (0 or less).
    double EffectiveMaxTlakZtrata() const { return MaxTlakZtrata > 0.0 ? MaxTlakZtrata : 20000.0; }

    bool AnyAreaModified() const;
    void ClearAreaFlags();
};
