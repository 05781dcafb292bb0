// The constructions dialog driven off screen on a catalogue of its own: choosing a construction,
// composing a new one from materials, changing one, deleting layers and constructions, and what
// reaches the catalogue workbook.
#include "InputDialogFixture.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "heatloss/CatalogueRows.h"
#include "heatloss/UserConstruction.h"
#include "heatloss/WallEntry.h"
#include "heatloss/dialogs/CWall_K.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using Row = std::map<std::string, std::string>;

std::string Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

bool Shown(CWnd& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowVisible() != 0;
}

bool Enabled(CWnd& dialog, int id)
{
    return dialog.GetDlgItem(id)->IsWindowEnabled() != 0;
}

CPoint CellCentre(CGridCtrl& grid, int row, int col)
{
    grid.EnsureVisible(row, col);
    CRect rect;
    grid.GetCellRect(row, col, &rect);
    return rect.CenterPoint();
}

void ClickRow(CFmtGridCtrl& grid, int row)
{
    const CPoint point = CellCentre(grid, row, 1);
    UiTest::MouseDown(&grid, point);
    UiTest::MouseUp(&grid, point);
}

// The data row whose column holds the text; -1 when none does.
int FindRow(CFmtGridCtrl& grid, const char* column, const char* text)
{
    const int col = grid.FindColumn(column);
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        if (grid.GetItemText(row, col) == text)
            return row;
    return -1;
}

// A double click on a material, then its thickness typed into the layer and Enter.
void AddMaterial(CWall_K& d, const char* item, const char* thickness)
{
    const int row = FindRow(d.m_GridM, "Položka", item);
    ASSERT_GT(row, 0) << item;
    UiTest::DoubleClick(&d.m_GridM, CellCentre(d.m_GridM, row, 1));
    UiTest::TypeText(thickness);
    UiTest::PressKey(VK_RETURN);
}

// A click near the left edge, where a radio button's circle is.
void ClickRadio(CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    UiTest::MouseDown(control, CPoint(5, 5));
    UiTest::MouseUp(control, CPoint(5, 5));
}

// "&Hotovo", the one-dimensional method, "&Dopočítat".
void Compute(CWall_K& d)
{
    UiTest::Click(d.GetDlgItem(IDOK));
    ClickRadio(d, IDC_WK_ONE_DIMENSIONAL);
    UiTest::Click(d.GetDlgItem(IDC_WK_COMPUTE));
}

class ConstructionDialogTest : public InputDialogFixture
{
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        m_saved = AppSettings::Get().PathData;
        AppSettings::Get().PathData = m_folder.path().toUtf8().constData();
        ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls", m_folder.filePath("MekrData.xls")));
        QFile(m_folder.filePath("MekrData.xls")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        // Two materials of the hand-worked case and two constructions without a usable U.
        Append("Mekr_MaPa$", {{"Položka", "901"},
                              {"Materiál", "Zkušební A"},
                              {"Objemová hmotnost", "1000"},
                              {"Výpočtová Tepelná vodivost", "0.5"},
                              {"Přestup tepla vnitřní", "0.13"},
                              {"Přestup tepla vnější", "0.04"}});
        Append("Mekr_MaPa$", {{"Položka", "902"},
                              {"Materiál", "Zkušební B"},
                              {"Objemová hmotnost", "100"},
                              {"Výpočtová Tepelná vodivost", "0.05"},
                              {"Přestup tepla vnitřní", "0.13"},
                              {"Přestup tepla vnější", "0.04"}});
        Append("Mekr_StK$", {{"Druh konstrukce", "Nulová"}, {"Označení", "Str"}, {"Prostup tepla", "0"}});
        Append("Mekr_StK$", {{"Druh konstrukce", "Prázdná"}, {"Označení", "Str"}});
        WallEntry::Instance().U = -1.0;
    }
    void TearDown() override
    {
        AppSettings::Get().PathData = m_saved;
        InputDialogFixture::TearDown();
    }

    std::string Catalogue() const { return m_folder.filePath("MekrData.xls").toStdString(); }

    void Append(const char* table, const Row& values)
    {
        CData data;
        ASSERT_TRUE(data.Open(Catalogue().c_str(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable(table, "", 0));
        ASSERT_TRUE(data.AddRow());
        for (const auto& [column, value] : values)
            ASSERT_TRUE(data.SetStringValue(column.c_str(), value.c_str(), -1, 0)) << column;
        data.CloseTable();
        ASSERT_TRUE(data.Flush());
        data.Close();
    }

    // The rows of a sheet that the SQL condition selects, column by column; numbers with the
    // column's decimals, or with as many as asked for.
    std::vector<Row> Read(const char* table, const std::string& where = "", int precision = -1)
    {
        std::vector<Row> rows;
        CData data;
        if (!data.Open(Catalogue().c_str(), "Excel 8.0", 0, 0))
            return rows;
        const std::string sql =
            where.empty() ? "" : "SELECT * FROM [" + std::string(table) + "] WHERE " + where;
        if (!data.OpenTable(table, sql.c_str(), 0))
            return rows;
        for (int r = 0; r < data.m_nRecordCount; ++r)
        {
            Row& row = rows.emplace_back();
            for (int c = 0; c < data.m_nColCount; ++c)
            {
                CString text;
                data.GetStringValue(c, text, r, precision);
                row[data.m_aColNames[c].str()] = text.str();
            }
        }
        return rows;
    }

    // Runs the dialog on the kind with the actions; its result.
    int Run(const char* kind, const std::function<void(CWall_K&)>& actions)
    {
        CWall_K dialog;
        dialog.m_strKind = kind;
        if (m_clock)
            dialog.m_clock = m_clock;
        ScriptedAnswers::OnDialog(IDD_WALL_K,
                                  [&](CDialog& d)
                                  {
                                      actions(static_cast<CWall_K&>(d));
                                      return IDCANCEL;
                                  });
        return int(dialog.DoModal());
    }

    // "&Přidat" on the compact dialog with the name typed into the name dialog.
    static void NewConstruction(CWall_K& d, const char* name)
    {
        ScriptedAnswers::OnDialog(IDD_NAZEV_SKLADBY,
                                  [name](CDialog& n)
                                  {
                                      n.SetDlgItemText(IDC_NAZEV_SKLADBY, name);
                                      UiTest::Click(n.GetDlgItem(IDOK));
                                      return IDCANCEL;
                                  });
        UiTest::Click(d.GetDlgItem(IDC_WK_ADD));
    }

    static std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const auto& box : ScriptedAnswers::ShownBoxes())
            texts.push_back(box.text.str());
        return texts;
    }

    QTemporaryDir m_folder;
    CString m_saved;
    std::function<std::time_t()> m_clock;
};

TEST_F(ConstructionDialogTest, ChoosingAConstructionGivesItsU)
{
    const struct
    {
        const char* kind;
        const char* name;
        int result;
        double U; // in WallEntry afterwards
    } cases[] = {
        {"SO", "Pórobetonové tvárnice P4-500 375 mm, omítnuté", IDOK, 0.342},
        {"Str", "Nulová", IDCANCEL, -1.0},
        {"Str", "Prázdná", IDCANCEL, -1.0},
    };
    for (const auto& c : cases)
    {
        ScriptedAnswers::ForgetShown();
        WallEntry::Instance().U = -1.0;
        int rows = 0;
        const int result = Run(c.kind,
                               [&](CWall_K& d)
                               {
                                   rows = d.m_GridK.GetRowCount() - 1;
                                   ClickRow(d.m_GridK, FindRow(d.m_GridK, "Druh konstrukce", c.name));
                                   UiTest::Click(d.GetDlgItem(IDOK));
                               });
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_DOUBLE_EQ(c.U, WallEntry::Instance().U) << c.name;
        EXPECT_EQ(3, rows) << c.kind;
        if (c.result == IDCANCEL)
            EXPECT_EQ(Boxes(), std::vector<std::string>{"Špatný výběr!\n\nPoložka má nesmyslnou hodnotu!"})
                << c.name;
    }
    // Without a chosen row "&OK" refuses too.
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(IDCANCEL, Run("SO", [](CWall_K& d) { UiTest::Click(d.GetDlgItem(IDOK)); }));
    EXPECT_EQ(1u, ScriptedAnswers::ShownBoxes().size());
}

TEST_F(ConstructionDialogTest, CompactAndExpandedStates)
{
    Run("SO",
        [&](CWall_K& d)
        {
            CRect window, divider;
            d.GetWindowRect(&window);
            d.GetDlgItem(IDC_WK_DIVIDER)->GetWindowRect(&divider);
            EXPECT_EQ(divider.top - window.top, window.Height());
            EXPECT_FALSE(d.m_bExpanded);
            EXPECT_EQ("&OK", Text(d, IDOK).str());
            EXPECT_FALSE(Enabled(d, IDC_WK_UPDATE)) << "until a construction is chosen";
            for (int id : {IDC_WK_LAYERS, IDC_WK_MATERIALS, IDC_WK_COMPUTE, IDC_WK_METHOD_GROUP,
                           IDC_WK_ONE_DIMENSIONAL})
                EXPECT_FALSE(Shown(d, id) || Enabled(d, id)) << id;
            EXPECT_TRUE(Shown(d, IDC_WK_CONSTRUCTIONS) && Enabled(d, IDC_WK_CONSTRUCTIONS));
            ClickRow(d.m_GridK, 1);
            EXPECT_TRUE(Enabled(d, IDC_WK_UPDATE));
            EXPECT_EQ(4, d.m_GridU.GetRowCount()) << "the three layers of the first construction";

            NewConstruction(d, "Nová stěna");
            d.GetWindowRect(&window);
            EXPECT_EQ(d.m_nFullHeight, window.Height());
            EXPECT_TRUE(d.m_bExpanded);
            EXPECT_EQ("&Hotovo", Text(d, IDOK).str());
            EXPECT_FALSE(Enabled(d, IDOK)) << "no layer yet";
            EXPECT_TRUE(Shown(d, IDC_WK_COMPUTE));
            EXPECT_FALSE(Enabled(d, IDC_WK_COMPUTE));
            EXPECT_FALSE(Shown(d, IDC_WK_ADD) || Shown(d, IDC_WK_UPDATE));
            EXPECT_TRUE(Shown(d, IDC_WK_LAYERS) && Shown(d, IDC_WK_MATERIALS));
            EXPECT_FALSE(Shown(d, IDC_WK_METHOD_GROUP) || Shown(d, IDC_WK_ONE_DIMENSIONAL));
            EXPECT_EQ(1, d.m_GridU.GetRowCount());
            // The buttons move down to the row of "&Dopočítat".
            CRect ok, compute;
            d.GetDlgItem(IDOK)->GetWindowRect(&ok);
            d.GetDlgItem(IDC_WK_COMPUTE)->GetWindowRect(&compute);
            EXPECT_EQ(compute.top, ok.top);

            AddMaterial(d, "106", "15");
            EXPECT_TRUE(Enabled(d, IDOK));
            UiTest::Click(d.GetDlgItem(IDOK));
            EXPECT_FALSE(Shown(d, IDOK));
            EXPECT_FALSE(Shown(d, IDC_WK_MATERIALS));
            EXPECT_TRUE(Shown(d, IDC_WK_METHOD_GROUP) && Enabled(d, IDC_WK_ONE_DIMENSIONAL));
            for (int id : {IDC_WK_NOT_ONE_DIMENSIONAL, IDC_WK_APPROXIMATE, IDC_WK_EXACT})
                EXPECT_TRUE(Shown(d, id) && !Enabled(d, id)) << id;
            EXPECT_TRUE(d.IsDlgButtonChecked(IDC_WK_EXACT));
            EXPECT_FALSE(Enabled(d, IDC_WK_COMPUTE));
            ClickRadio(d, IDC_WK_ONE_DIMENSIONAL);
            EXPECT_TRUE(Enabled(d, IDC_WK_COMPUTE));
            EXPECT_EQ(1, d.m_nMethod);
        });
}

// The whole road of a new construction: three layers by double clicks with their thicknesses,
// computed and written; "&OK" on it gives its U.
TEST_F(ConstructionDialogTest, NewConstructionOfThreeLayersIsComputedAndWritten)
{
    const size_t outer = Read("Mekr_StK$", "[Označení]='SO'").size();
    const size_t constructions = Read("Mekr_StK$").size();
    const size_t layers = Read("Mekr_kUsr$").size();
    const std::vector<Row> materials = Read("Mekr_MaPa$");
    const std::vector<Row> places = Read("Mekr_Te$");
    CString key, thickness, density, U;
    bool compact = false;
    const int result = Run("SO",
                           [&](CWall_K& d)
                           {
                               NewConstruction(d, "Zateplená stěna");
                               AddMaterial(d, "106", "12,5"); // the user's decimal comma
                               AddMaterial(d, "103", "300");
                               AddMaterial(d, "111", "140");
                               EXPECT_EQ(4, d.m_GridU.GetRowCount());
                               Compute(d);
                               const int row = d.m_nRowK;
                               key = d.m_GridK.GetItemText(row, d.m_GridK.FindColumn("Odkaz"));
                               thickness = d.m_GridK.GetItemText(row, d.m_GridK.FindColumn("Tloušťka"));
                               density =
                                   d.m_GridK.GetItemText(row, d.m_GridK.FindColumn("Objemová hmotnost"));
                               U = d.m_GridK.GetItemText(row, d.m_GridK.FindColumn("Prostup tepla"));
                               compact = !d.m_bExpanded && !Shown(d, IDC_WK_LAYERS) && Shown(d, IDC_WK_ADD) &&
                                         Text(d, IDOK) == "&OK";
                               ClickRow(d.m_GridK, row);
                               UiTest::Click(d.GetDlgItem(IDOK));
                           });
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(compact);
    const double expectedU = 1.0 / (0.13 + (12.5 / 0.99 + 300 / 0.86 + 140 / 0.039) / 1000.0 + 0.04);
    CString text;
    text.Format("%f", expectedU);
    EXPECT_EQ(text, U);
    EXPECT_EQ("452.500000", thickness.str());
    text.Format("%f", (12.5 * 1850.0 + 300 * 1800.0 + 140 * 25.0) / 452.5);
    EXPECT_EQ(text, density);
    EXPECT_EQ(14, key.GetLength());
    ASSERT_EQ(IDOK, result);
    EXPECT_NEAR(expectedU, WallEntry::Instance().U, 1e-6);

    const std::vector<Row> written = Read("Mekr_StK$", "[Odkaz]='" + key.str() + "'", 6);
    ASSERT_EQ(1u, written.size());
    EXPECT_EQ("Zateplená stěna", written[0].at("Druh konstrukce"));
    EXPECT_EQ("SO", written[0].at("Označení"));
    EXPECT_NEAR(expectedU, std::atof(written[0].at("Prostup tepla").c_str()), 1e-6);
    EXPECT_EQ(outer + 1, Read("Mekr_StK$", "[Označení]='SO'").size());
    EXPECT_EQ(constructions + 1, Read("Mekr_StK$").size());
    const std::vector<Row> composed = Read("Mekr_kUsr$", "[Odkaz]='" + key.str() + "'");
    ASSERT_EQ(3u, composed.size());
    const char* items[] = {"106", "103", "111"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(std::to_string(i + 1), composed[i].at("Pořadí"));
        EXPECT_EQ(items[i], composed[i].at("Položka"));
    }
    EXPECT_EQ("12.5", composed[0].at("Tloušťka"));
    EXPECT_EQ("140.0", composed[2].at("Tloušťka"));
    EXPECT_EQ(layers + 3, Read("Mekr_kUsr$").size());
    EXPECT_EQ(materials, Read("Mekr_MaPa$"));
    EXPECT_EQ(places, Read("Mekr_Te$"));
    const std::string xlrd =
        "/usr/bin/python3 -c \"import sys, xlrd; b = xlrd.open_workbook(sys.argv[1]); "
        "s = b.sheet_by_name('Mekr_kUsr'); "
        "sys.exit(0 if [r for r in range(s.nrows) if s.cell_value(r, 1) == sys.argv[2]] else 1)\" '" +
        Catalogue() + "' " + key.str();
    EXPECT_EQ(0, std::system(xlrd.c_str()));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("MekrData$.xls")));
}

TEST_F(ConstructionDialogTest, TwoLayersOfTheHandWorkedCase)
{
    CString thickness, density, U;
    Run("SO",
        [&](CWall_K& d)
        {
            NewConstruction(d, "Dvě vrstvy");
            AddMaterial(d, "901", "100");
            AddMaterial(d, "902", "50");
            Compute(d);
            thickness = d.m_GridK.GetItemText(d.m_nRowK, d.m_GridK.FindColumn("Tloušťka"));
            density = d.m_GridK.GetItemText(d.m_nRowK, d.m_GridK.FindColumn("Objemová hmotnost"));
            U = d.m_GridK.GetItemText(d.m_nRowK, d.m_GridK.FindColumn("Prostup tepla"));
        });
    EXPECT_EQ("0.729927", U.str());
    EXPECT_EQ("150.000000", thickness.str());
    EXPECT_EQ("700.000000", density.str());
    const std::vector<Row> written = Read("Mekr_StK$", "[Druh konstrukce]='Dvě vrstvy'", 6);
    ASSERT_EQ(1u, written.size());
    EXPECT_NEAR(0.729927, std::atof(written[0].at("Prostup tepla").c_str()), 1e-6);
}

TEST_F(ConstructionDialogTest, ZeroOrNoThicknessIsRefusedAndNothingIsWritten)
{
    const std::string before = Bytes(Catalogue());
    for (const char* typed : {"0", ""})
    {
        ScriptedAnswers::ForgetShown();
        int focusRow = -1, focusColumn = -1, order = 0;
        bool expanded = false;
        Run("SO",
            [&](CWall_K& d)
            {
                NewConstruction(d, "Chybná");
                AddMaterial(d, "106", "15");
                AddMaterial(d, "103", typed);
                Compute(d);
                focusRow = d.m_GridU.GetFocusCell().row;
                focusColumn = d.m_GridU.GetFocusCell().col;
                order = d.m_GridU.FindColumn("Tloušťka");
                expanded = d.m_bExpanded;
            });
        EXPECT_EQ(Boxes(), std::vector<std::string>{"Špatný výběr!\n\nPoložka má nesmyslnou hodnotu!"})
            << typed;
        EXPECT_EQ(2, focusRow) << typed;
        EXPECT_EQ(order, focusColumn) << typed;
        EXPECT_TRUE(expanded);
        EXPECT_EQ(before, Bytes(Catalogue())) << typed;
    }
}

// "&Aktualizovat": another material for the second layer and a fourth layer added.
TEST_F(ConstructionDialogTest, ChangingAConstructionRewritesItsLayers)
{
    const std::string key = "20240115080100";
    const size_t others = Read("Mekr_kUsr$").size() - Read("Mekr_kUsr$", "[Odkaz]='" + key + "'").size();
    bool addShown = false;
    Run("SO",
        [&](CWall_K& d)
        {
            ClickRow(d.m_GridK, FindRow(d.m_GridK, "Odkaz", key.c_str()));
            UiTest::Click(d.GetDlgItem(IDC_WK_UPDATE));
            EXPECT_TRUE(d.m_bExpanded && d.m_bUpdate);
            EXPECT_FALSE(Shown(d, IDC_WK_UPDATE));
            // The first layer is chosen with its material.
            EXPECT_EQ(1, d.m_nRowU);
            int material = -1;
            EXPECT_EQ(1, d.m_GridM.GetSelectedCellRange().GetRowSpan());
            material = d.m_GridM.GetSelectedCellRange().GetMinRow();
            EXPECT_EQ("106", d.m_GridM.GetItemText(material, d.m_GridM.FindColumn("Položka")).str());
            // The name is typed over in the construction's row; its kind is not.
            d.m_GridK.SetFocus();
            d.m_GridK.SetFocusCell(d.m_nRowK, d.m_GridK.FindColumn("Označení"));
            UiTest::TypeText("X");
            EXPECT_FALSE(d.m_GridK.IsItemEditing(d.m_nRowK, d.m_GridK.FindColumn("Označení")));
            d.m_GridK.SetFocusCell(d.m_nRowK, d.m_GridK.FindColumn("Druh konstrukce"));
            UiTest::TypeText("Pórobeton 375");
            UiTest::PressKey(VK_RETURN);
            ClickRow(d.m_GridU, 2);
            AddMaterial(d, "108", "400");
            addShown = Shown(d, IDC_WK_ADD) && Enabled(d, IDC_WK_ADD);
            UiTest::Click(d.GetDlgItem(IDC_WK_ADD)); // a layer of the material chosen last
            UiTest::TypeText("50");
            UiTest::PressKey(VK_RETURN);
            EXPECT_EQ(5, d.m_GridU.GetRowCount());
            Compute(d);
        });
    EXPECT_TRUE(addShown);
    EXPECT_TRUE(Boxes().empty());
    const std::vector<Row> composed = Read("Mekr_kUsr$", "[Odkaz]='" + key + "'");
    ASSERT_EQ(4u, composed.size());
    const char* items[] = {"106", "108", "106", "108"};
    const char* thicknesses[] = {"10.0", "400.0", "10.0", "50.0"};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(std::to_string(i + 1), composed[i].at("Pořadí")) << i;
        EXPECT_EQ(items[i], composed[i].at("Položka")) << i;
        EXPECT_EQ(thicknesses[i], composed[i].at("Tloušťka")) << i;
    }
    EXPECT_EQ(others + 4, Read("Mekr_kUsr$").size());
    const std::vector<Row> changed = Read("Mekr_StK$", "[Odkaz]='" + key + "'", 6);
    ASSERT_EQ(1u, changed.size());
    EXPECT_EQ("Pórobeton 375", changed[0].at("Druh konstrukce"));
    EXPECT_EQ("SO", changed[0].at("Označení"));
    EXPECT_NEAR(470.0, std::atof(changed[0].at("Tloušťka").c_str()), 1e-9);
    const double U = 1.0 / (0.13 + (10 / 0.99 + 400 / 0.21 + 10 / 0.99 + 50 / 0.21) / 1000.0 + 0.04);
    EXPECT_NEAR(U, std::atof(changed[0].at("Prostup tepla").c_str()), 1e-6);
}

// Layers for a construction that had no key: it gets a key of its own, so that another
// construction without a key does not show them.
TEST_F(ConstructionDialogTest, ChangingAConstructionWithoutAKeyGivesItOne)
{
    CString key;
    int otherLayers = -1;
    Run("SN",
        [&](CWall_K& d)
        {
            ClickRow(d.m_GridK, 1);
            UiTest::Click(d.GetDlgItem(IDC_WK_UPDATE));
            AddMaterial(d, "103", "150");
            Compute(d);
            key = d.m_GridK.GetItemText(1, d.m_GridK.FindColumn("Odkaz"));
            ClickRow(d.m_GridK, 2);
            otherLayers = d.m_GridU.GetRowCount() - 1;
        });
    EXPECT_EQ(14, key.GetLength());
    EXPECT_EQ(0, otherLayers);
    const std::vector<Row> layers = Read("Mekr_kUsr$", "[Odkaz]='" + key.str() + "'");
    ASSERT_EQ(1u, layers.size());
    EXPECT_EQ("103", layers[0].at("Položka"));
    const std::vector<Row> inner = Read("Mekr_StK$", "[Označení]='SN'");
    ASSERT_EQ(2u, inner.size());
    EXPECT_EQ(key.str(), inner[0].at("Odkaz"));
    EXPECT_EQ("", inner[1].at("Odkaz"));
}

// The first construction of a kind that the catalogue does not have: the row gets the kind, a
// key of its own (the next free second when one is taken) and its name.
TEST_F(ConstructionDialogTest, FirstConstructionOfAKind)
{
    ASSERT_TRUE(
        RemoveCatalogueRows(m_folder.path().toUtf8().constData(), "Mekr_StK$", "Označení", "Sch").succeeded);
    std::tm taken{};
    taken.tm_year = 2024 - 1900;
    taken.tm_mon = 0;
    taken.tm_mday = 15;
    taken.tm_hour = 8;
    taken.tm_isdst = -1;
    const std::time_t clock = std::mktime(&taken); // 20240115080000 is a key of the catalogue
    m_clock = [clock] { return clock; };
    int rowsBefore = -1;
    CString kind, key, name;
    Run("Sch",
        [&](CWall_K& d)
        {
            rowsBefore = d.m_GridK.GetRowCount();
            NewConstruction(d, "Plochá střecha");
            kind = d.m_GridK.GetItemText(1, d.m_GridK.FindColumn("Označení"));
            key = d.m_GridK.GetItemText(1, d.m_GridK.FindColumn("Odkaz"));
            name = d.m_GridK.GetItemText(1, d.m_GridK.FindColumn("Druh konstrukce"));
            AddMaterial(d, "112", "200");
            Compute(d);
        });
    EXPECT_EQ(1, rowsBefore);
    EXPECT_EQ("Sch", kind.str());
    EXPECT_EQ("20240115080001", key.str());
    EXPECT_EQ("Plochá střecha", name.str());
    const std::vector<Row> written = Read("Mekr_StK$", "[Označení]='Sch'", 6);
    ASSERT_EQ(1u, written.size());
    EXPECT_EQ("20240115080001", written[0].at("Odkaz"));
    EXPECT_NEAR(1.0 / (0.13 + 200 / 0.048 / 1000.0 + 0.04), std::atof(written[0].at("Prostup tepla").c_str()),
                1e-6);
    EXPECT_EQ(1u, Read("Mekr_kUsr$", "[Odkaz]='20240115080001'").size());
    EXPECT_EQ(3u, Read("Mekr_kUsr$", "[Odkaz]='20240115080000'").size())
        << "the other construction keeps its layers";
}

TEST_F(ConstructionDialogTest, KeysMoveOnToTheNextFreeSecond)
{
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 31;
    when.tm_hour = 23;
    when.tm_min = 59;
    when.tm_sec = 59;
    when.tm_isdst = -1;
    const std::time_t now = std::mktime(&when);
    EXPECT_EQ("20261231235959", NewConstructionKey(now, nullptr).str());
    EXPECT_EQ("20270101000000",
              NewConstructionKey(now, [](const CString& key) { return key == "20261231235959"; }).str());
    const std::set<std::string> stored = CatalogueConstructionKeys(m_folder.path().toUtf8().constData());
    EXPECT_TRUE(stored.count("20240115080000") && stored.count("20240115080200"));
}

TEST_F(ConstructionDialogTest, DeleteRemovesALayerOrAConstruction)
{
    // A layer of a construction being changed; the row before it becomes the current one.
    const std::string key = "20240115080000";
    ScriptedAnswers::AnswerBox(IDYES);
    int current = -1;
    Run("SO",
        [&](CWall_K& d)
        {
            ClickRow(d.m_GridK, FindRow(d.m_GridK, "Odkaz", key.c_str()));
            UiTest::Click(d.GetDlgItem(IDC_WK_UPDATE));
            ClickRow(d.m_GridU, 2);
            UiTest::PressKey(VK_DELETE);
            EXPECT_EQ(3, d.m_GridU.GetRowCount());
            current = d.m_nRowU;
            Compute(d);
        });
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Opravdu smazat položku '103'\nz řádku 2 ?"});
    EXPECT_EQ(1, current);
    const std::vector<Row> composed = Read("Mekr_kUsr$", "[Odkaz]='" + key + "'");
    ASSERT_EQ(2u, composed.size());
    EXPECT_EQ("1", composed[0].at("Pořadí"));
    EXPECT_EQ("2", composed[1].at("Pořadí"));
    EXPECT_EQ("106", composed[1].at("Položka"));

    // A construction without layers, answered No and Yes; closing keeps the catalogue.
    const std::string before = Bytes(Catalogue());
    for (int answer : {IDNO, IDYES})
    {
        ScriptedAnswers::ForgetShown();
        ScriptedAnswers::AnswerBox(answer);
        int rows = 0;
        Run("SN",
            [&](CWall_K& d)
            {
                ClickRow(d.m_GridK, 1);
                UiTest::PressKey(VK_DELETE);
                rows = d.m_GridK.GetRowCount() - 1;
                EXPECT_EQ(answer == IDYES, d.m_bModified);
            });
        EXPECT_EQ(
            Boxes(),
            std::vector<std::string>{
                "Opravdu smazat položku 'Příčka z plných cihel 150 mm, oboustranně omítnutá'\nz řádku 1 ?"});
        EXPECT_EQ(answer == IDYES ? 1 : 2, rows);
        EXPECT_EQ("kalvenrod - dotaz", ScriptedAnswers::ShownBoxes()[0].caption.str());
    }
    EXPECT_EQ(before, Bytes(Catalogue()));
}

// Pictures for a person to look at: build/tests/heatloss-dialogs/dialog-143-*.png.
TEST_F(ConstructionDialogTest, Pictures)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    Run("SO",
        [&](CWall_K& d)
        {
            ClickRow(d.m_GridK, 1);
            EXPECT_TRUE(DialogShot::Render(d, folder + "/dialog-143-compact.png"));
            UiTest::Click(d.GetDlgItem(IDC_WK_UPDATE));
            UiTest::ProcessEvents();
            EXPECT_TRUE(DialogShot::Render(d, folder + "/dialog-143-expanded.png"));
            UiTest::Click(d.GetDlgItem(IDOK));
            EXPECT_TRUE(DialogShot::Render(d, folder + "/dialog-143-method.png"));
        });
}

} // namespace
