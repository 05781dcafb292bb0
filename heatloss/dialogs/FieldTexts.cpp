#include "heatloss/dialogs/FieldTexts.h"

#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

CString WholeText(long value)
{
    CString text;
    text.Format("%ld", value);
    return text;
}

CString RealText(const char* format, double value)
{
    return CString(NumberText::FormatReal(format, value, UserLocale::Current().decimalSeparator));
}
