#pragma once
// Values that the grid, its cells and the owners of grids share: cell state bits, the item mask,
// the default-colour marker, the notification codes and the grid's fixed ids.

#include "platform/core/WinTypes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/SystemMetrics.h"

// Cell state bits (one word per cell; GridItem carries the same word).
constexpr UINT GVIS_FOCUSED = 0x01;
constexpr UINT GVIS_SELECTED = 0x02;
constexpr UINT GVIS_DROPHILITED = 0x04;
constexpr UINT GVIS_READONLY = 0x08;
constexpr UINT GVIS_FIXED = 0x10;
constexpr UINT GVIS_FIXEDROW = 0x20;
constexpr UINT GVIS_FIXEDCOL = 0x40;
constexpr UINT GVIS_MODIFIED = 0x80;

// Which fields of a GridItem are valid.
constexpr UINT GVIF_TEXT = 0x001;
constexpr UINT GVIF_IMAGE = 0x002;
constexpr UINT GVIF_PARAM = 0x004;
constexpr UINT GVIF_STATE = 0x008;
constexpr UINT GVIF_BKCLR = 0x010;
constexpr UINT GVIF_FGCLR = 0x020;
constexpr UINT GVIF_FORMAT = 0x040;
constexpr UINT GVIF_FONT = 0x080;
constexpr UINT GVIF_MARGIN = 0x100;

// A cell colour of CLR_DEFAULT (0xFF000000) takes the colour of its default cell.

// Grid lines.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// Auto-size style: which rows the auto-size operations measure.
constexpr UINT GVS_HEADER = 1;
constexpr UINT GVS_DATA = 2;
constexpr UINT GVS_BOTH = 3;

// Notification codes sent to the owner (WM_NOTIFY with a GridNotify or GridDispInfo).
constexpr int GVN_CLICK = -2;
constexpr int GVN_DBLCLK = -3;
constexpr int GVN_RCLICK = -5;
constexpr int GVN_SELCHANGING = -100;
constexpr int GVN_SELCHANGED = -101;
constexpr int GVN_BEGINLABELEDIT = -105;
constexpr int GVN_ENDLABELEDIT = -106;
constexpr int GVN_BEGINDRAG = -109;

// The in-place edit's control id, the auto-scroll timer and its interval.
constexpr UINT IDC_INPLACE_CONTROL = 8;
constexpr UINT_PTR GRID_AUTOSCROLL_TIMER = 513;
constexpr UINT GRID_AUTOSCROLL_INTERVAL = 25;

// The window classes of the grid and of its title tip.
constexpr const char* GRIDCTRL_CLASSNAME = "MFCGridCtrl";
constexpr const char* TITLETIP_CLASSNAME = "ZTitleTip";

// An edit started by a navigation key that ended the previous edit (Tab, Page Up/Down, End, Home,
// the arrows) carries this flag beside the key, so that it is never taken for a typed character
// of the same code ('!', '"', '#', '$', '%', '&', '\'', '(').
constexpr UINT GRID_EDIT_STARTED_BY_KEY = 0x10000;
// The character that starts an edit by the mouse or by F2.
constexpr UINT GRID_EDIT_BY_MOUSE = 1;

// The grid's mouse modes.
constexpr int MOUSE_NOTHING = 0;
constexpr int MOUSE_SELECT_ALL = 1;
constexpr int MOUSE_SELECT_COL = 2;
constexpr int MOUSE_SELECT_ROW = 3;
constexpr int MOUSE_SELECT_CELLS = 4;
constexpr int MOUSE_OVER_ROW_DIVIDE = 6;
constexpr int MOUSE_SIZING_ROW = 7;
constexpr int MOUSE_OVER_COL_DIVIDE = 8;
constexpr int MOUSE_SIZING_COL = 9;
constexpr int MOUSE_PREPARE_EDIT = 10;
constexpr int MOUSE_PREPARE_DRAG = 11;
constexpr int MOUSE_DRAGGING = 12;
