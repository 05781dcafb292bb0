#include "platform/gdi/FontMapping.h"
#include "platform/gdi/GdiHandle.h"
#include "platform/gdi/SystemMetrics.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace
{
struct FaceAlias
{
    const char* windowsName;
    const char* localName;
};

constexpr FaceAlias kAliases[] = {
    {"times new roman", "Liberation Serif"}, {"times", "Liberation Serif"},
    {"arial", "Liberation Sans"},            {"ms sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},     {"ms shell dlg 2", "Liberation Sans"},
    {"tahoma", "Liberation Sans"},           {"helv", "Liberation Sans"},
    {"system", "Liberation Sans"},           {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},          {"arial narrow", "Liberation Sans Narrow"},
};

// Cell height (ascent + descent) per pixel of em size, measured once per face and style.
double CellPerEm(const QFont& font)
{
    using Key = std::tuple<QString, int, bool>;
    static std::map<Key, double> cache;
    const Key key{font.family(), font.weight(), font.italic()};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    QFont probe(font);
    probe.setPixelSize(1000);
    probe.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF fm(probe);
    const double ratio = (fm.ascent() + fm.descent()) / 1000.0;
    const double result = ratio > 0.5 ? ratio : 1.15;
    cache.emplace(key, result);
    return result;
}
} // namespace

QString Gdi::ResolveFaceName(const char* faceName)
{
    QString face = QString::fromUtf8(faceName ? faceName : "").trimmed();
    if (face.isEmpty())
        return QStringLiteral("Liberation Sans");
    const QByteArray lower = face.toLower().toUtf8();
    for (const FaceAlias& a : kAliases)
        if (lower == a.windowsName)
            return QString::fromUtf8(a.localName);
    return face;
}

QFont Gdi::FontFromLogFont(const LOGFONT& lf, double pixelsPerUnit, bool unhinted)
{
    QFont font(ResolveFaceName(lf.lfFaceName));
    font.setWeight(QFont::Weight(std::clamp<int>(lf.lfWeight > 0 ? lf.lfWeight : FW_NORMAL, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    font.setKerning(false);
    if (unhinted)
        font.setHintingPreference(QFont::PreferNoHinting);
    double em;
    if (lf.lfHeight < 0)
        em = -lf.lfHeight * pixelsPerUnit;
    else if (lf.lfHeight > 0)
        em = lf.lfHeight * pixelsPerUnit / CellPerEm(font);
    else
        em = 16.0 / CellPerEm(font) * std::max(pixelsPerUnit, 1.0);
    font.setPixelSize(std::max(1, int(std::lround(em))));
    return font;
}

LOGFONT Gdi::LogFontFromQFont(const QFont& font, int dpi)
{
    LOGFONT lf;
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72.0;
    lf.lfHeight = -LONG(std::lround(pixels));
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic();
    lf.lfUnderline = font.underline();
    lf.lfStrikeOut = font.strikeOut();
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, font.family().toUtf8().constData(), LF_FACESIZE - 1);
    return lf;
}

QFont Gdi::QFontFromHandle(HFONT font)
{
    auto object = SharedFromHandle<FontObject>(font, HandleKind::Font);
    if (!object)
        return QGuiApplication::font();
    return FontFromLogFont(object->font);
}
