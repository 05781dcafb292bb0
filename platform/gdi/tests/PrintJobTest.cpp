#include "PrintedReport.h"

#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Gray
{
    int width = 0, height = 0;
    QByteArray pixels;
    int At(int x, int y) const { return uchar(pixels[y * width + x]); }
};

// Reads a binary PGM file (P5, maxval 255).
Gray ReadPgm(const QString& path)
{
    QFile f(path);
    Gray g;
    if (!f.open(QIODevice::ReadOnly))
        return g;
    const QByteArray data = f.readAll();
    QList<QByteArray> fields;
    int pos = 0;
    while (fields.size() < 4 && pos < data.size())
    {
        while (pos < data.size() && QChar(data[pos]).isSpace())
            ++pos;
        const int start = pos;
        while (pos < data.size() && !QChar(data[pos]).isSpace())
            ++pos;
        fields << data.mid(start, pos - start);
    }
    g.width = fields.value(1).toInt();
    g.height = fields.value(2).toInt();
    g.pixels = data.mid(pos + 1, g.width * g.height);
    return g;
}

std::vector<std::string> Expected(UINT pages)
{
    std::vector<std::string> calls = {"prepare", "begin"};
    for (UINT p = 1; p <= pages; ++p)
    {
        calls.push_back("dc " + std::to_string(p));
        calls.push_back("print " + std::to_string(p));
    }
    calls.push_back("end");
    return calls;
}
} // namespace

TEST(PrintJob, ThreeLometricPagesPrintToPdfWithTheirTextsInOrder)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    PrintedReport report;
    Gdi::SetNextPrintFile(pdf);
    ASSERT_TRUE(Gdi::RunPrint(report));
    EXPECT_EQ(report.calls, Expected(3));
    ASSERT_TRUE(QFile::exists(pdf));

    const QString info = RunTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3"))) << info.toStdString();
    for (UINT page = 1; page <= 3; ++page)
    {
        const QString text = RunTool("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page),
                                               pdf, "-"});
        int at = -1;
        for (const std::string& expected : PrintedReport::TextsOfPage(page, 3))
        {
            const int found = int(text.indexOf(QString::fromStdString(expected)));
            EXPECT_GT(found, at) << "page " << page << ": " << expected << "\n" << text.toStdString();
            at = std::max(at, found);
        }
    }

    // At 254 dots per inch one pixel is 0.1 mm: the rectangle (100, -100, 1000, -500) lies
    // 10 mm to 100 mm right and 10 mm to 50 mm down from the sheet's corner.
    const QString prefix = dir.filePath("page");
    RunTool("pdftoppm", {"-r", "254", "-gray", "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
    const Gray g = ReadPgm(prefix + ".pgm");
    ASSERT_GT(g.width, 1000);
    QRect ink;
    for (int y = 0; y < 560; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.At(x, y) < 160)
                ink = ink.united(QRect(x, y, 1, 1));
    EXPECT_NEAR(ink.left(), 100, 5);
    EXPECT_NEAR(ink.top(), 100, 5);
    EXPECT_NEAR(ink.right() + 1, 1000, 5);
    EXPECT_NEAR(ink.bottom() + 1, 500, 5);

    // A picture of the page for a person to look at.
    QDir().mkpath("pictures");
    RunTool("pdftoppm", {"-r", "100", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, "pictures/printed-page"});
}

TEST(PrintJob, PreviewRunsTheWholeCycleForTheSamePages)
{
    PrintedReport report;
    int previewPages = -1;
    Gdi::SetPreviewHook([&](QPrintPreviewDialog* dialog) {
        if (auto* widget = dialog->findChild<QPrintPreviewWidget*>())
            previewPages = widget->pageCount();
        dialog->reject();
    });
    ASSERT_TRUE(Gdi::RunPrintPreview(report));
    EXPECT_EQ(previewPages, 3);
    ASSERT_GE(report.calls.size(), Expected(3).size());
    // The preview may paint more than once; each run covers pages 1 to 3 and ends.
    std::vector<std::string> firstRun(report.calls.begin(), report.calls.begin() + long(Expected(3).size()));
    EXPECT_EQ(firstRun, Expected(3));
    EXPECT_EQ(report.calls.back(), "end");
}

TEST(PrintJob, MaximumPageBoundsThePages)
{
    QTemporaryDir dir;
    PrintedReport report;
    report.pages = 1;
    ASSERT_TRUE(Gdi::RunPrintToFile(report, dir.filePath("one.pdf")));
    EXPECT_EQ(report.calls, Expected(1));
}
