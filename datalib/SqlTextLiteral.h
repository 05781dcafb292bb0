#pragma once
// Texts inside the SQL that the programs build from what a user typed or a catalogue holds.

#include "platform/core/CString.h"

// The text as an SQL text literal: in apostrophes, each apostrophe inside doubled, so that
// "Nováků's" becomes 'Nováků''s' and no text can end the literal early.
CString SqlTextLiteral(const CString& text);
