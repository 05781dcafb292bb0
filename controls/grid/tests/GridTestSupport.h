#pragma once
// What the grid tests share: an owner window that records the grid's notifications and commands
// and answers them as a test scripts, a created grid, and a grid that records the keys that end
// its in-place edits. The program runs one off-screen application (GridTestSupport.cpp).

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/GridNotify.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// One event the owner heard: a notification code with its cell, or a command (code 0).
struct OwnerEvent
{
    int code = 0;
    int row = -1;
    int col = -1;
    bool command = false;
    std::string text; // the cell's text when the notification arrived
};

class TestOwner : public CWnd
{
public:
    std::vector<OwnerEvent> events;
    std::map<int, LRESULT> replies; // reply per notification code
    CGridCtrl* grid = nullptr;

    BOOL OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) override
    {
        const auto* pNotify = reinterpret_cast<const GridNotify*>(lParam);
        OwnerEvent event;
        event.code = int(pNotify->hdr.code);
        event.row = pNotify->iRow;
        event.col = pNotify->iColumn;
        if (grid)
            event.text = grid->GetItemText(event.row, event.col).str();
        events.push_back(event);
        const auto reply = replies.find(event.code);
        *pResult = reply == replies.end() ? 0 : reply->second;
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM /*lParam*/) override
    {
        OwnerEvent event;
        event.command = true;
        event.code = int(LOWORD(wParam));
        events.push_back(event);
        return TRUE;
    }

    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const OwnerEvent& e : events)
            codes.push_back(e.command ? 0 : e.code);
        return codes;
    }
};

constexpr UINT kGridId = 1001;

// An owner window with a grid of the given size in its client area.
struct GridFixture
{
    TestOwner owner;
    CGridCtrl grid;

    GridFixture(int rows, int cols, int fixedRows, int fixedCols, CSize size = CSize(400, 300))
        : grid(rows, cols, fixedRows, fixedCols)
    {
        owner.CreateEx(0, nullptr, "grid test", WS_POPUP | WS_VISIBLE,
                       CRect(0, 0, size.cx + 40, size.cy + 40), nullptr, 0);
        grid.Create(CRect(10, 10, 10 + size.cx, 10 + size.cy), &owner, kGridId);
        owner.grid = &grid;
        QApplication::processEvents();
    }
    ~GridFixture() { owner.grid = nullptr; }
};

// A grid that also records the key each in-place edit ended with.
class KeyRecordingGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;
    using CGridCtrl::m_TitleTip;
    std::vector<UINT> endKeys;

protected:
    void OnEditEnded(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// Lets posted messages and paints run.
inline void ProcessEvents()
{
    for (int i = 0; i < 5; i++)
        QApplication::processEvents();
}
