#pragma once
// Drawing helpers of the printed reports (MM_LOMETRIC: 0.1 mm, y growing upward).

#include "platform/core/CString.h"

#include <initializer_list>

class CDC;

// The text cut at the right, character by character, until it is no wider than maxWidth.
CString CutToWidth(CDC* dc, CString text, int maxWidth);
// Draws a text with this alignment (TA_LEFT, TA_RIGHT or TA_CENTER, with TA_TOP).
void DrawTextAt(CDC* dc, int x, int y, const CString& text, unsigned align);
// A string of the string table.
CString ReportText(unsigned id);
// A number as printf formats it, without the blanks of its width.
CString ReportNumber(const char* format, double value);
CString ReportNumber(long value);
// Head lines of a table column centred at x, the first at top - firstOffset, each next one
// 4 mm lower (an empty line leaves its place empty).
void DrawHeadLines(CDC* dc, int x, int top, std::initializer_list<CString> lines, int firstOffset = 10);
// The text before its first blank (all of it without one), and the text after that blank
// (empty without one).
CString BeforeFirstBlank(const CString& text);
CString AfterFirstBlank(const CString& text);
// Cell frames of one row from top to top - height between neighbouring edges (x positions).
void DrawCells(CDC* dc, int top, int height, std::initializer_list<int> edges);
// A rectangle frame that leaves what lies under it visible.
void DrawFrame(CDC* dc, int left, int top, int right, int bottom);
