#pragma once
// Small text services of the options: fields of a separated list, bracket groups of the
// print header and footer.

#include "platform/core/CString.h"

// The index-th piece of text between occurrences of separator. Past the last piece (or for a
// negative index) the result is empty and separator is emptied: that ends a caller's loop.
CString GetSeparatedField(const CString& text, int index, CString& separator);

struct BracketStatus
{
    bool balanced = false;
    int openGroups = 0;
    int matchedPairs = 0;
    int unmatchedCloses = 0;
};

// Encloses every bracket group (pair: opening and closing character) in markers "\n<level>"
// on both sides; empty for unbalanced text.
CString MarkBracketGroups(const CString& text, const CString& pair, BracketStatus& status);
