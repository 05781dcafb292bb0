#pragma once
// A table window over the catalogue A with five rows, and the commands run as the menu runs
// them.

#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/document/CUndoStep.h"
#include "controls/grid/CGridCellBase.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/ui/CCmdUI.h"

// The catalogue A grown to five rows "r1" ... "r5" in its first column.
class EditCommands : public DocumentFixture
{
protected:
    CSobrelView* OpenFiveRows()
    {
        CSobrelDoc* document = Open("A$");
        if (!document)
            return nullptr;
        m_view = document->View();
        while (m_view->rowCount < 5)
            m_view->InsertRow(m_view->Grid()->GetRowCount());
        for (int r = 1; r <= 5; ++r)
            m_view->Grid()->SetItemText(r, 1, ("r" + std::to_string(r)).c_str());
        return m_view;
    }
    CSobrelGrid& Grid() const { return *m_view->Grid(); }
    std::string Column(int col) const
    {
        std::string texts;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texts += std::string(Grid().GetItemText(r, col)) + (r + 1 < Grid().GetRowCount() ? "," : "");
        return texts;
    }
    std::string Headers() const
    {
        std::string texts;
        for (int c = 1; c < Grid().GetColumnCount(); ++c)
            texts += std::string(Grid().GetItemText(0, c)) + (c + 1 < Grid().GetColumnCount() ? "," : "");
        return texts;
    }
    std::vector<int> Kinds(std::size_t from = 0) const
    {
        std::vector<int> kinds;
        for (std::size_t i = from; i < m_view->Journal().size(); ++i)
            kinds.push_back(m_view->Journal()[i]->kind);
        return kinds;
    }
    // Selects exactly these cells.
    void Select(std::initializer_list<CCellID> cells)
    {
        Grid().SetFocusCell(cells.begin()->row, cells.begin()->col);
        Grid().SetSelectedRange(-1, -1, -1, -1);
        for (const CCellID& cell : cells)
            Grid().SetItemState(cell.row, cell.col, Grid().GetItemState(cell.row, cell.col) | GVIS_SELECTED);
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }

    CSobrelView* m_view = nullptr;
};
