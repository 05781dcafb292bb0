#pragma once
// Reading printed reports back: the text of a PDF file, texts in order, counts, pictures.

#include <string>
#include <vector>

namespace ReportPdf
{
// The text of a PDF file as pdftotext lays it out.
std::string Text(const std::string& pdf);
// The text with every run of blanks made one blank (the columns of a line as single words).
std::string Squeezed(const std::string& text);
// The text of one page.
std::string PageText(const std::string& pdf, int page);
// The left edge in points of the first word of the PDF that is this text; -1 when missing.
double LeftOf(const std::string& pdf, const std::string& word);
// The top edge in points of the first word of the PDF that is this text; -1 when missing.
double TopOf(const std::string& pdf, const std::string& word);
// The places of these texts in the text, each after the one before; npos (and a test failure)
// where one is missing. A part that ends with a line end leaves it to open the next part.
size_t InOrder(const std::string& text, const std::vector<std::string>& parts);
size_t Count(const std::string& text, const std::string& part);
// Per page: how far the lowest text other than the page line lies below the bottom margin, in
// millimetres (0 or less when it keeps within it); the page line is "Strana p z n".
std::vector<double> BelowBottomMargin(const std::string& pdf, double bottomMarginMm);
// Per page, in points from the top of the sheet: the sheet's height, the top and bottom of the
// page line ("Strana p z n"; -1 when missing) and the bottom of the lowest other text.
struct PageBottom
{
    double sheetHeight = 0.0;
    double pageLineTop = -1.0;
    double pageLineBottom = -1.0;
    double lowestOther = 0.0;
};
std::vector<PageBottom> PageBottoms(const std::string& pdf);
// The folder of the pictures for a person to look at.
std::string PictureFolder();
// One page of a PDF as a PNG picture in the picture folder, named name.png.
void Picture(const std::string& pdf, int page, const std::string& name);
} // namespace ReportPdf
