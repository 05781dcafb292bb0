#include "dataeditor/view/CTableExport.h"

#include "dataeditor/view/ColumnTypeCodec.h"

#include "controls/grid/CGridCellBase.h"
#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CGridDefaultCell.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/dao/WorkbookError.h"
#include "platform/dao/WorkbookFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

#include <fstream>

namespace
{
int Points(const LOGFONT& font, int pixelsPerInch)
{
    return int((std::abs(font.lfHeight) * 72 + pixelsPerInch / 2) / pixelsPerInch);
}

bool InCp1250(const CString& character)
{
    return Utf8::FromCp1250(Utf8::ToCp1250(character.str())) == character.str();
}

// The page's lines end in carriage return + line feed.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text)
    {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
} // namespace

CTableExport::CTableExport(CGridCtrl& grid, ColumnInfoOf columnInfo) : m_grid(grid), m_columnInfo(std::move(columnInfo))
{
}

bool CTableExport::Visible(int col) const
{
    return m_grid.GetColumnWidth(col) != 0;
}

int CTableExport::FirstDataColumn() const
{
    if (const auto* table = dynamic_cast<const CSobrelGrid*>(&m_grid))
        return table->FirstDataColumn();
    return m_grid.GetFixedColumnCount();
}

CCellHtmlStyle CTableExport::StyleOf(int row, int col) const
{
    CCellHtmlStyle style;
    style.gridLines = m_grid.GetGridLines();
    style.lineColour = m_grid.GetGridLineColor();
    if (!m_grid.IsValid(row, col))
        return style;
    const bool fixed = row < m_grid.GetFixedRowCount() || col < FirstDataColumn();
    const CGridDefaultCell* byDefault = m_grid.GetDefaultCell(fixed, fixed);
    const auto colour = [](COLORREF own, COLORREF fallback) { return own == CLR_DEFAULT ? fallback : own; };
    style.textColour = colour(m_grid.GetItemFgColour(row, col), byDefault ? byDefault->GetTextClr() : 0);
    style.backColour =
        colour(m_grid.GetItemBkColour(row, col), byDefault ? byDefault->GetBackClr() : 0xFFFFFF);
    if (const LOGFONT* font = m_grid.GetItemFont(row, col))
    {
        style.bold = font->lfWeight > 400;
        style.italic = font->lfItalic != 0;
        style.underline = font->lfUnderline != 0;
        style.points = Points(*font, pixelsPerInch);
        style.face = font->lfFaceName;
    }
    style.rightAligned = (m_grid.GetItemFormat(row, col) & DT_RIGHT) != 0;
    return style;
}

CString CTableExport::HtmlText(const CString& text)
{
    if (text.IsEmpty())
        return "&nbsp;";
    CString out;
    const std::string& bytes = text.str();
    for (std::size_t pos = 0; pos < bytes.size();)
    {
        const std::size_t start = pos;
        const char32_t c = Utf8::Decode(bytes, pos);
        switch (c)
        {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': break;
        case '\n': out += "<br>"; break;
        default:
        {
            const CString character(bytes.substr(start, pos - start).c_str());
            if (c < 0x80 || InCp1250(character))
                out += character;
            else
                out.AppendFormat("&#%u;", unsigned(c));
        }
        }
    }
    return out;
}

bool CTableExport::WriteHtml(const CString& path) const
{
    const QFileInfo file(QString::fromUtf8(path.GetString()));
    CString html = "<html>\n<head>\n\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\n"
                   "\t<meta name=\"GENERATOR\" content=\"";
    html += applicationName + ", Orbel a.s., Brno, Czech Republic\">\n\t<title>";
    const CString title(file.completeBaseName().toUtf8().constData());
    if (!title.IsEmpty())
        html += HtmlText(title);
    html += "</title>\n</head>\n<body>\n\n<center>\n<table cellpadding=3 cellspacing=0 style=\"";
    html += StyleOf(0, 0).Text(false, false, false, true) + "\">\n";
    const int rows = m_grid.GetRowCount();
    const int columns = m_grid.GetColumnCount();
    for (int row = 0; row < rows; ++row)
    {
        html += "\t<tr style=\"" + StyleOf(row, FirstDataColumn()).Text(true, true, false, false) + "\">\n\t\t";
        for (int col = FirstDataColumn(); col < columns; ++col)
            if (Visible(col))
                html += "<td style=\"" + StyleOf(row, col).Text(false, false, true, true) + "\">" +
                        HtmlText(m_grid.GetItemText(row, col)) + "</td>";
        html += "\n\t</tr>\n";
    }
    html += "</table>\n</center>\n\n</body>\n</html>";
    std::ofstream out(path.GetString(), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << WithCrLf(Utf8::ToCp1250(html.str()));
    out.close();
    return bool(out);
}

CString CTableExport::ValueText(int row, int col) const
{
    if (row >= m_grid.GetFixedRowCount())
        if (const std::shared_ptr<CColumnInfo> info = m_columnInfo(col); info && info->IsNumeric())
            if (const LPCTSTR value = m_grid.PeekItemValueText(row, col))
                return value;
    return m_grid.GetItemText(row, col);
}

CString CTableExport::TextField(const CString& text, const CString& separator)
{
    if (text.str().find_first_of("\"\r\n") == std::string::npos && text.Find(separator) < 0)
        return text;
    CString field = text;
    field.Replace("\r\n", "\n");
    field.Replace("\"", "\"\"");
    return "\"" + field + "\"";
}

bool CTableExport::WriteText(const CString& path, const CString& separator) const
{
    const CString cut = separator.IsEmpty() ? CString(";") : separator;
    std::string text;
    const int columns = m_grid.GetColumnCount();
    for (int row = 0; row < m_grid.GetRowCount(); ++row)
    {
        bool first = true;
        for (int col = FirstDataColumn(); col < columns; ++col)
        {
            if (!Visible(col))
                continue;
            CString field = ValueText(row, col);
            if (row == 0)
            {
                const std::shared_ptr<CColumnInfo> info = m_columnInfo(col);
                field += "@" + (info ? ColumnTypeCodec::Encode(info->type, info->decimals, true)
                                     : ColumnTypeCodec::Encode(10, -2, false));
            }
            if (!first)
                text += cut.str();
            text += TextField(field, cut).str();
            first = false;
        }
        text += "\n";
    }
    // A character the code page lacks comes out as "?".
    text = WithCrLf(text);
    const std::string cp1250 = Utf8::ToCp1250(text);
    const bool fits = std::count(cp1250.begin(), cp1250.end(), '?') == std::count(text.begin(), text.end(), '?');
    std::ofstream out(path.GetString(), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    if (!fits)
        out << "\xEF\xBB\xBF";
    const std::string& written = fits ? cp1250 : text;
    out.write(written.data(), std::streamsize(written.size()));
    out.close();
    return bool(out);
}

CString CTableExport::NumberFormat(const CColumnInfo& info) const
{
    if (info.IsText())
        return "@";
    if (!info.IsNumeric())
        return CString();
    const int places = info.decimals != -2 ? info.decimals : info.type == 5 ? moneyDecimals : decimals;
    CString format = "#,##0";
    if (places > 0)
        format += "." + CString(std::string(std::size_t(places), '0').c_str());
    return format;
}

void CTableExport::FillSheet(workbook::Worksheet& sheet) const
{
    workbook::SheetFormatting& look = sheet.Formatting();
    const int fixedRows = m_grid.GetFixedRowCount();
    const int first = FirstDataColumn();
    for (int col = first; col < m_grid.GetColumnCount(); ++col)
    {
        const int target = col - first;
        const std::shared_ptr<CColumnInfo> info = m_columnInfo(col);
        const CString format = info ? NumberFormat(*info) : CString();
        const bool numeric = info && info->IsNumeric();
        int widest = 0;
        for (int row = 0; row < m_grid.GetRowCount(); ++row)
        {
            CString text = ValueText(row, col);
            if (!thousandsSeparator.IsEmpty())
                text.Replace(thousandsSeparator, "");
            double value = 0;
            if (row >= fixedRows && numeric && !text.IsEmpty() && NumberText::Parse(text.str(), value))
                sheet.SetNumber(row, target, value);
            else
                sheet.SetText(row, target, text.str());
            widest = std::max(widest, text.GetLength());

            const CCellHtmlStyle html = StyleOf(row, col);
            workbook::CellStyle style;
            style.fontName = html.face.str();
            style.fontTwips = html.points * 20;
            style.bold = html.bold;
            style.italic = html.italic;
            style.underline = html.underline;
            style.fontColour = html.textColour;
            style.fillColour = html.backColour;
            style.borderLeft = style.borderRight = (html.gridLines & CCellHtmlStyle::vertical) != 0;
            style.borderTop = style.borderBottom = (html.gridLines & CCellHtmlStyle::horizontal) != 0;
            style.borderColour = html.lineColour;
            const DWORD cellFormat = m_grid.GetItemFormat(row, col);
            style.alignment = (cellFormat & DT_RIGHT)    ? workbook::HorizontalAlignment::Right
                              : (cellFormat & DT_CENTER) ? workbook::HorizontalAlignment::Centre
                                                         : workbook::HorizontalAlignment::Left;
            if (row >= fixedRows)
                style.numberFormat = format.str();
            look.SetCellStyle(row, target, look.AddStyle(style));
        }
        // Fitted to the longest text, as the spreadsheet's own fitting does.
        look.SetColumnWidth(target, std::clamp(widest + 2, 4, 100) * 256);
        look.SetColumnHidden(target, !Visible(col));
    }
    for (int row = 0; row < m_grid.GetRowCount(); ++row)
        if (m_grid.GetRowHeight(row) == 0)
            look.SetRowHidden(row, true);
}

CTableExport::WorkbookResult CTableExport::WriteWorkbook(const CString& path, CString sheetName,
                                                         const std::function<bool(CString& name)>& rename) const
{
    try
    {
        workbook::Workbook book;
        if (QFileInfo::exists(QString::fromUtf8(path.GetString())))
            book = workbook::ReadWorkbook(path.str());
        for (;;)
        {
            const int existing = book.SheetIndex(sheetName.str());
            if (existing < 0)
                break;
            CString names;
            for (int i = 0; i < book.SheetCount(); ++i)
                names += "\"" + CString(book.Sheet(i).Name().c_str()) + "\" ";
            CString pattern;
            pattern.LoadString(IDS_EXPORT_SHEET_EXISTS);
            CString question;
            question.Format(pattern.GetString(), sheetName.GetString(), path.GetString(), names.GetString());
            const int answer = AfxMessageBox(question, MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION);
            if (answer == IDCANCEL)
                return cancelled;
            if (answer == IDYES)
            {
                book.Sheet(existing) = workbook::Worksheet(book.Sheet(existing).Name());
                break;
            }
            if (!rename(sheetName))
                return cancelled;
        }
        const int index = book.SheetIndex(sheetName.str());
        workbook::Worksheet& sheet = index >= 0 ? book.Sheet(index) : book.AddSheet(sheetName.str());
        FillSheet(sheet);
        workbook::WriteWorkbook(book, path.str());
        return written;
    }
    catch (const workbook::WorkbookError&)
    {
        AfxMessageBox(IDS_EXPORT_FAILED, MB_OK | MB_ICONEXCLAMATION);
        return failed;
    }
}
