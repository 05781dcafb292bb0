// The table printed into PDF files and read back, the preview, and the options sheet run from
// the table window with the changed options brought to every open table.
#include "dataeditor/document/tests/DocumentFixture.h"

#include "controls/grid/CGridCellBase.h"
#include "dataeditor/app/COptionsPropertySheet.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/FrameIds.h"
#include "platform/gdi/PrintJob.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CPropertySheet.h"

#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>

#include <regex>

namespace
{
// A price list of nine rows: names, prices read with all their digits, a text column, four
// narrow ones and the row-format column making rows 2 and 5 the last of their pages.
class Printing : public DocumentFixture
{
protected:
    static void SetUpTestSuite() { UserLocale::SetCurrent(UserLocale::Czech()); }
    static void TearDownTestSuite() { UserLocale::ResetToSystem(); }
    void SetUp() override
    {
        DocumentFixture::SetUp();
        m_list = Folder("cenik.xls");
        RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
s = book.add_sheet('Ceník')
heads = ['Název', 'Cena', 'Popis', 'Výrobce', 'Země', 'Barva', 'Kód', 'Format']
for c, name in enumerate(heads):
    s.write(0, c, name)
for r in range(1, 10):
    s.write(r, 0, 'Kotel%d' % r)
    s.write(r, 1, [0.1234567891, 1234.5, 99][r % 3])
    s.write(r, 2, 'popis %d' % r)
    for c in range(3, 7):
        s.write(r, c, '%s%d' % (heads[c][:3].lower(), r))
    if r in (2, 5):
        s.write(r, 7, '/||T|0')
book.save(sys.argv[1])
)",
                  {m_list});
    }

    CSobrelView* OpenList(const QString& path)
    {
        auto* document = dynamic_cast<CSobrelDoc*>(Template()->OpenDocumentFile(path.toUtf8().constData(), TRUE));
        return document ? document->View() : nullptr;
    }
    CSobrelOptions& Options() { return m_app->options; }

    // Prints the view into a PDF file of the test folder through the print command.
    QString Print(CSobrelView* view, const char* name)
    {
        const QString pdf = Folder(name);
        Gdi::SetNextPrintFile(pdf);
        view->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        QDir().mkpath("pictures");
        QFile::remove(QString("pictures/sobrel-") + name);
        QFile::copy(pdf, QString("pictures/sobrel-") + name);
        return pdf;
    }
    static std::string Run(const char* program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(20000);
        return process.readAllStandardOutput().toStdString();
    }
    static std::string Page(const QString& pdf, int page)
    {
        const QString number = QString::number(page);
        return Run("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
    }
    static int PageCount(const QString& pdf)
    {
        const std::string info = Run("pdfinfo", {pdf});
        const std::size_t at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
    }
    // Page 1 turned into a picture holds a pixel of this colour.
    bool FirstPageHolds(const QString& pdf, QRgb colour) const
    {
        const QString prefix = Folder("strana");
        Run("pdftoppm", {"-r", "40", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
        const QImage picture(prefix + ".png");
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if ((picture.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    return true;
        return false;
    }
    // Runs a command that opens the options sheet; the action answers the sheet.
    static void OnSheet(std::function<void(COptionsPropertySheet&)> action)
    {
        ScriptedAnswers::OnDialog(0, [action](CDialog& dialog) {
            action(static_cast<COptionsPropertySheet&>(dialog));
            return IDCANCEL;
        });
    }
    static std::string Column(CSobrelView* view, int col)
    {
        std::string texts;
        CSobrelGrid& grid = *view->Grid();
        for (int r = 1; r < grid.GetRowCount(); ++r)
            texts += std::string(grid.GetItemText(r, col)) + (r + 1 < grid.GetRowCount() ? "," : "");
        // The Czech thousands separator, a no-break space, read as a space.
        return std::regex_replace(texts, std::regex("\xC2\xA0"), " ");
    }

    QString m_list;
};
} // namespace

TEST_F(Printing, PagesCarryTheExpandedHeaderAndFooterAndEndAfterEachSwitchedOffRow)
{
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    view->ApplyRowFormats();
    Options().headerFooter = {"Vlevo %PAGE%\t%TITLE%\tStrana %PAGE% z %PAGES%\t{%TIME% }Pata\t\t%DATE%",
                              "druhá položka\t\t\t\t\t"};
    EXPECT_TRUE(CommandEnabled(view, ID_FILE_PRINT));
    EXPECT_TRUE(CommandEnabled(view, ID_FILE_PRINT_PREVIEW));
    // A found mark is printed as a fill.
    view->Grid()->SetItemBkColour(1, 1, RGB(255, 160, 0));

    const QString pdf = Print(view, "tisk.pdf");
    EXPECT_TRUE(FirstPageHolds(pdf, qRgb(255, 160, 0)));
    ASSERT_EQ(PageCount(pdf), 3);
    const std::string date(COleDateTime::GetCurrentTime().Format(VAR_DATEVALUEONLY));
    const char* rows[3][2] = {{"Kotel1", "Kotel2"}, {"Kotel3", "Kotel5"}, {"Kotel6", "Kotel9"}};
    for (int page = 1; page <= 3; ++page)
    {
        const std::string text = Page(pdf, page);
        EXPECT_NE(text.find("Vlevo " + std::to_string(page)), std::string::npos) << text;
        EXPECT_NE(text.find("Strana " + std::to_string(page) + " z 3"), std::string::npos) << text;
        EXPECT_NE(text.find("cenik.xls"), std::string::npos) << text;
        EXPECT_NE(text.find("Pata"), std::string::npos) << text;
        EXPECT_NE(text.find(date), std::string::npos) << text;
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        EXPECT_EQ(text.find("druhá"), std::string::npos) << text;
        EXPECT_NE(text.find("Název"), std::string::npos) << text;
        EXPECT_EQ(text.find("Format"), std::string::npos) << "the row-format column is hidden";
        EXPECT_NE(text.find(rows[page - 1][0]), std::string::npos) << text;
        EXPECT_NE(text.find(rows[page - 1][1]), std::string::npos) << text;
        for (int other = 1; other <= 3; ++other)
            if (other != page)
                EXPECT_EQ(text.find(rows[other - 1][0]), std::string::npos) << text;
    }
    // Row numbers lead the rows.
    EXPECT_TRUE(std::regex_search(Page(pdf, 1), std::regex(R"(\n\s*1\s+Kotel1)")));
    EXPECT_NE(Page(pdf, 1).find('#'), std::string::npos);
}

TEST_F(Printing, RowNumbersSwitchedOffAreLeftOutAndComeBackAfterwards)
{
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    view->ApplyRowFormats();
    const int width = view->Grid()->GetColumnWidth(0);
    ASSERT_GT(width, 0);
    Options().printRowNumbers = 0;
    Options().printFill = 0;
    Options().headerFooter.clear();
    view->Grid()->SetItemBkColour(1, 1, RGB(255, 160, 0));
    const QString pdf = Print(view, "bez-cisel.pdf");
    EXPECT_FALSE(FirstPageHolds(pdf, qRgb(255, 160, 0)));
    ASSERT_EQ(PageCount(pdf), 3);
    const std::string first = Page(pdf, 1);
    EXPECT_TRUE(std::regex_search(first, std::regex(R"(\n\s*Kotel1)"))) << first;
    EXPECT_FALSE(std::regex_search(first, std::regex(R"(\b1\s+Kotel1)"))) << first;
    EXPECT_EQ(first.find('#'), std::string::npos) << first;
    EXPECT_EQ(first.find("Strana"), std::string::npos) << "no header without entries";
    EXPECT_EQ(view->Grid()->GetColumnWidth(0), width);
    EXPECT_EQ(view->Grid()->GetColumnWidth(view->FormatColumn()), 0);
}

TEST_F(Printing, FittingToPagesAcrossSpreadsTheColumnsOverThatManyPages)
{
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    for (int r = 1; r <= 9; ++r)
        view->Grid()->SetItemText(r, view->FormatColumn(), "");
    view->ApplyRowFormats();
    Options().printAutoZoom = 1;
    const char* headings[] = {"Název", "Cena", "Popis", "Výrobce", "Země", "Barva", "Kód"};
    for (int across : {1, 2, 3})
    {
        Options().printAutoZoomPagesHoriz = across;
        // Far wider than a page at full size.
        for (int c = 1; c < view->Grid()->GetColumnCount(); ++c)
            if (c != view->FormatColumn())
                view->Grid()->SetColumnWidth(c, 400);
        const QString pdf = Print(view, ("napric-" + std::to_string(across) + ".pdf").c_str());
        ASSERT_EQ(PageCount(pdf), across);
        // Every column on exactly one page, in order; the row numbers on each page.
        std::string all;
        for (int page = 1; page <= across; ++page)
        {
            const std::string text = Page(pdf, page);
            EXPECT_NE(text.find('#'), std::string::npos) << text;
            all += text;
        }
        for (const char* heading : headings)
        {
            const std::size_t at = all.find(heading);
            EXPECT_NE(at, std::string::npos) << heading;
            EXPECT_EQ(all.find(heading, at + 1), std::string::npos) << heading << " printed twice";
        }
        if (across == 2)
        {
            EXPECT_NE(Page(pdf, 1).find("Název"), std::string::npos);
            EXPECT_NE(Page(pdf, 2).find("Kód"), std::string::npos);
        }
    }
}

TEST_F(Printing, ThePreviewShowsThePrintedPagesAndCloses)
{
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    view->ApplyRowFormats();
    int pages = -1;
    Gdi::SetPreviewHook([&pages](QPrintPreviewDialog* preview) {
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
        preview->reject();
    });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pages, 3);
    EXPECT_GT(view->Grid()->GetColumnWidth(0), 0);

    // A table without columns has nothing to print.
    while (view->columnCount > 0)
        view->DeleteColumn(view->fixedColumns);
    EXPECT_FALSE(CommandEnabled(view, ID_FILE_PRINT));
    EXPECT_FALSE(CommandEnabled(view, ID_FILE_PRINT_PREVIEW));
    EXPECT_TRUE(CommandEnabled(view, ID_OPTIONS));
    EXPECT_TRUE(CommandEnabled(view, ID_FILE_PRINT_SETUP));
}

TEST_F(Printing, ChangedColoursReachTheTableWithoutTouchingItsCellsOrJournal)
{
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    const std::string prices = Column(view, 2);
    bool onGeneralPage = false;
    OnSheet([&onGeneralPage](COptionsPropertySheet& sheet) {
        onGeneralPage = sheet.GetActivePage() == &sheet.general;
        sheet.general.values.colorText = RGB(200, 0, 0);
        sheet.general.values.colorFixedBack = RGB(0, 0, 120);
        sheet.general.CheckDlgButton(IDC_LINE_VERTICAL, BST_UNCHECKED);
        sheet.PressButton(PSBTN_OK);
    });
    view->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_TRUE(onGeneralPage);
    CSobrelGrid& grid = *view->Grid();
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetTextClr(), RGB(200, 0, 0));
    EXPECT_EQ(grid.GetDefaultCell(TRUE, FALSE)->GetBackClr(), RGB(0, 0, 120));
    EXPECT_EQ(grid.GetDefaultCell(FALSE, TRUE)->GetBackClr(), RGB(0, 0, 120));
    EXPECT_EQ(grid.GetGridLines(), GVL_HORZ);
    EXPECT_EQ(Column(view, 2), prices);
    EXPECT_TRUE(view->Journal().empty());
    EXPECT_FALSE(view->Document()->IsModified());
}

TEST_F(Printing, NewDefaultDecimalsReformatRealsFromTheirDataAndJournalOnlyWritableTables)
{
    const QString copy = Folder("cenik-kopie.xls");
    ASSERT_TRUE(QFile::copy(m_list, copy));
    ::chmod(copy.toUtf8().constData(), 0440);
    ASSERT_TRUE(Start());
    CSobrelView* writable = OpenList(m_list);
    CSobrelView* readOnly = OpenList(copy);
    ASSERT_NE(writable, nullptr);
    ASSERT_NE(readOnly, nullptr);
    ASSERT_TRUE(readOnly->Document()->readOnly);
    ASSERT_EQ(writable->ColumnInfo(2)->decimals, -2);
    ASSERT_TRUE(writable->ColumnInfo(2)->IsReal());
    const std::string asRead = Column(writable, 2);

    const auto decimals = [](const char* count) {
        OnSheet([count](COptionsPropertySheet& sheet) {
            sheet.general.SetDlgItemText(IDC_DECIMALS, count);
            sheet.PressButton(PSBTN_OK);
        });
    };
    decimals("4");
    readOnly->SendMessage(WM_COMMAND, ID_OPTIONS);
    for (CSobrelView* view : {writable, readOnly})
        EXPECT_EQ(Column(view, 2), "1 234,5000,99,0000,0,1235,1 234,5000,99,0000,0,1235,1 234,5000,99,0000,0,1235");
    EXPECT_TRUE(readOnly->Journal().empty());
    ASSERT_EQ(writable->Journal().size(), 11u);
    EXPECT_EQ(writable->Journal().front()->kind, CUndoStep::GroupBegin);
    EXPECT_EQ(writable->Journal().back()->kind, CUndoStep::GroupEnd);
    EXPECT_EQ(writable->Journal()[1]->kind, CUndoStep::CellText);

    // Six decimals start again from the values as read, not from the four shown.
    decimals("6");
    writable->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_EQ(Column(readOnly, 2).substr(0, 38), "1 234,500000,99,000000,0,123457,1 234,");
    ASSERT_EQ(writable->Journal().size(), 22u);
    writable->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    writable->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Column(writable, 2), asRead);
    EXPECT_EQ(writable->GetDataText(3, 2), "0,1234567891");
}

TEST_F(Printing, BreakWidthIsShownInMillimetresAndACancelledOneStaysAsItWas)
{
    ASSERT_TRUE(Start());
    Options().breakText = 1;
    Options().breakTextWidth = 190;
    CSobrelView* view = OpenList(m_list);
    ASSERT_NE(view, nullptr);
    CSobrelGrid& grid = *view->Grid();
    EXPECT_EQ(grid.GetCell(1, 3)->GetMaxTextWidth(), 190);
    EXPECT_EQ(grid.GetCell(1, 2)->GetMaxTextWidth(), -1) << "numbers do not break";
    CClientDC screen(m_app->m_pMainWnd);
    const double dpi = screen.GetDeviceCaps(LOGPIXELSX);
    const int shown = int(190 * 2540 / dpi) / 100;

    UINT seen = 0;
    bool onPrintPage = false;
    OnSheet([&](COptionsPropertySheet& sheet) {
        onPrintPage = sheet.GetActivePage() == &sheet.print;
        sheet.SetActivePage(&sheet.general);
        seen = sheet.general.GetDlgItemInt(IDC_BREAK_WIDTH);
        sheet.general.SetDlgItemText(IDC_BREAK_WIDTH, "120");
        sheet.PressButton(PSBTN_CANCEL);
    });
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    EXPECT_TRUE(onPrintPage);
    EXPECT_EQ(int(seen), shown);
    EXPECT_EQ(Options().breakTextWidth, 190);
    EXPECT_EQ(grid.GetCell(1, 3)->GetMaxTextWidth(), 190);

    // Untouched, the width keeps its exact value; a new one arrives in screen units.
    OnSheet([](COptionsPropertySheet& sheet) { sheet.PressButton(PSBTN_OK); });
    view->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_EQ(Options().breakTextWidth, 190);
    grid.SetItemText(1, 3, "dlouhý popis kotle, který se na jeden řádek nevejde");
    OnSheet([](COptionsPropertySheet& sheet) {
        sheet.general.SetDlgItemText(IDC_BREAK_WIDTH, "20");
        sheet.PressButton(PSBTN_OK);
    });
    view->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_NEAR(Options().breakTextWidth, 20 * dpi / 25.4, 1.0);
    EXPECT_EQ(grid.GetCell(1, 3)->GetMaxTextWidth(), Options().breakTextWidth);
    EXPECT_NE(grid.GetColumnInfo(3), nullptr) << "the heading keeps the description";
    // The long text takes several lines of a column no wider than the width.
    EXPECT_LE(grid.GetColumnWidth(3), Options().breakTextWidth);
    EXPECT_GT(grid.GetRowHeight(1), 2 * grid.GetRowHeight(2));
    // A new row and a new text column break theirs too.
    view->InsertRow(grid.GetRowCount());
    EXPECT_EQ(grid.GetCell(grid.GetRowCount() - 1, 3)->GetMaxTextWidth(), Options().breakTextWidth);
    EXPECT_EQ(grid.GetCell(grid.GetRowCount() - 1, 2)->GetMaxTextWidth(), -1);
    view->InsertColumn(2, "Nový", std::make_shared<CColumnInfo>(10, 255, -2));
    EXPECT_EQ(grid.GetCell(1, 2)->GetMaxTextWidth(), Options().breakTextWidth);
    const std::string printed = Page(Print(view, "zalomeni.pdf"), 1);
    EXPECT_NE(printed.find("dlouhý"), std::string::npos) << printed;
    EXPECT_NE(printed.find("nevejde"), std::string::npos) << printed;

    // Switched off, text columns break no lines.
    OnSheet([](COptionsPropertySheet& sheet) {
        sheet.general.CheckDlgButton(IDC_BREAK_TEXT, BST_UNCHECKED);
        sheet.PressButton(PSBTN_OK);
    });
    view->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_EQ(grid.GetCell(1, 4)->GetMaxTextWidth(), -1);
    EXPECT_EQ(grid.GetRowHeight(1), grid.GetRowHeight(2));
    EXPECT_GT(grid.GetColumnWidth(4), Options().breakTextWidth);
}

// A row in dark red bold four points larger, a plain one and one in dark blue italic: each
// prints with its own font and colour, the plain one in black with the table's font.
TEST_F(Printing, EachRowPrintsWithItsOwnFontAndTextColour)
{
    const QString path = Folder("kotle.xls");
    RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
s = book.add_sheet('Kotle')
for c, name in enumerate(['Název', 'Výkon', 'Format']):
    s.write(0, c, name)
rows = [('Tučný', 24.5, 'c00000||T|4'), ('Obyčejný', 12, ''), ('Kurzíva', 8, '0000c0||K|0')]
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        if value != '':
            s.write(r + 1, c, value)
book.save(sys.argv[1])
)",
              {path});
    ASSERT_TRUE(Start());
    CSobrelView* view = OpenList(path);
    ASSERT_NE(view, nullptr);
    Options().headerFooter.clear();
    const QString pdf = Print(view, "pisma.pdf");
    ASSERT_EQ(PageCount(pdf), 1);
    const std::string text = Page(pdf, 1);
    for (const char* word : {"Tučný", "24,5", "Obyčejný", "Kurzíva"})
        EXPECT_NE(text.find(word), std::string::npos) << word << "\n" << text;
    EXPECT_EQ(text.find("c00000"), std::string::npos) << "the format codes are not printed";

    // The page uses a bold and an italic face beside the regular one.
    const std::string fonts = Run("pdffonts", {pdf});
    EXPECT_TRUE(std::regex_search(fonts, std::regex("Bold"))) << fonts;
    EXPECT_TRUE(std::regex_search(fonts, std::regex("Italic|Oblique"))) << fonts;

    // The larger row's words are taller than the plain row's.
    const std::string boxes = Run("pdftotext", {"-bbox", pdf, "-"});
    const auto height = [&boxes](const std::string& word) {
        const std::regex box("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">" + word + "<");
        std::smatch found;
        return std::regex_search(boxes, found, box) ? std::stod(found[2]) - std::stod(found[1]) : 0.0;
    };
    EXPECT_GT(height("Tučný"), 1.2 * height("Obyčejný")) << boxes;
    EXPECT_NEAR(height("Kurzíva"), height("Obyčejný"), 0.5) << boxes;

    // Dark red and dark blue text on the page; every other text black.
    const QString prefix = Folder("pisma");
    Run("pdftoppm", {"-r", "100", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
    const QImage picture(prefix + ".png");
    ASSERT_FALSE(picture.isNull());
    int red = 0, blue = 0, otherColour = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
        {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.red() > 120 && pixel.green() < 40 && pixel.blue() < 40)
                ++red;
            else if (pixel.blue() > 120 && pixel.red() < 40 && pixel.green() < 40)
                ++blue;
            else if (const int hue = pixel.hue();
                     pixel.saturation() > 100 && pixel.value() > 60 && hue > 20 && hue < 340 && std::abs(hue - 240) > 20)
                ++otherColour;
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(blue, 20);
    EXPECT_EQ(otherColour, 0);
    QFile::copy(prefix + ".png", "pictures/sobrel-pisma.png");
}
