#pragma once
// The row-format dialog: a format of the editor grid's rows (text and fill colour, bold,
// italic, underline, size step, page break) shown on a sample row, beside the application's
// list of named formats. The current format of the command that runs it, when there is one,
// stands first in the list; the named formats follow with their places.

#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"

#include <map>
#include <memory>

class CColourPicker;
class CEditListBox;
class CSobrelGrid;

class CRowFormatDlg : public CDialog
{
public:
    explicit CRowFormatDlg(CWnd* pParent = nullptr);
    ~CRowFormatDlg() override;

    // The format text of the controls: "RRGGBB|RRGGBB|TKP|step", an empty colour field for
    // automatic; an empty text when nothing is set.
    CString BuildFormat() const;
    // Shows a format on the sample row and in the controls.
    void ShowFormat(const CString& format);

    CString caption;
    // "@": no current format; otherwise it is the first entry and comes back on closing.
    CString currentFormat = "@";
    // The caller allows a page break before the current format.
    BOOL pageBreakAllowed = TRUE;
    // The named formats being edited: name to format, name to place.
    std::map<CString, CString> formats;
    std::map<CString, int> positions;
    // The lists OK replaces: the application's named formats unless the caller gives others.
    std::map<CString, CString>* targetFormats = nullptr;
    std::map<CString, int>* targetPositions = nullptr;

    std::unique_ptr<CSobrelGrid> preview;
    std::unique_ptr<CEditListBox> names;
    std::unique_ptr<CColourPicker> textPicker;
    std::unique_ptr<CColourPicker> backPicker;
    CComboBox sizeStep;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnNameChanged();
    afx_msg void OnControlChanged();
    afx_msg LRESULT OnColourChanged(WPARAM colour, LPARAM id);
    afx_msg void OnReset();
    DECLARE_MESSAGE_MAP()

private:
    // Stores the format for the selected entry and shows it.
    void StoreFormat(const CString& format);
    // Collects the current format and the places of the named entries.
    void Collect();
    CString SelectedName() const;

    // The name of the entry whose format is shown.
    CString m_shownName;
};
