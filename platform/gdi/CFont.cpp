#include "platform/gdi/CFont.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/TemporaryObjects.h"

#include <cstring>

BOOL CFont::CreateFontIndirect(const LOGFONT* font)
{
    if (!font || m_hObject)
        return FALSE;
    auto object = std::make_shared<Gdi::FontObject>();
    object->font = *font;
    object->font.lfFaceName[LF_FACESIZE - 1] = 0;
    Adopt(object);
    return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    LOGFONT lf;
    lf.lfHeight = pointSize;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc)
{
    if (!font)
        return FALSE;
    LOGFONT lf = *font;
    // Tenths of a point to device pixels, then to logical units (a negative height is the em height).
    const int dpi = dc ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
    POINT pt{0, LONG((double(lf.lfHeight) * dpi / 720.0) + 0.5)};
    POINT origin{0, 0};
    if (dc)
    {
        dc->DPtoLP(&pt);
        dc->DPtoLP(&origin);
    }
    lf.lfHeight = -std::abs(pt.y - origin.y);
    return CreateFontIndirect(&lf);
}

CFont* CFont::FromHandle(HFONT handle) { return Gdi::TemporaryObject<CFont>(handle); }
