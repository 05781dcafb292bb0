#pragma once
// The data editor's options: one record in the application object, kept in the profile
// section "Options". Grid, document, view, search and printing code read it directly. The
// header/footer list and the index-column name are kept per language.

#include "platform/core/CString.h"
#include "platform/gdi/GdiTypes.h"

#include <vector>

class CDC;

class CSobrelOptions
{
public:
    CSobrelOptions();

    int clipboardPasteAddRow = 1;
    int clipboardPasteCheckColName = 1;
    int clipboardPasteAddProducerNumberToIndex = 0;
    int backup = 1;
    int oneInstance = 1;
    int addRowOnEnd = 1;
    int askOnAddRowOnEnd = 1;
    COLORREF colorText = 0;
    COLORREF colorBack = 0;
    COLORREF colorFixedText = 0;
    COLORREF colorFixedBack = 0;
    COLORREF colorGridLine = 0;
    int gridLineHorizontal = 1;
    int gridLineVertical = 1;
    COLORREF searchColor = 0;
    int searchResultColor = 1;
    int printAutoZoom = 0;
    int printAutoZoomPagesHoriz = 1;
    int printFill = 1;
    int printRowNumbers = 1;
    int sizeAlsoWithHeaders = 1;
    int printZoom = 100;
    int autoSizeTableWhilePrinting = 1;
    // Page margins and the printer's unprintable margins, millimetres: left, top, right, bottom.
    int printMargins[4] = {15, 15, 15, 15};
    int printerMinimum[4] = {0, 0, 0, 0};
    int searchAllWord = 0;
    int searchCaseSensitive = 0;
    int searchDateType = 0;
    int searchNumberType = 0;
    int searchResultShow = 0;
    // The search's mode (0 text, 1 number, 2 date) and its replace switch, for this run only.
    int searchMode = 0;
    int searchReplace = 0;
    int dataGuessRows = 8;
    int decimals = 2;
    int moneyDecimals = 2;
    int breakText = 0;
    int breakTextWidth = 190;
    int afterEditDirection = 0;
    int openExportedFile = 1;
    // Print header/footer entries of the current language: six fields joined by tabs each.
    std::vector<CString> headerFooter;
    // The grid font; hasGridFont is false until a font was read or chosen.
    LOGFONT gridLogFont;
    bool hasGridFont = false;

    // Every value to its default (the header text is string 1161 of the language, the
    // application name goes into the default header), margins raised to the printer minimum.
    void SetDefaults(const CString& appName, const CString& headerText);
    // Reads every value of the profile section "Options" (defaults where one is missing).
    void Read(const CString& language, const CString& appName, const CString& headerText);
    void Write(const CString& language) const;
    static CString DefaultHeaderFooter(const CString& appName, const CString& headerText);

    void ReadPrinterMargins(CDC* dc);
    void ClampMarginsToPrinter();

    // The header/footer list as stored: entries joined by line feeds; and back.
    CString JoinedHeaderFooter() const;
    void SplitHeaderFooter(const CString& stored);
};
