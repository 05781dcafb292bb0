// The editor grid printed into a PDF and read back: header and footer expanded with their
// braced groups gone, a page ending after each page-break row, pages across first.
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/gdi/PrintJob.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace
{
// Runs the grid's print cycle as a view would.
class GridPrint : public Gdi::PrintClient
{
public:
    explicit GridPrint(CSobrelGrid& grid) : m_grid(grid) {}
    BOOL OnPreparePrinting(CPrintInfo*) override { return TRUE; }
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override { m_grid.OnBeginPrinting(dc, info); }
    void OnPrepareDC(CDC*, CPrintInfo*) override {}
    void OnPrint(CDC* dc, CPrintInfo* info) override { m_grid.OnPrint(dc, info); }
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override { m_grid.OnEndPrinting(dc, info); }

private:
    CSobrelGrid& m_grid;
};

std::string PageText(const QString& pdf, int page)
{
    QProcess process;
    process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    process.waitForFinished(20000);
    return process.readAllStandardOutput().toStdString();
}

int PageCount(const QString& pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(20000);
    const std::string info = process.readAllStandardOutput().toStdString();
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}
} // namespace

TEST(SobrelGridPrint, PageBreakRowsEndTheirPagesAndColumnsGoAcrossFirst)
{
    UiTest::EnsureApplication();
    CWnd owner;
    owner.CreateEx(0, nullptr, "Katalog kotlů|CZ", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 400), nullptr, 0);
    CSobrelGrid grid(7, 4, 1, 1);
    grid.Create(CRect(0, 0, 620, 380), &owner, 1658);
    std::vector<std::unique_ptr<CColumnInfo>> infos;
    const char* headings[] = {"Název", "Popis", "Format"};
    for (int col = 1; col < 4; ++col)
    {
        infos.push_back(std::make_unique<CColumnInfo>(10, 255, -2));
        grid.SetColumnInfo(col, infos.back().get());
        grid.SetItemText(0, col, headings[col - 1]);
    }
    for (int row = 1; row < 7; ++row)
    {
        grid.SetItemTextFmt(row, 0, "%d", row);
        grid.SetItemTextFmt(row, 1, "Kotel%d", row);
        grid.SetItemTextFmt(row, 2, "Popis%d", row);
    }
    grid.SetItemText(2, 3, "/||T|0");
    grid.ApplyRowFormats(FALSE, FALSE);
    // Two wide columns: one page across each.
    grid.SetColumnWidth(1, 2000);
    grid.SetColumnWidth(2, 2000);
    grid.printColumnsAcross = TRUE;
    grid.headerFooter = "{%DATE% }Tisk\t%TITLE%\tStrana %PAGE% z %PAGES%\t\t{neukázat}Konec\t";

    QTemporaryDir dir;
    const QString pdf = dir.path() + "/tabulka.pdf";
    GridPrint client(grid);
    ASSERT_TRUE(Gdi::RunPrintToFile(client, pdf));
    ASSERT_EQ(PageCount(pdf), 4);
    QDir().mkpath("pictures");
    QFile::remove("pictures/sobrel-grid-print.pdf");
    QFile::copy(pdf, "pictures/sobrel-grid-print.pdf");
    const std::string first = PageText(pdf, 1), second = PageText(pdf, 2), third = PageText(pdf, 3);
    EXPECT_NE(first.find("Tisk"), std::string::npos) << first;
    EXPECT_NE(first.find("Katalog kotlů"), std::string::npos) << first;
    EXPECT_EQ(first.find("|CZ"), std::string::npos) << first;
    EXPECT_NE(first.find("Strana 1 z 4"), std::string::npos) << first;
    EXPECT_NE(first.find("Konec"), std::string::npos) << first;
    EXPECT_EQ(first.find("neukázat"), std::string::npos) << first;
    // Page 1: the first band of rows (ending with the page-break row 2), first column.
    EXPECT_NE(first.find("Kotel2"), std::string::npos) << first;
    EXPECT_EQ(first.find("Kotel3"), std::string::npos) << first;
    EXPECT_EQ(first.find("Popis1"), std::string::npos) << first;
    // Page 2: the same rows, the next column.
    EXPECT_NE(second.find("Popis2"), std::string::npos) << second;
    EXPECT_EQ(second.find("Kotel1"), std::string::npos) << second;
    EXPECT_NE(second.find("Strana 2 z 4"), std::string::npos) << second;
    // Page 3: the rows after the break.
    EXPECT_NE(third.find("Kotel3"), std::string::npos) << third;
    EXPECT_NE(third.find("Kotel6"), std::string::npos) << third;
    EXPECT_EQ(third.find("Kotel2"), std::string::npos) << third;
}
