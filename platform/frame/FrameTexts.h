#pragma once
// The framework's own texts: from the string table when the program has them, else Czech.

#include "platform/core/CString.h"

namespace FrameTexts
{
enum Id : UINT
{
    OpenFileTitleId = 0xF000,  // "Otevřít"
    SaveFileTitleId = 0xF001,  // "Uložit jako"
    AllFilterId = 0xF002,      // "Všechny soubory (*.*)"
    SaveCopyTitleId = 0xF004,  // "Uložit kopii jako"
    UntitledId = 0xF007,       // "Bez názvu"
    AskToSave = 0xF102,        // "Uložit změny do %s?"
    CannotOpen = 0xF103,       // "Soubor %s nelze otevřít."
    CannotRead = 0xF104,       // "Soubor %s nelze přečíst."
    CannotSave = 0xF105,       // "Soubor %s nelze uložit."
    CommandFailed = 0xF106,    // "Příkaz se nepodařilo dokončit: %s ..."
};

CString Text(UINT id);
// The text with its %s replaced by the argument.
CString Format(UINT id, const char* argument);
} // namespace FrameTexts
