#include "platform/frame/FrameTexts.h"

#include "platform/core/Resources.h"

namespace
{
const char* Fallback(UINT id)
{
    switch (id)
    {
    case FrameTexts::OpenFileTitleId:
        return "Otevřít";
    case FrameTexts::SaveFileTitleId:
        return "Uložit jako";
    case FrameTexts::AllFilterId:
        return "Všechny soubory (*.*)";
    case FrameTexts::SaveCopyTitleId:
        return "Uložit kopii jako";
    case FrameTexts::UntitledId:
        return "Bez názvu";
    case FrameTexts::AskToSave:
        return "Uložit změny do %s?";
    case FrameTexts::CannotOpen:
        return "Soubor %s nelze otevřít.";
    case FrameTexts::CannotRead:
        return "Soubor %s nelze přečíst.";
    case FrameTexts::CannotSave:
        return "Soubor %s nelze uložit.";
    case FrameTexts::CommandFailed:
        return "Příkaz se nepodařilo dokončit: %s\n\nProgram pracuje dál; co nebylo uloženo, zůstává otevřené k uložení.";
    default:
        return "";
    }
}
} // namespace

CString FrameTexts::Text(UINT id)
{
    const char* text = Resources::FindString(id);
    return text ? CString(text) : CString(Fallback(id));
}

CString FrameTexts::Format(UINT id, const char* argument)
{
    CString text = Text(id);
    text.Replace("%s", argument ? argument : "");
    return text;
}
