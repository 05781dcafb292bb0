#include "ReportPdf.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ReportPdf
{
namespace
{
std::string Run(const QStringList& arguments)
{
    QProcess process;
    process.start("pdftotext", arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput().toStdString();
}
} // namespace

std::string Text(const std::string& pdf)
{
    return Run({"-layout", QString::fromStdString(pdf), "-"});
}

std::string Squeezed(const std::string& text)
{
    std::string squeezed;
    for (const char c : text)
        if (c != ' ' || squeezed.empty() || squeezed.back() != ' ')
            squeezed += c;
    return squeezed;
}

std::string PageText(const std::string& pdf, int page)
{
    return Run({"-layout", "-f", QString::number(page), "-l", QString::number(page),
                QString::fromStdString(pdf), "-"});
}

namespace
{
double EdgeOf(const std::string& pdf, const std::string& word, const char* edge)
{
    const std::string boxes = Run({"-bbox", QString::fromStdString(pdf), "-"});
    const size_t at = boxes.find(">" + word + "</word>");
    const size_t start = boxes.rfind(std::string(edge) + "=\"", at);
    if (at == std::string::npos || start == std::string::npos)
        return -1.0;
    return std::stod(boxes.substr(start + std::string(edge).size() + 2));
}
} // namespace

double LeftOf(const std::string& pdf, const std::string& word)
{
    return EdgeOf(pdf, word, "xMin");
}

double TopOf(const std::string& pdf, const std::string& word)
{
    return EdgeOf(pdf, word, "yMin");
}

size_t InOrder(const std::string& text, const std::vector<std::string>& parts)
{
    size_t at = 0;
    for (const std::string& part : parts)
    {
        at = text.find(part, at);
        if (at == std::string::npos)
        {
            ADD_FAILURE() << "missing or out of order: " << part;
            return at;
        }
        // A line end that closes a part may open the next one.
        at += part.size() - (!part.empty() && part.back() == '\n' ? 1 : 0);
    }
    return at;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::vector<PageBottom> PageBottoms(const std::string& pdf)
{
    const std::string boxes = Run({"-bbox", QString::fromStdString(pdf), "-"});
    auto attribute = [&](size_t at, const char* name)
    {
        const size_t start = boxes.find(std::string(name) + "=\"", at);
        return std::stod(boxes.substr(start + std::string(name).size() + 2));
    };
    std::vector<PageBottom> pages;
    for (size_t page = boxes.find("<page "); page != std::string::npos;)
    {
        const size_t next = boxes.find("<page ", page + 1);
        const size_t end = next == std::string::npos ? boxes.size() : next;
        PageBottom bottom;
        bottom.sheetHeight = attribute(page, "height");
        // The page line's words share the line of "Strana".
        const size_t strana = boxes.find(">Strana</word>", page);
        if (strana < end)
        {
            const size_t word = boxes.rfind("<word ", strana);
            bottom.pageLineTop = attribute(word, "yMin");
            bottom.pageLineBottom = attribute(word, "yMax");
        }
        for (size_t word = boxes.find("<word ", page); word < end; word = boxes.find("<word ", word + 1))
            if (std::abs(attribute(word, "yMin") - bottom.pageLineTop) >= 0.5)
                bottom.lowestOther = std::max(bottom.lowestOther, attribute(word, "yMax"));
        pages.push_back(bottom);
        page = next;
    }
    return pages;
}

std::vector<double> BelowBottomMargin(const std::string& pdf, double bottomMarginMm)
{
    std::vector<double> pages;
    for (const PageBottom& page : PageBottoms(pdf))
        pages.push_back((page.lowestOther - (page.sheetHeight - bottomMarginMm * 72.0 / 25.4)) * 25.4 / 72.0);
    return pages;
}

std::string PictureFolder()
{
    const QString folder = QStringLiteral(KALVENROD_PICTURE_DIR);
    QDir().mkpath(folder);
    return folder.toStdString();
}

void Picture(const std::string& pdf, int page, const std::string& name)
{
    QProcess::execute("pdftoppm", {"-png", "-r", "60", "-f", QString::number(page), "-l",
                                   QString::number(page), "-singlefile", QString::fromStdString(pdf),
                                   QString::fromStdString(PictureFolder() + "/" + name)});
}
} // namespace ReportPdf
