// A user's road through two editor grids, driven by keys, clicks and the row-format dialog:
// typing with Enter, Tab and Ctrl+Enter, a choice in a drop-down cell, whole rows copied into a
// grid with its columns in another order, a block dragged within the grid, heading clicks that
// sort, and a row format set in the dialog with its colour pickers.
#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CInPlaceList.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/controls/CColourPopup.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/ui/COleDataObject.h"
#include "platform/ui/COleDataSource.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QMimeData>

#include <memory>
#include <vector>

namespace
{
// The editor grid whose drags end over a chosen point of itself.
class RoadGrid : public CSobrelGrid
{
public:
    CPoint dropAt;

protected:
    DROPEFFECT RunDragDrop(COleDataSource* pSource) override
    {
        std::unique_ptr<QMimeData> mime(pSource->CreateMimeData());
        COleDataObject data;
        data.Attach(mime.get());
        if (OnDragEnter(&data, 0, dropAt) == DROPEFFECT_NONE || !OnDrop(&data, DROPEFFECT_MOVE, dropAt))
            return DROPEFFECT_NONE;
        return DROPEFFECT_MOVE;
    }
};

struct Catalogue
{
    CWnd owner;
    RoadGrid grid;
    std::vector<std::unique_ptr<CColumnInfo>> infos;

    Catalogue(const std::vector<CString>& headings, int rows, int top)
    {
        owner.CreateEx(0, nullptr, "Katalog", WS_POPUP | WS_VISIBLE, CRect(0, top, 700, top + 300), nullptr, 0);
        grid.Create(CRect(0, 0, 680, 280), &owner, 1658);
        grid.SetRowCount(rows + 1);
        grid.SetColumnCount(int(headings.size()) + 1);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        for (std::size_t c = 0; c < headings.size(); ++c)
        {
            infos.push_back(std::make_unique<CColumnInfo>(10, 255, -2));
            grid.SetColumnInfo(int(c) + 1, infos.back().get());
            grid.SetItemText(0, int(c) + 1, headings[c]);
            grid.SetColumnWidth(int(c) + 1, 100);
        }
        grid.indexColumnName = "Index";
        grid.RenumberRows(1);
    }
    CString Row(int row) const
    {
        CString text;
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            text += (col > 1 ? "|" : "") + grid.GetItemText(row, col);
        return text;
    }
};

void Press(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    UiTest::PressKey(vk, modifiers);
    UiTest::ProcessEvents();
}

void Type(const char* text)
{
    UiTest::TypeText(text);
    UiTest::ProcessEvents();
}
} // namespace

TEST(SobrelGridRoad, TypingCopyingDraggingSortingAndARowFormat)
{
    UiTest::EnsureApplication();
    AfxSetResourceHandle(LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so"));
    UserLocale::SetCurrent(UserLocale::Czech());
    ScriptedAnswers::Reset();

    Catalogue source({"Index", "Název", "Druh", "Format"}, 3, 0);
    source.infos[2]->values = {"Kotel", "Těleso", "Ventil"};
    source.grid.ApplyValueLists();
    source.grid.SetFocusCell(1, 1);
    source.grid.SetFocus();
    UiTest::ProcessEvents();

    // Typing: Enter moves on by the key after Enter (Tab), Tab moves on, Ctrl+Enter breaks a line.
    Type("12");
    Press(VK_RETURN);
    EXPECT_EQ(source.grid.GetFocusCell(), CCellID(1, 2));
    Type("Kotel");
    Press(VK_RETURN, Qt::ControlModifier);
    Type("24 kW");
    Press(VK_TAB);
    EXPECT_EQ(source.grid.GetItemText(1, 2), "Kotel\n24 kW");
    EXPECT_EQ(source.grid.GetFocusCell(), CCellID(1, 3));

    // Tab went on editing in the drop-down cell: a choice from its list.
    auto* list = dynamic_cast<CInPlaceList*>(source.grid.GetCell(1, 3)->GetEditWnd());
    ASSERT_NE(list, nullptr);
    list->SetCurSel(0);
    Press(VK_RETURN);
    EXPECT_EQ(source.grid.GetItemText(1, 3), "Kotel");
    source.grid.SetKeyAfterEnter(VK_DOWN);
    source.grid.SetFocusCell(2, 1);
    for (const char* index : {"7", "3"})
    {
        Type(index);
        Press(VK_RETURN);
    }
    EXPECT_EQ(source.grid.GetFocusCell(), CCellID(3, 1)) << "Down, then Down past the last row stays";
    source.grid.SetItemText(2, 2, "Ventil");
    source.grid.SetItemText(3, 2, "Těleso");

    // Whole rows copied into a catalogue whose columns stand in another order.
    Catalogue target({"Druh", "Název", "Index", "Poznámka"}, 1, 320);
    target.grid.SetItemText(1, 4, "stará");
    source.grid.SetSelectedRange(1, 1, 2, 4);
    source.grid.OnEditCopy();
    target.grid.SetFocusCell(1, 1);
    target.grid.OnEditPaste();
    ASSERT_EQ(target.grid.GetRowCount(), 4);
    EXPECT_EQ(target.Row(1), "Kotel|Kotel\n24 kW|12|");
    EXPECT_EQ(target.Row(2), "|Ventil|7|");
    EXPECT_EQ(target.Row(3), "|||stará");

    // A block dragged within the grid (by its column name, one row up): the source emptied,
    // the target filled.
    source.grid.EnableDragAndDrop(TRUE);
    source.grid.SetSelectedRange(3, 2, 3, 2);
    source.grid.SetFocusCell(3, 2);
    CRect drop;
    ASSERT_TRUE(source.grid.GetCellRect(2, 2, drop));
    source.grid.dropAt = drop.CenterPoint();
    source.grid.OnBeginDrag();
    EXPECT_EQ(source.grid.GetItemText(2, 2), "Těleso");
    EXPECT_EQ(source.grid.GetItemText(3, 2), "");
    source.grid.SetItemText(3, 2, "Čerpadlo");

    // Heading clicks sort by the Czech alphabet, then the other way.
    source.grid.SetRowSelectMode(TRUE);
    source.grid.SetHeaderSort(TRUE);
    CCellID heading(0, 2);
    source.grid.SortOnHeaderClick(heading);
    EXPECT_EQ(source.grid.GetItemText(1, 2), "Čerpadlo");
    EXPECT_EQ(source.grid.GetItemText(2, 2), "Kotel\n24 kW");
    source.grid.SortOnHeaderClick(heading);
    EXPECT_EQ(source.grid.GetItemText(1, 2), "Těleso");

    // A row format from the dialog: the row shows it and its Format cell holds the text.
    const int row = 2;
    CRowFormatDlg dialog;
    std::map<CString, CString> named;
    std::map<CString, int> places;
    dialog.targetFormats = &named;
    dialog.targetPositions = &places;
    dialog.formats.clear();
    dialog.positions.clear();
    dialog.currentFormat = source.grid.GetItemTextByColName(row, "Format", FALSE);
    ScriptedAnswers::OnDialog(IDD_ROW_FORMAT, [](CDialog& d) {
        auto& dlg = static_cast<CRowFormatDlg&>(d);
        dlg.backPicker->SetColour(RGB(0xff, 0xff, 0xe0));
        d.SendMessage(CColourPopup::selectionChange, RGB(0xff, 0xff, 0xe0), IDC_ROWFMT_BACK_COLOUR);
        d.CheckDlgButton(IDC_ROWFMT_ITALIC, BST_CHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_ITALIC, BN_CLICKED));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    source.grid.SetItemTextByColName(row, "Format", dialog.currentFormat);
    source.grid.ApplyRowFormat(row, TRUE, "");
    EXPECT_EQ(source.grid.GetItemText(row, 4), "|ffffe0|K|0");
    EXPECT_EQ(source.grid.GetCell(row, 1)->GetBackClr(), RGB(0xff, 0xff, 0xe0));
    EXPECT_TRUE(source.grid.GetCell(row, 2)->GetFont()->lfItalic);
    UserLocale::ResetToSystem();
}
