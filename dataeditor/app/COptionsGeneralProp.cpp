#include "dataeditor/app/COptionsGeneralProp.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CommonDialogs.h"

#include <QPalette>
#include <QWidget>

#include <cmath>

BEGIN_MESSAGE_MAP(COptionsGeneralProp, CPropertyPage)
    ON_BN_CLICKED(IDC_ADD_ROW_ON_END, OnAddRowOnEnd)
    ON_BN_CLICKED(IDC_BREAK_TEXT, OnBreakText)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_COLOR_SEARCH, IDC_COLOR_FIXED_TEXT, OnColour)
    ON_BN_CLICKED(IDC_FONT_BUTTON, OnFont)
END_MESSAGE_MAP()

COptionsGeneralProp::COptionsGeneralProp() : CPropertyPage(IDD_OPTIONS_GENERAL) {}

void COptionsGeneralProp::FromOptions(const CSobrelOptions& options)
{
    values = options;
    if (values.breakTextWidth < 10 || values.breakTextWidth > 1000)
        values.breakTextWidth = 10;
}

void COptionsGeneralProp::ToOptions(CSobrelOptions& options) const
{
    options.addRowOnEnd = values.addRowOnEnd;
    options.askOnAddRowOnEnd = values.askOnAddRowOnEnd;
    options.backup = values.backup;
    options.oneInstance = values.oneInstance;
    options.gridLineHorizontal = values.gridLineHorizontal;
    options.gridLineVertical = values.gridLineVertical;
    options.sizeAlsoWithHeaders = values.sizeAlsoWithHeaders;
    options.decimals = values.decimals;
    options.moneyDecimals = values.moneyDecimals;
    options.breakText = values.breakText;
    options.breakTextWidth = values.breakTextWidth;
    options.afterEditDirection = values.afterEditDirection;
    options.openExportedFile = values.openExportedFile;
    options.colorFixedText = values.colorFixedText;
    options.colorFixedBack = values.colorFixedBack;
    options.colorText = values.colorText;
    options.colorBack = values.colorBack;
    options.colorGridLine = values.colorGridLine;
    options.searchColor = values.searchColor;
}

BOOL COptionsGeneralProp::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    UpdateEnabling();
    ShowColours();
    ShowFont();
    return TRUE;
}

void COptionsGeneralProp::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_ADD_ROW_ON_END, values.addRowOnEnd);
    DDX_Check(pDX, IDC_ASK_ON_ADD_ROW, values.askOnAddRowOnEnd);
    DDX_Check(pDX, IDC_BACKUP, values.backup);
    DDX_Check(pDX, IDC_ONE_INSTANCE, values.oneInstance);
    DDX_Check(pDX, IDC_LINE_HORIZONTAL, values.gridLineHorizontal);
    DDX_Check(pDX, IDC_LINE_VERTICAL, values.gridLineVertical);
    DDX_Check(pDX, IDC_SIZE_WITH_HEADERS, values.sizeAlsoWithHeaders);
    DDX_Text(pDX, IDC_DECIMALS, values.decimals);
    DDV_MinMaxInt(pDX, values.decimals, 0, 9);
    DDX_Text(pDX, IDC_MONEY_DECIMALS, values.moneyDecimals);
    DDV_MinMaxInt(pDX, values.moneyDecimals, 0, 9);
    DDX_Check(pDX, IDC_BREAK_TEXT, values.breakText);
    DDX_Text(pDX, IDC_BREAK_WIDTH, values.breakTextWidth);
    DDV_MinMaxInt(pDX, values.breakTextWidth, 10, 1000);
    DDX_Radio(pDX, IDC_AFTER_EDIT_RIGHT, values.afterEditDirection);
    DDX_Check(pDX, IDC_OPEN_EXPORTED, values.openExportedFile);
}

void COptionsGeneralProp::UpdateEnabling()
{
    if (CWnd* ask = GetDlgItem(IDC_ASK_ON_ADD_ROW))
        ask->EnableWindow(IsDlgButtonChecked(IDC_ADD_ROW_ON_END) == BST_CHECKED);
    if (CWnd* width = GetDlgItem(IDC_BREAK_WIDTH))
        width->EnableWindow(IsDlgButtonChecked(IDC_BREAK_TEXT) == BST_CHECKED);
}

void COptionsGeneralProp::OnAddRowOnEnd() { UpdateEnabling(); }

void COptionsGeneralProp::OnBreakText() { UpdateEnabling(); }

COLORREF* COptionsGeneralProp::ColourOf(UINT id)
{
    switch (id)
    {
    case IDC_COLOR_FIXED_TEXT: return &values.colorFixedText;
    case IDC_COLOR_FIXED_BACK: return &values.colorFixedBack;
    case IDC_COLOR_TEXT: return &values.colorText;
    case IDC_COLOR_BACK: return &values.colorBack;
    case IDC_COLOR_GRID_LINE: return &values.colorGridLine;
    case IDC_COLOR_SEARCH: return &values.searchColor;
    default: return nullptr;
    }
}

void COptionsGeneralProp::ShowColours()
{
    for (UINT id = IDC_COLOR_SEARCH; id <= IDC_COLOR_FIXED_TEXT; ++id)
    {
        CWnd* button = GetDlgItem(int(id));
        const COLORREF* colour = ColourOf(id);
        if (!button || !colour || !button->GetWidget())
            continue;
        const QColor shown(GetRValue(*colour), GetGValue(*colour), GetBValue(*colour));
        button->GetWidget()->setStyleSheet(
            QStringLiteral("background-color: %1; color: %2;")
                .arg(shown.name(), shown.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black")));
    }
}

void COptionsGeneralProp::ShowFont()
{
    const int pixelsPerInch = 96;
    const int points = int(std::lround(double(-values.gridLogFont.lfHeight) * 72.0 / pixelsPerInch));
    CString text;
    text.Format("%s, %d", values.gridLogFont.lfFaceName, std::abs(points));
    SetDlgItemText(IDC_FONT_TEXT, text);
}

void COptionsGeneralProp::OnColour(UINT id)
{
    COLORREF* colour = ColourOf(LOWORD(id));
    if (!colour)
        return;
    CColorDialog dialog(*colour, CC_FULLOPEN, this);
    if (dialog.DoModal() != IDOK)
        return;
    *colour = dialog.GetColor();
    ShowColours();
}

void COptionsGeneralProp::OnFont()
{
    CFontDialog dialog(&values.gridLogFont, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetCurrentFont(&values.gridLogFont);
    values.gridLogFont.lfWeight = 400;
    values.hasGridFont = true;
    if (target)
    {
        target->gridLogFont = values.gridLogFont;
        target->hasGridFont = true;
    }
    ShowFont();
}
