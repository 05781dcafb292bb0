#include "dataeditor/document/CRowFormatDlg.h"

#include "dataeditor/app/CEditListBox.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/controls/CColourPopup.h"
#include "dataeditor/grid/CRowFormat.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

BEGIN_MESSAGE_MAP(CRowFormatDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_ROWFMT_NAMES, OnNameChanged)
    ON_BN_CLICKED(IDC_ROWFMT_BOLD, OnControlChanged)
    ON_BN_CLICKED(IDC_ROWFMT_ITALIC, OnControlChanged)
    ON_BN_CLICKED(IDC_ROWFMT_UNDERLINE, OnControlChanged)
    ON_BN_CLICKED(IDC_ROWFMT_PAGE_BREAK, OnControlChanged)
    ON_CBN_SELCHANGE(IDC_ROWFMT_SIZE, OnControlChanged)
    ON_BN_CLICKED(IDC_ROWFMT_RESET, OnReset)
    ON_MESSAGE(CColourPopup::selectionChange, OnColourChanged)
END_MESSAGE_MAP()

namespace
{
// The list of names, which tells the dialog of a renamed entry.
class NameList : public CEditListBox
{
public:
    explicit NameList(std::function<void(int)> renamed) : m_renamed(std::move(renamed)) {}

protected:
    void OnAfterRenameItem(int index) override
    {
        CEditListBox::OnAfterRenameItem(index);
        m_renamed(index);
    }

private:
    std::function<void(int)> m_renamed;
};

// Item data of the list entry that stands for the current format.
constexpr DWORD_PTR kCurrentEntry = DWORD_PTR(-1);
constexpr int kSmallestStep = -5;
constexpr int kLargestStep = 10;
} // namespace

CRowFormatDlg::CRowFormatDlg(CWnd* pParent) : CDialog(IDD_ROW_FORMAT, pParent)
{
    if (CSobrelApp* app = SobrelApp())
    {
        targetFormats = &app->namedFormats;
        targetPositions = &app->namedFormatOrder;
        formats = app->namedFormats;
        positions = app->namedFormatOrder;
    }
}

CRowFormatDlg::~CRowFormatDlg() = default;

void CRowFormatDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROWFMT_SIZE, sizeStep);
}

BOOL CRowFormatDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const std::map<CString, CString> named = formats;
    std::vector<std::pair<int, CString>> order;
    for (const auto& [name, format] : named)
    {
        const auto place = positions.find(name);
        order.emplace_back(place == positions.end() ? int(order.size()) + 100000 : place->second, name);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    preview = std::make_unique<CSobrelGrid>(1, 1, 0, 0);
    preview->inView = FALSE;
    if (CWnd* place = GetDlgItem(IDC_ROWFMT_PREVIEW))
    {
        CRect rect;
        place->GetWindowRect(&rect);
        ScreenToClient(&rect);
        place->ShowWindow(SW_HIDE);
        preview->Create(rect, this, IDC_ROWFMT_PREVIEW + 1000);
        preview->SetColumnWidth(0, rect.Width() - 4);
        preview->SetRowHeight(0, rect.Height() - 4);
    }
    preview->SetEditable(FALSE);
    preview->SetItemText(0, 0, LanguageText(IDS_ROWFMT_SAMPLE));

    for (int step = kSmallestStep; step <= kLargestStep; ++step)
    {
        CString text;
        text.Format("%d", step);
        sizeStep.AddString(text);
    }
    sizeStep.SetCurSel(-kSmallestStep);

    textPicker = std::make_unique<CColourPicker>();
    backPicker = std::make_unique<CColourPicker>();
    textPicker->CreateOver(this, IDC_ROWFMT_TEXT_COLOUR);
    backPicker->CreateOver(this, IDC_ROWFMT_BACK_COLOUR);
    textPicker->selectionMode = 1;
    // The text colour shows on a sample of letters.
    textPicker->SetWindowText("Aa");
    backPicker->selectionMode = 2;
    for (CColourPicker* picker : {textPicker.get(), backPicker.get()})
    {
        picker->SetDefaultText(LanguageText(IDS_COLOUR_AUTOMATIC));
        picker->SetCustomText(LanguageText(IDS_COLOUR_MORE));
        picker->SetColour(CRowFormat::defaultColour);
    }

    if (currentFormat.IsEmpty() || currentFormat == "/")
        currentFormat += BuildFormat();

    names = std::make_unique<NameList>([this](int index) {
        // The format goes with its entry under the new name.
        const CString name = names->GetItemText(index);
        if (const auto old = formats.find(m_shownName); old != formats.end() && name != m_shownName)
        {
            const CString format = old->second;
            formats.erase(old);
            formats[name] = format;
        }
        m_shownName = name;
        if (CSobrelApp* app = SobrelApp())
            app->namedFormatsChanged = true;
    });
    names->ReplaceDlgItem(this, IDC_ROWFMT_NAMES);
    names->SetStandardButtons();
    formats.clear();
    if (currentFormat != "@")
    {
        names->AddItem(LanguageText(IDS_ROWFMT_CURRENT), kCurrentEntry);
        formats[LanguageText(IDS_ROWFMT_CURRENT)] = currentFormat;
    }
    for (const auto& [place, name] : order)
    {
        names->AddItem(name, DWORD_PTR(place));
        formats[name] = named.at(name);
    }
    if (names->GetCount() > 0)
        names->SelectItem(0);
    m_shownName = SelectedName();
    ShowFormat(names->GetCount() > 0 ? formats[names->GetItemText(0)] : CString());
    if (!caption.IsEmpty())
        SetWindowText(caption);
    return TRUE;
}

CString CRowFormatDlg::SelectedName() const
{
    const int selected = names ? names->GetSelItem() : -1;
    return selected >= 0 ? names->GetItemText(selected) : CString();
}

CString CRowFormatDlg::BuildFormat() const
{
    CRowFormat format;
    if (textPicker)
        format.textColour = textPicker->GetColour();
    if (backPicker)
        format.backColour = backPicker->GetColour();
    format.bold = IsDlgButtonChecked(IDC_ROWFMT_BOLD) == BST_CHECKED;
    format.italic = IsDlgButtonChecked(IDC_ROWFMT_ITALIC) == BST_CHECKED;
    format.underline = IsDlgButtonChecked(IDC_ROWFMT_UNDERLINE) == BST_CHECKED;
    CString step = "0";
    if (sizeStep.GetSafeHwnd() && sizeStep.GetCurSel() >= 0)
        sizeStep.GetLBText(sizeStep.GetCurSel(), step);
    CString text = CRowFormat::ColourText(format.textColour) + "|" + CRowFormat::ColourText(format.backColour) + "|";
    if (format.bold)
        text += "T";
    if (format.italic)
        text += "K";
    if (format.underline)
        text += "P";
    if (text == "||" && step == "0")
        return CString();
    return text + "|" + step;
}

void CRowFormatDlg::ShowFormat(const CString& format)
{
    if (preview && preview->GetSafeHwnd())
    {
        preview->ApplyRowFormat(0, TRUE, format.IsEmpty() || format == "/" ? CString() : format);
        preview->Refresh();
    }
    std::string_view rest(format.str());
    const bool pageBreak = rest.starts_with('/');
    if (pageBreak)
        rest.remove_prefix(1);
    CheckDlgButton(IDC_ROWFMT_PAGE_BREAK, pageBreak ? BST_CHECKED : BST_UNCHECKED);
    const auto field = [&rest]() {
        const std::size_t bar = rest.find('|');
        const std::string_view piece = rest.substr(0, bar);
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        return CString(std::string(piece));
    };
    const COLORREF text = CRowFormat::ReadColour(field());
    const COLORREF back = CRowFormat::ReadColour(field());
    const CString styles = field();
    const CString step = rest.empty() ? CString("0") : CString(std::string(rest));
    if (textPicker)
        textPicker->SetColour(text);
    if (backPicker)
        backPicker->SetColour(back);
    CheckDlgButton(IDC_ROWFMT_BOLD, styles.Find('T') >= 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ROWFMT_ITALIC, styles.Find('K') >= 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ROWFMT_UNDERLINE, styles.Find('P') >= 0 ? BST_CHECKED : BST_UNCHECKED);
    if (sizeStep.GetSafeHwnd())
    {
        const int at = std::atoi(step) - kSmallestStep;
        sizeStep.SetCurSel(at >= 0 && at <= kLargestStep - kSmallestStep ? at : -kSmallestStep);
    }
}

void CRowFormatDlg::StoreFormat(const CString& built)
{
    const int selected = names ? names->GetSelItem() : -1;
    if (selected < 0)
    {
        ShowFormat(built);
        return;
    }
    CString format = built;
    if (names->GetItemData(selected) == kCurrentEntry)
    {
        if (IsDlgButtonChecked(IDC_ROWFMT_PAGE_BREAK) == BST_CHECKED && pageBreakAllowed)
            format = "/" + format;
    }
    else if (CSobrelApp* app = SobrelApp())
        app->namedFormatsChanged = true;
    formats[names->GetItemText(selected)] = format;
    ShowFormat(format);
}

void CRowFormatDlg::OnNameChanged()
{
    m_shownName = SelectedName();
    const auto found = formats.find(SelectedName());
    ShowFormat(found == formats.end() ? CString() : found->second);
}

void CRowFormatDlg::OnControlChanged()
{
    StoreFormat(BuildFormat());
}

LRESULT CRowFormatDlg::OnColourChanged(WPARAM, LPARAM)
{
    StoreFormat(BuildFormat());
    return 0;
}

void CRowFormatDlg::OnReset()
{
    StoreFormat(CString());
}

void CRowFormatDlg::Collect()
{
    std::map<CString, CString> kept;
    positions.clear();
    currentFormat.Empty();
    for (int i = 0; i < names->GetCount(); ++i)
    {
        const CString name = names->GetItemText(i);
        const auto found = formats.find(name);
        const CString format = found == formats.end() ? CString() : found->second;
        if (names->GetItemData(i) == kCurrentEntry)
        {
            currentFormat = pageBreakAllowed || !CRowFormat::IsPageBreak(format) ? format : format.Mid(1);
            continue;
        }
        kept[name] = format;
        positions[name] = int(positions.size());
    }
    formats = std::move(kept);
}

void CRowFormatDlg::OnOK()
{
    Collect();
    if (targetFormats)
        *targetFormats = formats;
    if (targetPositions)
        *targetPositions = positions;
    CDialog::OnOK();
}

void CRowFormatDlg::OnCancel()
{
    Collect();
    CDialog::OnCancel();
}
