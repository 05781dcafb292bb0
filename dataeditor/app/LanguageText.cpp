#include "dataeditor/app/LanguageText.h"

CString LanguageText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

CString LanguageFormat(UINT id, const CString& argument)
{
    CString text;
    text.Format(LanguageText(id), LPCTSTR(argument));
    return text;
}
