#pragma once
// The points in which a grid window may behave as the data editor's grid instead of the
// common one. Each switch is one difference; GridPolicy::Editor() turns all of them on.

struct GridPolicy
{
    // The owner is told of an edit (before and after) but its replies never stop it: an ended
    // in-place edit sets its text first and tells the owner afterwards.
    bool editsInformOnly = false;
    // An in-place edit ended with Enter moves on by the key after Enter (Tab or Down).
    bool keyAfterEnter = false;
    // Delete empties an editable focus cell and tells the owner, even when it was empty.
    bool deleteInforms = false;
    // Tab does nothing at all at the last visible cell (Shift+Tab at the first one).
    bool tabStopsAtEnds = false;
    // Clearing the selection empties every selected editable cell and tells the owner of each.
    bool clearInforms = false;
    // A copied block leaves out the cells not selected and ends its rows with a tab and a line
    // feed; a paste reads "#GridInfo;" texts, trims fields and skips no hidden cell.
    bool editorClipboard = false;
    // A drag held over the headings scrolls back one row or column at a time.
    bool dragScrollsOverHeadings = false;
    // The focus cell's moves are told (-100 leaving, -101 set); select-all and the mouse tell
    // no selection changes of their own.
    bool focusNotifications = false;
    // A heading click sorts by the column's texts byte by byte, equal texts left in place.
    bool textSort = false;
    // The in-place edit keeps its line breaks (Ctrl+Enter adds one), leaves the cell by Left
    // at its start or Right at its end, and takes a first Tab, space or navigation key without
    // typing it.
    bool editorInPlaceKeys = false;
    // The in-place list drops five cell heights and keeps its cell's width; its list is as wide
    // as its widest entry, a scroll bar and a "0", at most 200 pixels. An arrow in the closed
    // list changes its text and editing goes on.
    bool editorDropList = false;

    static GridPolicy Editor()
    {
        return GridPolicy{true, true, true, true, true, true, true, true, true, true, true};
    }
};
