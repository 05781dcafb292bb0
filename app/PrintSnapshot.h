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

struct PrintSnapshot
{
    std::vector<SizingLine> sections;
    // What could not be read, one text a problem, shown once after the run.
    std::vector<CString> problems;
};

// The sections of every tree of the distribution sheet of this workbook, ordered by their
// numbers (sections of one number in tree order). A sheet that does not open gives none and a
// problem.
void LoadSizingLines(const CString& workbookPath, PrintSnapshot& snapshot);
