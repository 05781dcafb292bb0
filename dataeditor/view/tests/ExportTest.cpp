#include "dataeditor/controls/tests/ControlsFixture.h"

#include "controls/grid/CGridCellBase.h"
#include "controls/grid/CGridCtrl.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/view/CTableExport.h"
#include "platform/dao/WorkbookFile.h"
#include "platform/dao/tests/DebianPython.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstring>
#include <map>

namespace
{
// A catalogue of three data columns (name, price with 2 decimals, a hidden note) and three rows,
// the last one hidden; the price right-aligned and red in the first row, the first name bold
// and italic in Arial, the second on yellow.
class Export : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        m_owned = std::make_unique<CGridCtrl>(4, 4, 1, 1);
        m_owned->SetGridLines(GVL_BOTH);
        m_owned->SetGridLineColor(0x808080);
        const char* const cells[4][4] = {{"", "Název", "Cena", "Poznámka"},
                                         {"1", "<b>&x", "1 234,5", "skrytá"},
                                         {"2", "dvě\nřádky", "", "x"},
                                         {"3", "Ventil \"A\"", "7", "y"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                m_owned->SetItemText(r, c, cells[r][c]);
        for (int r = 1; r < 4; ++r)
            m_owned->SetItemFormat(r, 2, DT_RIGHT);
        m_owned->SetItemFgColour(1, 2, 0x0000FF);
        LOGFONT font{};
        font.lfHeight = -13;
        font.lfWeight = 700;
        font.lfItalic = 1;
        std::strcpy(font.lfFaceName, "Arial");
        m_owned->GetCell(1, 1)->SetFont(&font);
        m_owned->SetItemBkColour(2, 1, RGB(255, 255, 0));
        m_owned->SetColumnWidth(3, 0);
        m_owned->SetRowHeight(3, 0);
        m_columns[1] = std::make_shared<CColumnInfo>(10, 50, -2);
        m_columns[2] = std::make_shared<CColumnInfo>(7, 8, 2);
        m_columns[3] = std::make_shared<CColumnInfo>(10, 50, -2);
    }
    CTableExport Exporter()
    {
        CTableExport exporter(*m_owned, [this](int col) { return m_columns[col]; });
        exporter.thousandsSeparator = " ";
        return exporter;
    }
    QString Path(const char* name) const { return m_dir.filePath(name); }

    std::unique_ptr<CGridCtrl> m_owned;
    std::map<int, std::shared_ptr<CColumnInfo>> m_columns;
    QTemporaryDir m_dir;
};

const char* const kHtmlCells = R"(
import json, sys
from html.parser import HTMLParser
class Cells(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.rows, self.cell, self.styles = [], None, []
    def handle_starttag(self, tag, attrs):
        if tag == 'tr': self.rows.append([])
        if tag == 'td': self.cell = ''; self.styles.append(dict(attrs).get('style', ''))
        if tag == 'br' and self.cell is not None: self.cell += '\n'
    def handle_endtag(self, tag):
        if tag == 'td': self.rows[-1].append(self.cell); self.cell = None
    def handle_data(self, data):
        if self.cell is not None: self.cell += data
raw = open(sys.argv[1], 'rb').read()
parser = Cells()
parser.feed(raw.decode('cp1250'))
json.dump({'rows': parser.rows, 'styles': parser.styles, 'crlf': b'\r\n' in raw and b'\n' not in raw.replace(b'\r\n', b'')}, sys.stdout)
)";

const char* const kXlrdSheet = R"(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
out = {'sheets': book.sheet_names()}
sheet = book.sheet_by_name(sys.argv[2])
cells = []
for r in range(sheet.nrows):
    row = []
    for c in range(sheet.ncols):
        xf = book.xf_list[sheet.cell_xf_index(r, c)]
        font = book.font_list[xf.font_index]
        row.append([sheet.cell_type(r, c), sheet.cell_value(r, c), book.format_map[xf.format_key].format_str,
                    xf.alignment.hor_align, '%02X%02X%02X' % book.colour_map[font.colour_index], xf.border.top_line_style,
                    font.bold, font.italic, font.name, '%02X%02X%02X' % book.colour_map[xf.background.pattern_colour_index]])
    cells.append(row)
out['cells'] = cells
out['hiddenColumns'] = [k for k, v in sheet.colinfo_map.items() if v.hidden]
out['hiddenRows'] = [k for k, v in sheet.rowinfo_map.items() if v.hidden]
json.dump(out, sys.stdout)
)";

QJsonObject Python(const char* script, const QStringList& args)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(RunPython(script, args))).object();
}
} // namespace

TEST_F(Export, HtmlTextEscapesMarkupAndWritesOtherScriptsAsReferences)
{
    struct Case
    {
        const char* text;
        const char* html;
    };
    for (const Case& c : {Case{"", "&nbsp;"}, Case{"<b>&x \"y\"", "&lt;b&gt;&amp;x &quot;y&quot;"},
                          Case{"a\r\nb\nc", "a<br>b<br>c"}, Case{"žluť €", "žluť €"}, Case{"Ωμ", "&#937;&#956;"}})
        EXPECT_EQ(CTableExport::HtmlText(c.text), c.html) << c.text;
}

TEST_F(Export, HtmlPageReadsBackAsTheGridWithoutTheHiddenColumnInCodePage1250)
{
    const QString path = Path("katalog.html");
    ASSERT_TRUE(Exporter().WriteHtml(path.toUtf8().constData()));
    const QJsonObject page = Python(kHtmlCells, {path});
    const QJsonArray rows = page["rows"].toArray();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].toArray(), (QJsonArray{"Název", "Cena"}));
    EXPECT_EQ(rows[1].toArray(), (QJsonArray{"<b>&x", "1 234,5"}));
    EXPECT_EQ(rows[2].toArray(), (QJsonArray{"dvě\nřádky", "\u00a0"})); // an empty cell is &nbsp;
    EXPECT_TRUE(page["crlf"].toBool());
    for (const QJsonValue& style : page["styles"].toArray())
    {
        EXPECT_TRUE(style.toString().contains("border:1px solid #808080")) << style.toString().toStdString();
        EXPECT_FALSE(style.toString().contains("text-align:;"));
    }
    EXPECT_TRUE(page["styles"].toArray()[3].toString().contains("text-align:right"));

    const QString locked = Path("zamčený");
    QFile(locked).open(QIODevice::WriteOnly);
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    if (!QFile(locked).open(QIODevice::WriteOnly)) // not as the super-user
        EXPECT_FALSE(Exporter().WriteHtml(locked.toUtf8().constData()));
}

TEST_F(Export, WorkbookHoldsNumbersFormatsColoursAndTheHiddenColumnAndRow)
{
    const QString path = Path("novy.xls");
    ASSERT_EQ(Exporter().WriteWorkbook(path.toUtf8().constData(), "Ceník", {}), CTableExport::written);
    const QJsonObject book = Python(kXlrdSheet, {path, "Ceník"});
    EXPECT_EQ(book["sheets"].toArray(), (QJsonArray{"Ceník"}));
    const QJsonArray cells = book["cells"].toArray();
    const QJsonArray price = cells[1].toArray()[1].toArray();
    EXPECT_EQ(price[0].toInt(), 2); // a number
    EXPECT_EQ(price[1].toDouble(), 1234.5);
    EXPECT_EQ(price[2].toString(), "#,##0.00");
    EXPECT_EQ(price[3].toInt(), 3);              // right
    EXPECT_EQ(price[4].toString(), "FF0000");    // red
    EXPECT_EQ(price[5].toInt(), 1);              // a thin line
    const QJsonArray name = cells[1].toArray()[0].toArray();
    EXPECT_EQ(name[6].toInt(), 1);               // bold
    EXPECT_EQ(name[7].toInt(), 1);               // italic
    EXPECT_EQ(name[8].toString(), "Arial");
    EXPECT_EQ(cells[2].toArray()[0].toArray()[9].toString(), "FFFF00"); // on yellow
    EXPECT_EQ(price[6].toInt(), 0);
    const QJsonArray header = cells[0].toArray()[1].toArray();
    EXPECT_EQ(header[0].toInt(), 1);              // the header stays text
    EXPECT_EQ(header[2].toString(), "General");
    EXPECT_EQ(cells[1].toArray()[0].toArray()[2].toString(), "@");
    EXPECT_EQ(cells[2].toArray()[1].toArray()[1].toString(), ""); // an empty number cell is an empty text
    EXPECT_EQ(book["hiddenColumns"].toArray(), (QJsonArray{2}));
    EXPECT_EQ(book["hiddenRows"].toArray(), (QJsonArray{3}));
}

TEST_F(Export, AnExistingSheetIsReplacedRenamedOrLeftAlone)
{
    const QString path = Path("sesit.xls");
    workbook::Workbook existing;
    existing.AddSheet("Jiný").SetText(0, 0, "zůstane");
    existing.AddSheet("Ceník").SetText(0, 0, "starý");
    workbook::WriteWorkbook(existing, path.toStdString());
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    ScriptedAnswers::AnswerBox(IDCANCEL);
    EXPECT_EQ(Exporter().WriteWorkbook(path.toUtf8().constData(), "Ceník", {}), CTableExport::cancelled);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes()[0].text.Find("\"Jiný\" \"Ceník\"") >= 0);

    ScriptedAnswers::AnswerBox(IDNO);
    const auto rename = [](CString& name)
    {
        name = "Ceník2";
        return true;
    };
    EXPECT_EQ(Exporter().WriteWorkbook(path.toUtf8().constData(), "Ceník", rename), CTableExport::written);
    workbook::Workbook renamed = workbook::ReadWorkbook(path.toStdString());
    ASSERT_EQ(renamed.SheetCount(), 3);
    EXPECT_EQ(renamed.Sheet(1).TextAt(0, 0), "starý");
    EXPECT_EQ(renamed.Sheet(2).Name(), "Ceník2");

    ScriptedAnswers::AnswerBox(IDYES);
    EXPECT_EQ(Exporter().WriteWorkbook(path.toUtf8().constData(), "Ceník", {}), CTableExport::written);
    workbook::Workbook replaced = workbook::ReadWorkbook(path.toStdString());
    ASSERT_EQ(replaced.SheetCount(), 3);
    EXPECT_EQ(replaced.Sheet(0).TextAt(0, 0), "zůstane");
    EXPECT_EQ(replaced.Sheet(1).TextAt(0, 0), "Název");
    EXPECT_EQ(replaced.Sheet(1).At(1, 1).number, 1234.5);
}

TEST_F(Export, AnUnreadableTargetFailsAndStaysAsItWas)
{
    const QString path = Path("poškozený.xls");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("no workbook");
    f.close();
    EXPECT_EQ(Exporter().WriteWorkbook(path.toUtf8().constData(), "Ceník", {}), CTableExport::failed);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), "no workbook");
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    CString told;
    told.LoadString(IDS_EXPORT_FAILED);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, told);
}
