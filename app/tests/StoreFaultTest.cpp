// Every store that replaces a sheet of the project, run through the program's commands on an
// opened project, with the faults a designer's machine meets: a disk that refuses the write (a
// file-size limit), a value longer than a workbook cell, and the program killed half-way. The
// working copy then holds the old sheet or the new one, never an empty one; a failure is shown
// and its dialog stays open. Workbooks are read back with python3-xlrd.

#include "MekrFixture.h"

#include "../../hydraulics/tests/HydraulicsFixtures.h"
#include "app/CMekrDoc.h"
#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "common/ProjectFiles.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/dialogs/CBilanceMatPodlah.h"
#include "floorwall/dialogs/CNavrhPodlahovky.h"
#include "floorwall/dialogs/CNavrhStenovky.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "floorwall/dialogs/WallDesignIds.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/CVysledky.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "hydraulics/CDimenzUsek.h"
#include "hydraulics/dialogs/CTelesa.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "hydraulics/ui/CDimenzRozvodu.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/FileOps.h"
#include "platform/dao/tests/DebianPython.h"
#include "platform/ui/CListCtrl.h"
#include "testing/FileSizeLimit.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int kInputGridDialog = 249; // the heat-loss input table
const char* const kNumber = "Číslo                Místnosti";

// A text longer than a workbook cell holds (32,767 characters).
CString TooLongText()
{
    return CString(std::string(40000, 'x'));
}

// What the store's dialog meets when its store button is pressed.
enum class Fault
{
    None,
    FullAtFirstWrite,
    FullAtLastWrite,
    TooLongValue
};

class StoreFaultTest;

// One store as the user reaches it: the command, the dialog that stores, the press that
// stores, and where a value too long for a cell would come from.
struct StoreCase
{
    const char* name;
    // Runs the command; at the dialog that stores calls atDialog, then closes what is open.
    void (*run)(StoreFaultTest& test, const std::function<void(CDialog&)>& atDialog);
    void (*press)(CDialog& dialog);
    void (*poison)(CDialog& dialog);
    // The dialog ends when its store succeeded (the floor design's "Uložení dat" does not).
    bool closesWhenStored;
};

class StoreFaultTest : public MekrFixture
{
public:
    void SendCommand(UINT id) { Command(id); }
    CMekrDoc& Document() const { return *dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument()); }
    // The error boxes shown since the test last forgot what was shown.
    static std::vector<CString> Errors()
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            if (box.caption == "kalvenrod - chyba")
                texts.push_back(box.text);
        return texts;
    }

protected:
    CString m_project;    // the project file
    CString m_working;    // its working copy
    QTemporaryDir m_keep; // states of the working copy kept by the test

    void SetUp() override
    {
        MekrFixture::SetUp();
        QDir(m_folder.path()).mkpath("akce");
        ASSERT_TRUE(Start());
        AppSettings& settings = AppSettings::Get();
        settings.PathList = KALVENROD_BIN_DIR;
        settings.PathData = KALVENROD_BIN_DIR;
        settings.MinimRoztec = "0.075";
        settings.KodTopTrub = "9001-0004";
        settings.StartFloorWithSettings = 0;
        MakeProject();
        OpenProject();
        ASSERT_EQ(settings.CurrentProjectPath(), m_working);
        ScriptedAnswers::Reset();
    }
    void TearDown() override
    {
        AppSettings::Get().Modified.fill(0);
        ScriptedAnswers::Reset();
        MekrFixture::TearDown();
    }

    // The project as the earlier steps left it: the header, rooms with walls and windows, the
    // heating design with radiators and floor and wall circuits, a distribution of three
    // sections and both bills.
    void MakeProject()
    {
        m_project = CString(FolderPath("akce") + "/Dům.kzn");
        m_working = CString(FolderPath("akce") + "/Dům.XLS");
        ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", QString::fromStdString(m_project.str())));
        QFile::setPermissions(QString::fromStdString(m_project.str()), QFile::ReadOwner | QFile::WriteOwner);
        const std::pair<const char*, const char*> header[] = {
            {"Název zakázky", "Rodinný dům Novák"}, {"Zakázkové číslo", "Z-17"},  {"Venkovní teplota", "-15"},
            {"ChČ budovy", "6"},                    {"Typ budovy", "1"},         {"Teplotní spád", "45.0#40.0"},
            {"SIGMA_STENOVKY", "50.0#42.0"}};
        for (const auto& [column, value] : header)
            WriteHeaderCell(m_project, column, value);
        AppendRows(m_project, "SeznamV$",
                   {{{kNumber, "1.01"}, {"NázevM", "Obývací pokoj"}, {"TeplotaM", "20"}, {"Délka", "5000"},
                     {"Šířka", "4000"}, {"Výška", "2600"}, {"Počet Otvorů", "1"}, {"Výměna vzduchu", "5"},
                     {"Světová strana", "J"}},
                    {{"NázevM", "SO "}, {"Šířka", "5000"}, {"Výška", "2600"}, {"Rozdíl teplot", "35"},
                     {"souč_K", "0.3"}, {"délka spáry", "1"}},
                    {{"NázevM", "OJ "}, {"Šířka", "1500"}, {"Výška", "1500"}, {"Počet Otvorů", "2"},
                     {"souč_K", "1.2"}, {"souč_I", "1.4"}, {"délka spáry", "6000"}},
                    {{kNumber, "1.02"}, {"NázevM", "Koupelna"}, {"TeplotaM", "24"}, {"Délka", "3000"},
                     {"Šířka", "2000"}, {"Výška", "2600"}, {"Počet Otvorů", "1"}, {"Výměna vzduchu", "10"},
                     {"Světová strana", "S"}},
                    {{"NázevM", "SO "}, {"Šířka", "3000"}, {"Výška", "2600"}, {"Rozdíl teplot", "39"},
                     {"souč_K", "0.3"}, {"délka spáry", "1"}}});
        std::vector<RowCells> design = ProjectRows();
        design.pop_back(); // the row without a kind
        design[3].push_back({"TlakZtráta", "8500"});
        for (int circuit : {3, 4, 5, 7})
            design[circuit].push_back({"Rozdělovač", "1"});
        AppendRows(m_project, "SeznamM$", design);
        AppendRows(m_project, "DimenzSegm$",
                   {{{"Pořadí", "1"}, {"Hladina", "1"}, {"Označení", "kotel"}, {"Hmot_Průtok", "300.000"},
                     {"Délka trubky", "4.0"}},
                    {{"Pořadí", "2"}, {"Hladina", "2"}, {"Označení", "přízemí"}, {"Hmot_Průtok", "180.000"},
                     {"Délka trubky", "12.5"}},
                    {{"Pořadí", "3"}, {"Hladina", "2"}, {"Označení", "patro"}, {"Hmot_Průtok", "120.000"},
                     {"Délka trubky", "9.0"}}});
        for (const char* bill : {"MateriPodlah$", "MateriStenov$"})
            AppendRows(m_project, bill,
                       {{{"Pořadí", "001"}, {"Kód položky", "9001-0004"}, {"Název", "trubka"}, {"Množství", "120"},
                         {"Mj", "m"}},
                        {{"Pořadí", "002"}, {"Kód položky", "9001-0101"}, {"Název", "rozdělovač"},
                         {"Množství", "1"}, {"Mj", "ks"}}});
    }

    void OpenProject()
    {
        ScriptedAnswers::AnswerCommonDialog(IDOK, m_project);
        Command(ID_FILE_OPEN);
    }

    // Every sheet of a workbook as xlrd reads it, one line a row; "?" when it does not read.
    static std::vector<std::string> Dumps(const std::vector<CString>& workbooks)
    {
        QStringList paths;
        for (const CString& workbook : workbooks)
            paths << QString::fromStdString(workbook.str());
        const std::string out = RunPython(R"(
import sys, xlrd
for path in sys.argv[1:]:
    try:
        book = xlrd.open_workbook(path)
        for sheet in book.sheets():
            print("[" + sheet.name + "]")
            for r in range(sheet.nrows):
                print("\t".join(repr(v) for v in sheet.row_values(r)))
    except Exception as e:
        print("?", e)
    print("=====")
)",
                                          paths);
        std::vector<std::string> dumps;
        std::string::size_type start = 0;
        for (auto end = out.find("=====\n"); end != std::string::npos; end = out.find("=====\n", start))
        {
            dumps.push_back(out.substr(start, end - start));
            start = end + 6;
        }
        return dumps;
    }
    static std::string Dump(const CString& workbook) { return Dumps({workbook}).at(0); }
    // The rows of one sheet in a dump.
    static std::string SheetOf(const std::string& dump, const char* sheet)
    {
        const std::string head = std::string("[") + sheet + "]\n";
        const auto start = dump.find(head);
        if (start == std::string::npos)
            return "<no sheet>";
        const auto end = dump.find("\n[", start + head.size());
        return dump.substr(start + head.size(), end == std::string::npos ? std::string::npos : end + 1 - start - head.size());
    }

    CString Scratch() const { return CString(FolderPath("akce") + "/Dům$.xls"); }
    CString Kept(const char* name) const { return CString(m_keep.filePath(name).toStdString()); }
    static void CopyOver(const CString& from, const CString& to)
    {
        QFile::remove(QString::fromStdString(to.str()));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(from.str()), QString::fromStdString(to.str())));
    }
    static qint64 SizeOf(const CString& path) { return QFileInfo(QString::fromStdString(path.str())).size(); }
    static QByteArray Bytes(const CString& path)
    {
        QFile file(QString::fromStdString(path.str()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The working copy as the test kept it, nothing beside it.
    void RestoreWorkingCopy(const char* kept)
    {
        CopyOver(Kept(kept), m_working);
        QFile::remove(QString::fromStdString(Scratch().str()));
        AppSettings::Get().Modified.fill(0);
    }

    // The store pressed in its dialog with the fault; true when the dialog was still open after.
    bool Store(const StoreCase& c, Fault fault, rlim_t lastWriteLimit = 0)
    {
        bool reached = false, open = false;
        c.run(*this, [&](CDialog& d) {
            reached = true;
            if (fault == Fault::TooLongValue)
                c.poison(d);
            if (fault == Fault::FullAtFirstWrite || fault == Fault::FullAtLastWrite)
            {
                FileSizeLimit limit(fault == Fault::FullAtFirstWrite ? 1024 : lastWriteLimit);
                c.press(d);
            }
            else
                c.press(d);
            open = d.GetModalResult() == -1;
        });
        EXPECT_TRUE(reached) << c.name;
        return open;
    }

    // The store pressed in a child process that is killed after the delay (never when the
    // delay is negative); the time the child ran. The dialog itself stays as it was.
    static std::chrono::microseconds StoreInAChild(const StoreCase& c, CDialog& d, std::chrono::microseconds delay)
    {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0)
        {
            c.press(d);
            ::_exit(0);
        }
        EXPECT_GT(child, 0);
        // A store left to end gets a minute.
        const auto deadline = start + (delay.count() >= 0 ? delay : std::chrono::microseconds(60'000'000));
        int status = 0;
        while (child > 0 && ::waitpid(child, &status, WNOHANG) == 0)
        {
            if (std::chrono::steady_clock::now() >= deadline)
            {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                EXPECT_GE(delay.count(), 0) << "the store did not end";
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    }
};

// ---- the stores, as the user reaches them ------------------------------------------------

// A dialog of the command: atDialog at its start, then it ends as the test leaves it.
void AtDialog(UINT dialog, const std::function<void(CDialog&)>& atDialog)
{
    ScriptedAnswers::OnDialog(dialog, [atDialog](CDialog& d) {
        atDialog(d);
        return IDCANCEL;
    });
}

void Click(CDialog& d, int id)
{
    UiTest::Click(d.GetDlgItem(id));
}

void PressOk(CDialog& d)
{
    Click(d, IDOK);
}

const StoreCase kInput = {
    "vstupní data (SeznamV)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(kInputGridDialog, atDialog);
        t.SendCommand(ID_INPUT_DATA);
    },
    PressOk,
    [](CDialog& d) { static_cast<CDataGridDialog&>(d).m_Grid.SetItemText(2, 2, TooLongText()); },
    true};

const StoreCase kResults = {
    "výsledky, Uložit (SeznamM)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(IDD_VYSLEDKY, atDialog);
        t.SendCommand(ID_HEAT_LOSS);
    },
    [](CDialog& d) {
        ScriptedAnswers::AnswerBox(IDYES); // the sheet holds a design: overwrite it
        Click(d, IDC_RESULTS_SAVE);
    },
    [](CDialog& d) { static_cast<CVysledky&>(d).List().SetItemText(0, 2, TooLongText()); },
    true};

const StoreCase kSplit = {
    "dělení ztrát (SeznamM, Teplotní spád)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(IDD_TELESA, atDialog);
        t.SendCommand(ID_SPLIT_LOSSES);
    },
    PressOk,
    [](CDialog& d) { static_cast<CTelesa&>(d).m_split.SetText(1, "NázevM", TooLongText()); },
    true};

const StoreCase kFloor = {
    "podlahové vytápění, Uložení dat (SeznamM)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(IDD_NAVRH_PODLAHOVKY, atDialog);
        t.SendCommand(ID_FLOOR_DESIGN);
    },
    [](CDialog& d) { Click(d, IDC_NP_SAVE); },
    [](CDialog& d) { static_cast<CNavrhPodlahovky&>(d).m_design.m_rooms.at(0)->m_strName = TooLongText(); },
    false};

const StoreCase kWall = {
    "stěnové vytápění (SeznamM, SIGMA_STENOVKY)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(IDD_NAVRH_STENOVKY, atDialog);
        t.SendCommand(ID_WALL_DESIGN);
    },
    [](CDialog& d) { Click(d, IDC_WALL_DESIGN_OK); },
    [](CDialog& d) { static_cast<CNavrhStenovky&>(d).m_rooms.at(0)->m_strName = TooLongText(); },
    true};

// The bill of a design: its "Materiál" pressed in the design dialog.
void RunBill(StoreFaultTest& t, UINT command, UINT design, int materials, const std::function<void(CDialog&)>& atDialog)
{
    ScriptedAnswers::OnDialog(design, [materials, atDialog](CDialog& d) {
        // The floor bill asks for the manifold equipment first.
        ScriptedAnswers::OnDialog(IDD_DOTAZ_VYBAVENI, [](CDialog& equipment) {
            Click(equipment, IDC_DV_OK);
            return IDCANCEL;
        });
        AtDialog(IDD_BILANCE_MAT, atDialog);
        Click(d, materials);
        return IDCANCEL;
    });
    t.SendCommand(command);
}

void PoisonBill(CDialog& d)
{
    static_cast<CBilanceMatPodlah&>(d).m_grid.SetItemText(1, CBilanceMatPodlah::ColNazev, TooLongText());
}

const StoreCase kWallBill = {
    "bilance stěnového vytápění (MateriStenov)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        RunBill(t, ID_WALL_DESIGN, IDD_NAVRH_STENOVKY, IDC_WALL_MATERIAL, atDialog);
    },
    PressOk, PoisonBill, true};

const StoreCase kFloorBill = {
    "bilance podlahového vytápění (MateriPodlah)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        RunBill(t, ID_FLOOR_DESIGN, IDD_NAVRH_PODLAHOVKY, IDC_NP_MATERIALS, atDialog);
    },
    PressOk, PoisonBill, true};

const StoreCase kSizing = {
    "dimenzování rozvodů (DimenzSegm)",
    [](StoreFaultTest& t, const std::function<void(CDialog&)>& atDialog) {
        AtDialog(IDD_DIMENZ_ROZVODU, atDialog);
        t.SendCommand(ID_DISTRIBUTION_SIZING);
    },
    PressOk,
    [](CDialog& d) { static_cast<CDimenzRozvodu&>(d).FirstRoot()->m_strDesignation = TooLongText(); },
    true};

const StoreCase* const kStores[] = {&kInput, &kResults, &kSplit, &kFloor, &kFloorBill, &kWall, &kWallBill, &kSizing};

// ---- the faults ---------------------------------------------------------------------------

// A store that fails on the way (the disk refuses its first or its last write, or a value is
// longer than a cell) shows its failure, keeps its dialog open and leaves the working copy
// exactly as it was; the same store without the fault puts the new sheet in place.
TEST_F(StoreFaultTest, AFailedStoreKeepsTheOldSheetAndTheDialogOpen)
{
    CopyOver(m_working, Kept("old.xls"));
    const std::string old = Dump(m_working);
    const struct
    {
        Fault fault;
        const char* name;
    } faults[] = {{Fault::FullAtFirstWrite, "disk full at the first write"},
                  {Fault::FullAtLastWrite, "disk full at the last write"},
                  {Fault::TooLongValue, "a value longer than a cell"}};
    for (const StoreCase* store : kStores)
    {
        SCOPED_TRACE(store->name);
        RestoreWorkingCopy("old.xls");
        ScriptedAnswers::ForgetShown();
        const bool openAfterStore = Store(*store, Fault::None);
        EXPECT_EQ(openAfterStore, !store->closesWhenStored);
        EXPECT_EQ(Errors(), std::vector<CString>{});
        // The store changed the project: closing asks about it.
        EXPECT_TRUE(Document().IsModified());
        const rlim_t lastWrite = rlim_t(SizeOf(m_working) - 1);
        EXPECT_FALSE(FileOps::Exists(Scratch().str().c_str()));
        for (const auto& f : faults)
        {
            SCOPED_TRACE(f.name);
            RestoreWorkingCopy("old.xls");
            const QByteArray before = Bytes(m_working);
            ScriptedAnswers::ForgetShown();
            EXPECT_TRUE(Store(*store, f.fault, lastWrite));
            const std::vector<CString> errors = Errors();
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_GT(errors[0].Find(" se nepodařilo uložit do souboru " + m_working + ". Projekt zůstává takový"), 0)
                << errors[0].Left(300).GetString();
            EXPECT_TRUE(Bytes(m_working) == before);
            EXPECT_EQ(Dump(m_working), old);
            EXPECT_FALSE(FileOps::Exists(Scratch().str().c_str()));
        }
    }
}

// A store killed at many points on its way leaves the working copy with the old sheet or the
// new one, never an empty one. The next run opens the project again: "No" to the question
// about the working copy left behind keeps it aside (it too holds the old sheet or the new) and
// works in a fresh copy of the project file, and the scratch workbook the killed store left
// goes at the next store without a question.
TEST_F(StoreFaultTest, AStoreKilledHalfWayLeavesTheOldSheetOrTheNew)
{
    constexpr int kKills = 12;
    CopyOver(m_working, Kept("old.xls"));
    const CString keptAside = CString(FolderPath("akce") + "/Dům (1).XLS");
    for (const StoreCase* store : kStores)
    {
        SCOPED_TRACE(store->name);
        // One store left to end, then one killed at each point of its way, every one from the
        // old working copy.
        std::vector<CString> states = {Kept("old.xls"), Kept("new.xls")};
        bool scratchLeft = false;
        std::chrono::microseconds whole{};
        store->run(*this, [&](CDialog& d) {
            RestoreWorkingCopy("old.xls");
            whole = StoreInAChild(*store, d, std::chrono::microseconds(-1));
            CopyOver(m_working, Kept("new.xls"));
            for (int k = 0; k < kKills; ++k)
            {
                RestoreWorkingCopy("old.xls");
                StoreInAChild(*store, d, whole * (2 * k + 1) / (2 * kKills));
                states.push_back(Kept(("zabito-" + std::to_string(k) + ".xls").c_str()));
                CopyOver(m_working, states.back());
                if (!scratchLeft && FileOps::Exists(Scratch().str().c_str()))
                {
                    scratchLeft = true;
                    CopyOver(m_working, Kept("pad.xls"));
                    CopyOver(Scratch(), Kept("pad$.xls"));
                }
            }
            RestoreWorkingCopy("old.xls");
        });
        const std::vector<std::string> dumps = Dumps(states);
        ASSERT_EQ(dumps.size(), states.size());
        EXPECT_NE(SheetOf(dumps[1], "DataAkce"), "<no sheet>");
        for (size_t i = 2; i < dumps.size(); ++i)
            EXPECT_TRUE(dumps[i] == dumps[0] || dumps[i] == dumps[1]) << "killed at " << (i - 2) << " of " << kKills
                                                                      << ":\n" << dumps[i];

        // The next run, after a crash that left the scratch workbook (else the last kill's).
        if (scratchLeft)
        {
            CopyOver(Kept("pad.xls"), m_working);
            CopyOver(Kept("pad$.xls"), Scratch());
        }
        const std::string crashed = Dump(m_working);
        ProjectFiles::Forget(m_working);
        AppSettings::Get().Modified.fill(0);
        ScriptedAnswers::Reset();
        ScriptedAnswers::AnswerBox(IDNO);
        OpenProject();
        const std::vector<MessageBoxRequest>& boxes = ScriptedAnswers::ShownBoxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes[0].text, "Soubor " + m_working + " už existuje (může obsahovat neuloženou práci). Přepsat?");
        EXPECT_EQ(Dump(keptAside), crashed);
        EXPECT_TRUE(crashed == dumps[0] || crashed == dumps[1]);
        EXPECT_TRUE(Bytes(m_working) == Bytes(m_project));
        EXPECT_EQ(AppSettings::Get().CurrentProjectPath(), m_working);
        ScriptedAnswers::ForgetShown();
        Store(*store, Fault::None);
        for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
            EXPECT_EQ(box.text.Find("Přepsat?"), -1) << box.text.GetString();
        EXPECT_EQ(Errors(), std::vector<CString>{});
        EXPECT_FALSE(FileOps::Exists(Scratch().str().c_str()));
        QFile::remove(QString::fromStdString(keptAside.str()));
    }
}

// The gradient set in the heating-type split is the project's from then on: its OK writes it
// into the project header, and the floor design opened next designs with it.
TEST_F(StoreFaultTest, TheSplitsGradientHoldsForTheFloorDesign)
{
    const auto leave = [](CDialog& d, int field, const char* text, int next) {
        d.GetDlgItem(field)->SetFocus();
        d.SetDlgItemText(field, text);
        d.GetDlgItem(next)->SetFocus();
    };
    ScriptedAnswers::OnDialog(IDD_TELESA, [&](CDialog& d) {
        ScriptedAnswers::OnDialog(IDD_TOPNE_MEDIUM, [&](CDialog& medium) {
            leave(medium, IDC_INLET, "60", IDC_OUTLET);
            leave(medium, IDC_OUTLET, "48", IDC_INLET);
            Click(medium, IDOK);
            return IDCANCEL;
        });
        Click(d, IDC_GRADIENT);
        Click(d, IDOK);
        return IDCANCEL;
    });
    SendCommand(ID_SPLIT_LOSSES);
    EXPECT_EQ(Errors(), std::vector<CString>{});
    EXPECT_EQ(HeaderCell(m_working, "Teplotní spád"), "60.0#48.0");
    EXPECT_TRUE(AppSettings::Get().Modified[AppSettings::General]);

    double flow = 0.0, ret = 0.0;
    ScriptedAnswers::OnDialog(IDD_NAVRH_PODLAHOVKY, [&](CDialog&) {
        flow = AppSettings::Get().DesignFlowTemperature;
        ret = AppSettings::Get().DesignReturnTemperature;
        return IDCANCEL;
    });
    SendCommand(ID_FLOOR_DESIGN);
    EXPECT_EQ(flow, 60.0);
    EXPECT_EQ(ret, 48.0);
}
} // namespace
