#pragma once
// Text between the system's UTF-8 strings and Qt.

#include "platform/core/CString.h"

#include <QString>

inline QString ToQString(const char* s)
{
    return QString::fromUtf8(s ? s : "");
}
inline CString ToCString(const QString& s)
{
    return CString(s.toUtf8().toStdString());
}

// A control text with '&' marks as a label shows it: "&&" is an ampersand, "&x" underlines x.
inline QString WithoutMnemonics(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i] == '&' && i + 1 < text.size())
        {
            ++i;
        }
        out += text[i];
    }
    return out;
}

// The text copied into a caller's buffer of bufferBytes, cut to whole characters; bytes written.
int CopyText(const CString& text, char* buffer, int bufferBytes);
