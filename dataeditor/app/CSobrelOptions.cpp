#include "dataeditor/app/CSobrelOptions.h"

#include "dataeditor/app/OptionText.h"
#include "platform/core/Profile.h"
#include "platform/core/UserLocale.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/SystemMetrics.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr const char* kSection = "Options";

struct IntOption
{
    const char* name;
    int CSobrelOptions::*member;
    int defaultValue; // -1: from the user's locale
};

// The integer values in the order they are written, with their defaults.
const IntOption kInts[] = {
    {"clipboardPasteAddRow", &CSobrelOptions::clipboardPasteAddRow, 1},
    {"clipboardPasteCheckColName", &CSobrelOptions::clipboardPasteCheckColName, 1},
    {"clipboardPasteAddProducerNumberToIndex", &CSobrelOptions::clipboardPasteAddProducerNumberToIndex, 0},
    {"backup", &CSobrelOptions::backup, 1},
    {"oneInstance", &CSobrelOptions::oneInstance, 1},
    {"addRowOnEnd", &CSobrelOptions::addRowOnEnd, 1},
    {"askOnAddRowOnEnd", &CSobrelOptions::askOnAddRowOnEnd, 1},
    {"gridLineHorizontal", &CSobrelOptions::gridLineHorizontal, 1},
    {"gridLineVertical", &CSobrelOptions::gridLineVertical, 1},
    {"searchResultColor", &CSobrelOptions::searchResultColor, 1},
    {"printAutoZoom", &CSobrelOptions::printAutoZoom, 0},
    {"printAutoZoomPagesHoriz", &CSobrelOptions::printAutoZoomPagesHoriz, 1},
    {"printFill", &CSobrelOptions::printFill, 1},
    {"printRowNumbers", &CSobrelOptions::printRowNumbers, 1},
    {"sizeAlsoWithHeaders", &CSobrelOptions::sizeAlsoWithHeaders, 1},
    {"printZoom", &CSobrelOptions::printZoom, 100},
    {"autoSizeTableWhilePrinting", &CSobrelOptions::autoSizeTableWhilePrinting, 1},
    {"searchAllWord", &CSobrelOptions::searchAllWord, 0},
    {"searchCaseSensitive", &CSobrelOptions::searchCaseSensitive, 0},
    {"searchDateType", &CSobrelOptions::searchDateType, 0},
    {"searchNumberType", &CSobrelOptions::searchNumberType, 0},
    {"searchResultShow", &CSobrelOptions::searchResultShow, 0},
    {"dataGuessRows", &CSobrelOptions::dataGuessRows, 8},
    {"decimals", &CSobrelOptions::decimals, -1},
    {"moneyDecimals", &CSobrelOptions::moneyDecimals, -1},
    {"breakText", &CSobrelOptions::breakText, 0},
    {"breakTextWidth", &CSobrelOptions::breakTextWidth, 190},
    {"afterEditDirection", &CSobrelOptions::afterEditDirection, 0},
    {"openExportedFile", &CSobrelOptions::openExportedFile, 1},
};

struct ColourOption
{
    const char* name;
    COLORREF CSobrelOptions::*member;
};

const ColourOption kColours[] = {
    {"colorText", &CSobrelOptions::colorText},         {"colorBack", &CSobrelOptions::colorBack},
    {"colorFixedText", &CSobrelOptions::colorFixedText}, {"colorFixedBack", &CSobrelOptions::colorFixedBack},
    {"colorGridLine", &CSobrelOptions::colorGridLine}, {"searchColor", &CSobrelOptions::searchColor},
};

const char* const kMarginNames[4] = {"printMargins-left", "printMargins-top", "printMargins-right",
                                     "printMargins-bottom"};

CString HexOf(const LOGFONT& font)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&font);
    std::string text;
    for (std::size_t i = 0; i < sizeof(LOGFONT); ++i)
    {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return CString(text.c_str());
}

bool FontOfHex(const CString& hex, LOGFONT& font)
{
    if (hex.GetLength() != int(2 * sizeof(LOGFONT)))
        return false;
    unsigned char bytes[sizeof(LOGFONT)];
    for (std::size_t i = 0; i < sizeof(LOGFONT); ++i)
    {
        const CString pair = hex.Mid(int(2 * i), 2);
        char* end = nullptr;
        const long value = std::strtol(pair, &end, 16);
        if (!end || *end)
            return false;
        bytes[i] = static_cast<unsigned char>(value);
    }
    std::memcpy(&font, bytes, sizeof(LOGFONT));
    font.lfFaceName[LF_FACESIZE - 1] = 0;
    return true;
}
} // namespace

CSobrelOptions::CSobrelOptions() { SetDefaults("Sobrel", ""); }

CString CSobrelOptions::DefaultHeaderFooter(const CString& appName, const CString& headerText)
{
    return "\t%TITLE%\t" + appName + "\t" + headerText + "\t\t%DATE%";
}

void CSobrelOptions::SetDefaults(const CString& appName, const CString& headerText)
{
    for (const IntOption& option : kInts)
        this->*option.member = option.defaultValue;
    decimals = UserLocale::Current().decimalDigits;
    moneyDecimals = UserLocale::Current().currencyDigits;
    colorText = GetSysColor(COLOR_WINDOWTEXT);
    colorBack = GetSysColor(COLOR_WINDOW);
    colorFixedText = GetSysColor(COLOR_WINDOWTEXT);
    colorFixedBack = GetSysColor(COLOR_BTNFACE);
    colorGridLine = RGB(192, 192, 192);
    searchColor = RGB(152, 255, 152);
    std::fill(std::begin(printMargins), std::end(printMargins), 15);
    headerFooter = {DefaultHeaderFooter(appName, headerText)};
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    gridLogFont = metrics.lfMessageFont;
    hasGridFont = true;
    ClampMarginsToPrinter();
}

void CSobrelOptions::Read(const CString& language, const CString& appName, const CString& headerText)
{
    SetDefaults(appName, headerText);
    for (const IntOption& option : kInts)
        this->*option.member = int(Profile::GetInt(kSection, option.name, this->*option.member));
    for (const ColourOption& option : kColours)
        this->*option.member = COLORREF(Profile::GetInt(kSection, option.name, int(this->*option.member)));
    for (int i = 0; i < 4; ++i)
        printMargins[i] = int(Profile::GetInt(kSection, kMarginNames[i], printMargins[i]));
    const CString stored = Profile::GetString(kSection, "headerFooter-" + language, "");
    if (!stored.IsEmpty())
        SplitHeaderFooter(stored);
    LOGFONT font;
    if (FontOfHex(Profile::GetString(kSection, "gridLogFont", ""), font))
        gridLogFont = font;
}

void CSobrelOptions::Write(const CString& language) const
{
    for (const IntOption& option : kInts)
        Profile::WriteInt(kSection, option.name, this->*option.member);
    for (const ColourOption& option : kColours)
        Profile::WriteInt(kSection, option.name, int(this->*option.member));
    for (int i = 0; i < 4; ++i)
        Profile::WriteInt(kSection, kMarginNames[i], printMargins[i]);
    if (!headerFooter.empty())
        Profile::WriteString(kSection, "headerFooter-" + language, JoinedHeaderFooter());
    if (hasGridFont)
        Profile::WriteString(kSection, "gridLogFont", HexOf(gridLogFont));
}

CString CSobrelOptions::JoinedHeaderFooter() const
{
    CString joined;
    for (std::size_t i = 0; i < headerFooter.size(); ++i)
    {
        if (i)
            joined += "\n";
        joined += headerFooter[i];
    }
    return joined;
}

void CSobrelOptions::SplitHeaderFooter(const CString& stored)
{
    headerFooter.clear();
    for (int i = 0;; ++i)
    {
        CString separator = "\n";
        const CString entry = GetSeparatedField(stored, i, separator);
        if (separator.IsEmpty())
            break;
        headerFooter.push_back(entry);
    }
}

void CSobrelOptions::ReadPrinterMargins(CDC* dc)
{
    if (!dc)
        return;
    const int left = dc->GetDeviceCaps(PHYSICALOFFSETX);
    const int top = dc->GetDeviceCaps(PHYSICALOFFSETY);
    const int right = dc->GetDeviceCaps(PHYSICALWIDTH) - left - dc->GetDeviceCaps(HORZRES);
    const int bottom = dc->GetDeviceCaps(PHYSICALHEIGHT) - top - dc->GetDeviceCaps(VERTRES);
    const int dpiX = std::max(1, dc->GetDeviceCaps(LOGPIXELSX));
    const int dpiY = std::max(1, dc->GetDeviceCaps(LOGPIXELSY));
    // Device units to hundredths of a millimetre, then whole millimetres.
    auto millimetres = [](int units, int dpi) { return int(double(units) * 2540.0 / dpi) / 100; };
    printerMinimum[0] = millimetres(left, dpiX);
    printerMinimum[1] = millimetres(top, dpiY);
    printerMinimum[2] = millimetres(right, dpiX);
    printerMinimum[3] = millimetres(bottom, dpiY);
}

void CSobrelOptions::ClampMarginsToPrinter()
{
    for (int i = 0; i < 4; ++i)
        printMargins[i] = std::max(printMargins[i], printerMinimum[i]);
}
