#pragma once
// The data of one print run, read once when the run starts: page sizing and every page body
// read this copy, nothing is written back. A preview repaint is a new run with its own copy.

#include "platform/core/CString.h"

#include <vector>

// One section of the pipe distribution as the sizing report prints it.
struct SizingLine
{
    int number = 0;
    int level = 0;
    CString code;        // the section's designation
    CString item;        // the chosen pipe's catalogue item
    CString designation; // the chosen pipe's type and name
    double flow = 0.0;   // kg/h
    double pipeLength = 0.0;
    double insertedResistances = 0.0;
    double sectionLoss = 0.0;
    double accumulatedLoss = 0.0;
};

// One item of a bill of materials with the chapter headings it stands under in its maker's
// catalogue, the highest first.
struct BillReportItem
{
    int order = 0; // "Pořadí"
    int maker = 0; // the number before the "-" of "Kód položky"
    int item = 0;  // the number after it
    CString polozka;
    CString typ;
    CString nazev;
    CString quantity; // "Množství" as stored
    CString mj;
    CString price; // "Cena" as stored
    CString value; // "Hodnota" as stored
    std::vector<CString> headings;

    // Items of makers below 1000 name no catalogue and are not printed.
    bool Printed() const { return maker >= 1000; }
    // The printed lines: the headings and the item's own line.
    int Lines() const { return Printed() ? int(headings.size()) + 1 : 0; }
};

struct PrintSnapshot
{
    std::vector<SizingLine> sections;
    std::vector<BillReportItem> bill;
    double billValue = 0.0; // the sum of the items' values
    // What could not be read, one text a problem, shown once after the run.
    std::vector<CString> problems;
};

// The sections of every tree of the distribution sheet of this workbook, ordered by their
// numbers (sections of one number in tree order). A sheet that does not open gives none and a
// problem.
void LoadSizingLines(const CString& workbookPath, PrintSnapshot& snapshot);

// The items of the bill sheet of this workbook in the order of "Pořadí", with their chapter
// headings from the makers' catalogues in the catalogue folder (each catalogue read once), and
// the sum of their values. A catalogue that does not open gives its items no headings and a
// problem; a bill sheet that does not open gives no items and a problem.
void LoadBillItems(const CString& workbookPath, const CString& sheet, const CString& catalogueFolder,
                   PrintSnapshot& snapshot);
