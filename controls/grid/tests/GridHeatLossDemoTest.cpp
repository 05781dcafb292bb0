// A demo like the program's heat-loss input: a tree of a building, its rooms, walls and openings
// with level images, orientation combo cells and check-box cells, compared with its reviewed picture.
#include "GridTestSupport.h"
#include "testing/PictureCompare.h"

#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/CGridTreeCell.h"
#include "testing/UiTest.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace
{
enum Column
{
    kNumber,
    kName,
    kTemperature,
    kWidth,
    kHeight,
    kOrientation,
    kU,
    kCounted,
    kColumns
};

struct Element
{
    BYTE level;
    const char* number;
    const char* name;
    const char* temperature;
    const char* width;
    const char* height;
    const char* orientation;
    const char* u;
    bool counted;
};

const Element kElements[] = {
    {1, "", "Rodinný dům Lipová 12", "", "", "", "", "", true},
    {2, "101", "Obývací pokoj", "20", "5200", "2600", "J", "", true},
    {3, "", "SO1", "", "5200", "2600", "J", "0,30", true},
    {4, "", "OK1", "", "1800", "1500", "J", "1,20", true},
    {4, "", "DV1", "", "900", "2100", "J", "1,70", false},
    {3, "", "SO2", "", "4100", "2600", "Z", "0,30", true},
    {4, "", "OK2", "", "1200", "1500", "Z", "1,20", true},
    {2, "102", "Kuchyň", "20", "3600", "2600", "V", "", true},
    {3, "", "SO3", "", "3600", "2600", "V", "0,30", true},
    {4, "", "OK3", "", "1200", "1200", "V", "1,20", true},
    {2, "103", "Koupelna", "24", "2400", "2600", "S", "", true},
    {3, "", "SO4", "", "2400", "2600", "S", "0,30", false},
};
constexpr int kRows = int(sizeof(kElements) / sizeof(kElements[0]));

// Row images: 11 building, 12 room, 13 wall, 14 opening (a level plus ten).
QImage LevelImage(int level)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(60, 60, 60));
    switch (level)
    {
    case 1: // a house
        p.setBrush(QColor(200, 60, 40));
        p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(8, 1), QPoint(15, 8)}));
        p.setBrush(QColor(240, 220, 170));
        p.drawRect(3, 8, 10, 7);
        break;
    case 2: // a floor plan
        p.setBrush(QColor(250, 230, 120));
        p.drawRect(1, 2, 13, 12);
        p.drawLine(8, 2, 8, 8);
        break;
    case 3: // a brick wall
        p.setBrush(QColor(190, 110, 80));
        p.drawRect(1, 3, 13, 10);
        p.drawLine(1, 8, 14, 8);
        p.drawLine(6, 3, 6, 8);
        p.drawLine(10, 8, 10, 13);
        break;
    default: // a window
        p.setBrush(QColor(160, 210, 250));
        p.drawRect(2, 2, 11, 11);
        p.drawLine(7, 2, 7, 13);
        p.drawLine(2, 7, 13, 7);
        break;
    }
    return image;
}

struct HeatLossDemo
{
    TestOwner owner;
    CGridCtrl grid{1, kColumns, 1, 1};
    CTreeColumn tree;
    CBtnDataBase buttons;
    CImageList images;

    HeatLossDemo()
    {
        owner.CreateEx(0, nullptr, "Vstup tepelných ztrát", WS_POPUP | WS_VISIBLE, CRect(0, 0, 680, 340), nullptr,
                       0);
        grid.Create(CRect(10, 10, 670, 330), &owner, kGridId);
        owner.grid = &grid;
        images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 15, 0);
        for (int i = 0; i < 15; i++)
            images.Add(i >= 11 ? LevelImage(i - 10) : LevelImage(0));
        grid.SetImageList(&images);
        buttons.SetGrid(&grid);

        BYTE levels[kRows];
        for (int i = 0; i < kRows; i++)
            levels[i] = BYTE(kElements[i].level | TREE_VIEWABLE);
        EXPECT_TRUE(tree.TreeSetup(&grid, kName, kRows, 1, levels, TRUE, FALSE));
        tree.SetIndentPerLevel(16); // about a line of text, so that the boxes sit in the middle
        FillHeadings();
        for (int i = 0; i < kRows; i++)
            FillRow(1 + i, kElements[i]);
        grid.SetColumnWidth(kNumber, 44);
        grid.SetColumnWidth(kName, 200);
        grid.SetColumnWidth(kTemperature, 46);
        grid.SetColumnWidth(kWidth, 56);
        grid.SetColumnWidth(kHeight, 56);
        grid.SetColumnWidth(kOrientation, 86);
        grid.SetColumnWidth(kU, 56);
        grid.SetColumnWidth(kCounted, 76);
        grid.SetRowHeight(0, 22);
        for (int row = 1; row <= kRows; row++)
            grid.SetRowHeight(row, 20);
        tree.TreeRefreshRows();
    }
    ~HeatLossDemo() { owner.grid = nullptr; }

    void FillHeadings()
    {
        const char* headings[] = {"Číslo", "Název", "Teplota", "Šířka", "Výška", "Světová strana", "souč_K",
                                  "Započítat"};
        for (int col = 0; col < kColumns; col++)
        {
            grid.SetItemText(0, col, headings[col]);
            grid.SetItemFormat(0, col, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }

    void FillRow(int row, const Element& e)
    {
        static const COLORREF backs[] = {RGB(255, 255, 255), RGB(230, 240, 255), RGB(255, 250, 215),
                                         RGB(255, 255, 224), RGB(223, 255, 255)};
        grid.SetItemText(row, kNumber, e.number);
        grid.SetItemText(row, kName, e.name);
        grid.SetItemImage(row, kName, e.level + 10);
        grid.SetItemText(row, kTemperature, e.temperature);
        grid.SetItemText(row, kWidth, e.width);
        grid.SetItemText(row, kHeight, e.height);
        grid.SetItemText(row, kU, e.u);
        for (int col : {kTemperature, kWidth, kHeight, kU})
        {
            grid.SetItemFormat(row, col, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
            grid.SetItemBkColour(row, col, backs[e.level]);
        }
        if (e.level >= 2)
        {
            grid.SetCellType(row, kOrientation, RUNTIME_CLASS(CGridBtnCellCombo));
            auto* combo = static_cast<CGridBtnCellCombo*>(grid.GetCell(row, kOrientation));
            combo->SetBtnDataBase(&buttons);
            combo->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0, FALSE, nullptr);
            CStringArray sides;
            for (const char* side : {"S", "SV", "V", "JV", "J", "JZ", "Z", "SZ"})
                sides.Add(side);
            combo->SetComboString(sides);
            combo->SetComboStyle(CBS_DROPDOWNLIST);
            combo->SetText(e.orientation);
            combo->SetFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE);

            grid.SetCellType(row, kCounted, RUNTIME_CLASS(CGridBtnCell));
            auto* check = static_cast<CGridBtnCell*>(grid.GetCell(row, kCounted));
            check->SetBtnDataBase(&buttons);
            check->SetupBtn(0, DFC_BUTTON, DFCS_BUTTONCHECK | (e.counted ? DFCS_CHECKED : 0), BTNPOS_LEFT, 0,
                            FALSE, nullptr);
            check->SetText(e.counted ? "ano" : "ne");
            check->SetFormat(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
    }

    std::vector<int> ShownRows() const
    {
        std::vector<int> rows;
        for (int row = 1; row < grid.GetRowCount(); row++)
            if (grid.GetRowHeight(row) > 0)
                rows.push_back(row);
        return rows;
    }
};

} // namespace

TEST(GridHeatLossDemo, TreeOfTheBuildingMatchesTheReviewedPicture)
{
    HeatLossDemo demo;
    // The second room's branch closed, the opening of its wall hidden with it.
    demo.tree.TreeExpandCollapseToggle(8);
    EXPECT_EQ(demo.ShownRows(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 11, 12}));
    demo.grid.SetFocusCell(3, kU);
    ProcessEvents();

    EXPECT_TRUE(MatchesReviewedPicture(demo.owner.GetWidget()->grab().toImage(),
                                       std::string(KALVENROD_TEST_DATA_DIR) + "/data/GridHeatLossDemo.png"));
}

TEST(GridHeatLossDemo, CheckBoxAndOrientationCellsWork)
{
    HeatLossDemo demo;
    auto* check = static_cast<CGridBtnCell*>(demo.grid.GetCell(5, kCounted));
    EXPECT_EQ(check->GetBtnDrawState(0), DFCS_BUTTONCHECK);
    check->ProcessBtnMessage(WM_LBUTTONDOWN, 0);
    check->ProcessBtnMessage(WM_LBUTTONUP, 0);
    EXPECT_EQ(check->GetBtnDrawState(0), DFCS_BUTTONCHECK | DFCS_CHECKED);
    // The building row has neither.
    EXPECT_EQ(dynamic_cast<CGridBtnCell*>(demo.grid.GetCell(1, kCounted)), nullptr);
    auto* combo = static_cast<CGridBtnCellCombo*>(demo.grid.GetCell(2, kOrientation));
    CStringArray sides;
    combo->GetComboString(sides);
    EXPECT_EQ(sides.GetSize(), 8);
    EXPECT_STREQ(combo->GetText(), "J");
}
