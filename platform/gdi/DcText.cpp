// Text output and measurement of CDC.

#include "platform/gdi/CDC.h"
#include "platform/gdi/DcState.h"

#include <QFontMetricsF>

#include <cmath>
#include <cstring>
#include <vector>

using namespace Gdi;

namespace
{
QString Decode(LPCTSTR text, int byteCount)
{
    if (!text)
        return {};
    const int n = byteCount < 0 ? int(std::strlen(text)) : byteCount;
    return QString::fromUtf8(text, n);
}

struct TextLine
{
    QString text;
    int underline = -1; // index of the character that a '&' prefix marks
};

// Removes the '&' prefixes: "&&" stands for '&', "&x" underlines x.
TextLine StripPrefixes(const QString& text)
{
    TextLine line;
    for (int i = 0; i < text.size(); ++i)
    {
        if (text[i] == u'&' && i + 1 < text.size())
        {
            ++i;
            if (text[i] != u'&' && line.underline < 0)
                line.underline = int(line.text.size());
        }
        else if (text[i] == u'&')
            continue;
        line.text += text[i];
    }
    return line;
}

QString ExpandTabs(const QString& text)
{
    QString out;
    for (QChar c : text)
    {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

// Greedy breaking at blanks; a word wider than the width keeps a line of its own.
std::vector<QString> WrapLine(const QString& text, double width, const QFontMetricsF& fm)
{
    std::vector<QString> lines;
    QString current;
    const QStringList words = text.split(u' ');
    for (int i = 0; i < words.size(); ++i)
    {
        const QString candidate = current.isEmpty() && i == 0 ? words[i] : current + u' ' + words[i];
        if (!current.isEmpty() && fm.horizontalAdvance(candidate) > width)
        {
            lines.push_back(current);
            current = words[i];
        }
        else
            current = candidate;
    }
    lines.push_back(current);
    return lines;
}

QString WithEndEllipsis(const QString& text, double width, const QFontMetricsF& fm)
{
    if (fm.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    // The longest beginning that fits with the dots, found by halving: a long text is measured
    // a few times instead of once for every character cut.
    qsizetype fits = 0, tooLong = text.size();
    while (tooLong - fits > 1)
    {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (fm.horizontalAdvance(text.left(middle) + dots) > width)
            tooLong = middle;
        else
            fits = middle;
    }
    return text.left(fits) + dots;
}

std::vector<TextLine> LayoutLines(const QString& text, UINT format, double width, const QFontMetricsF& fm)
{
    QString source = text;
    if (format & DT_EXPANDTABS)
        source = ExpandTabs(source);
    QStringList paragraphs;
    if (format & DT_SINGLELINE)
    {
        source.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        source.replace(u'\n', u' ').replace(u'\r', u' ');
        paragraphs << source;
    }
    else
    {
        source.remove(u'\r');
        paragraphs = source.split(u'\n');
    }
    std::vector<TextLine> lines;
    for (const QString& paragraph : paragraphs)
    {
        const TextLine stripped = (format & DT_NOPREFIX) ? TextLine{paragraph, -1} : StripPrefixes(paragraph);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
        {
            int offset = 0;
            for (const QString& piece : WrapLine(stripped.text, width, fm))
            {
                TextLine line{piece.trimmed(), -1};
                const int start = int(stripped.text.indexOf(line.text, offset));
                if (stripped.underline >= start && stripped.underline < start + line.text.size())
                    line.underline = stripped.underline - start;
                offset = start + int(line.text.size());
                lines.push_back(line);
            }
        }
        else
            lines.push_back(stripped);
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (TextLine& line : lines)
        {
            const QString shortened = WithEndEllipsis(line.text, width, fm);
            if (shortened != line.text)
            {
                line.text = shortened;
                if (line.underline >= shortened.size() - 3)
                    line.underline = -1;
            }
        }
    return lines;
}

double LineHeight(const QFontMetricsF& fm) { return std::ceil(fm.ascent()) + std::ceil(fm.descent()); }

double EscapementDegrees(const DcState& s) { return s.a.font->font.lfEscapement / 10.0; }
} // namespace

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text.GetString(), text.ByteLength()); }

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int byteCount)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return FALSE;
    const QString str = Decode(text, byteCount);
    const QFont& font = s->CurrentFont();
    const QFontMetricsF fm(font);
    const double width = fm.horizontalAdvance(str);
    const double ascent = std::ceil(fm.ascent());
    const double descent = std::ceil(fm.descent());
    const QPointF at = s->ToDevice(x, y);

    const UINT align = s->a.textAlign;
    double dx = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        dx = -width / 2;
    else if (align & TA_RIGHT)
        dx = -width;
    double baseline = ascent;
    if ((align & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (align & TA_BOTTOM)
        baseline = -descent;

    const QRectF box(dx, baseline - ascent, width, ascent + descent);
    const QRect touched = box.translated(at).toAlignedRect().adjusted(-int(width), -int(width), int(width), int(width));
    QPainter* p = s->Begin(touched);
    if (!p)
        return TRUE;
    p->save();
    p->translate(at);
    if (const double angle = EscapementDegrees(*s); angle != 0)
        p->rotate(-angle);
    if (s->a.bkMode == OPAQUE)
        p->fillRect(box, ToQColor(s->a.bkColour));
    p->setFont(font);
    p->setPen(ToQColor(s->a.textColour));
    p->drawText(QPointF(dx, baseline), str);
    p->restore();
    return TRUE;
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.ByteLength(), rect, format);
}

int CDC::DrawText(LPCTSTR text, int byteCount, LPRECT rect, UINT format)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return 0;
    const QFont& font = s->CurrentFont();
    const QFontMetricsF fm(font);
    const QRect box = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    const std::vector<TextLine> lines = LayoutLines(Decode(text, byteCount), format, box.width(), fm);

    const double lineHeight = LineHeight(fm);
    const double totalHeight = lineHeight * double(lines.size());
    double widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line.text));
    const int heightLogical = int(std::lround(totalHeight / std::abs(s->ScaleY())));

    if (format & DT_CALCRECT)
    {
        const int widthLogical = int(std::lround(widest / std::abs(s->ScaleX())));
        rect->right = rect->left + widthLogical;
        rect->bottom = rect->top + (s->ScaleY() < 0 ? -heightLogical : heightLogical);
        return heightLogical;
    }

    double top = box.top();
    if (format & DT_SINGLELINE)
    {
        if (format & DT_VCENTER)
            top = box.top() + (box.height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = box.bottom() + 1 - lineHeight;
    }
    QPainter* p = s->Begin(box);
    if (!p)
        return heightLogical;
    p->save();
    if (!(format & DT_NOCLIP))
    {
        p->setClipRect(box, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    p->setFont(font);
    const QColor textColour = ToQColor(s->a.textColour);
    for (const TextLine& line : lines)
    {
        const double width = fm.horizontalAdvance(line.text);
        double left = box.left();
        if (format & DT_CENTER)
            left = box.left() + (box.width() - width) / 2;
        else if (format & DT_RIGHT)
            left = box.right() + 1 - width;
        if (s->a.bkMode == OPAQUE)
            p->fillRect(QRectF(left, top, width, lineHeight), ToQColor(s->a.bkColour));
        p->setPen(textColour);
        const double baseline = top + std::ceil(fm.ascent());
        p->drawText(QPointF(left, baseline), line.text);
        if (line.underline >= 0)
        {
            const double x0 = left + fm.horizontalAdvance(line.text.left(line.underline));
            const double x1 = x0 + fm.horizontalAdvance(line.text.mid(line.underline, 1));
            const double y = baseline + std::max(1.0, fm.underlinePos());
            p->fillRect(QRectF(x0, y, x1 - x0, std::max(1.0, fm.lineWidth())), textColour);
        }
        top += lineHeight;
    }
    p->restore();
    return heightLogical;
}

CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text.GetString(), text.ByteLength()); }

CSize CDC::GetTextExtent(LPCTSTR text, int byteCount) const
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return {};
    const QFontMetricsF fm(s->CurrentFont());
    const double width = fm.horizontalAdvance(Decode(text, byteCount));
    return {int(std::lround(width / std::abs(s->ScaleX()))),
            int(std::lround(LineHeight(fm) / std::abs(s->ScaleY())))};
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const
{
    DcState* s = UsableState(m_hDC);
    if (!s || !metrics)
        return FALSE;
    const QFont& font = s->CurrentFont();
    const QFontMetricsF fm(font);
    const double sy = std::abs(s->ScaleY());
    const double sx = std::abs(s->ScaleX());
    auto toY = [sy](double v) { return LONG(std::lround(v / sy)); };
    auto toX = [sx](double v) { return LONG(std::lround(v / sx)); };
    TEXTMETRIC tm;
    tm.tmAscent = toY(std::ceil(fm.ascent()));
    tm.tmDescent = toY(std::ceil(fm.descent()));
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - toY(font.pixelSize()));
    tm.tmExternalLeading = std::max<LONG>(0, toY(fm.leading()));
    tm.tmAveCharWidth = toX(fm.averageCharWidth());
    tm.tmMaxCharWidth = toX(fm.maxWidth());
    tm.tmWeight = font.weight();
    tm.tmItalic = font.italic();
    tm.tmUnderlined = font.underline();
    tm.tmStruckOut = font.strikeOut();
    tm.tmDigitizedAspectX = s->dpiX;
    tm.tmDigitizedAspectY = s->dpiY;
    tm.tmCharSet = DEFAULT_CHARSET;
    tm.tmPitchAndFamily = s->a.font->font.lfPitchAndFamily;
    *metrics = tm;
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, LPCTSTR text, int byteCount, LPSIZE size)
{
    CDC* w = CDC::FromHandle(dc);
    if (!w || !size)
        return FALSE;
    *size = w->GetTextExtent(text, byteCount);
    return TRUE;
}
