#include "ControlsFixture.h"

#include "dataeditor/controls/CTransferOptionsDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

namespace
{
struct Shown
{
    bool addRowsEnabled = false;
    bool producerEnabled = false;
    UINT addRows = 0;
    UINT checkNames = 0;
    UINT producer = 0;
    CString producerText;
};

// Runs the dialog: reads its start, clicks the given boxes, ends with the result.
Shown RunDialog(int producerNumber, bool addRowsAvailable, std::vector<UINT> clicks, int result)
{
    Shown shown;
    ScriptedAnswers::OnDialog(IDD_TRANSFER_OPTIONS,
                              [&](CDialog& d)
                              {
                                  shown.addRowsEnabled = d.GetDlgItem(IDC_TRANSFER_ADD_ROWS)->IsWindowEnabled();
                                  shown.producerEnabled = d.GetDlgItem(IDC_TRANSFER_PRODUCER)->IsWindowEnabled();
                                  shown.addRows = d.IsDlgButtonChecked(IDC_TRANSFER_ADD_ROWS);
                                  shown.checkNames = d.IsDlgButtonChecked(IDC_TRANSFER_CHECK_NAMES);
                                  shown.producer = d.IsDlgButtonChecked(IDC_TRANSFER_PRODUCER);
                                  d.GetDlgItemText(IDC_TRANSFER_PRODUCER, shown.producerText);
                                  for (UINT id : clicks)
                                  {
                                      d.CheckDlgButton(id, !d.IsDlgButtonChecked(id));
                                      d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
                                  }
                                  d.SendMessage(WM_COMMAND, result);
                                  return result;
                              });
    CTransferOptionsDlg dialog(producerNumber, addRowsAvailable);
    dialog.DoModal();
    return shown;
}

class TransferOptions : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        CTransferOptionsDlg::Last() = {};
    }
};
} // namespace

TEST_F(TransferOptions, ChoicesHoldForTheRunAndTheProducerBoxNeedsANumberAndTheNames)
{
    Shown first = RunDialog(12, true, {IDC_TRANSFER_ADD_ROWS, IDC_TRANSFER_CHECK_NAMES, IDC_TRANSFER_PRODUCER}, IDOK);
    EXPECT_TRUE(first.addRowsEnabled);
    EXPECT_FALSE(first.producerEnabled); // names not checked at the start
    EXPECT_TRUE(first.producerText.Find("12") >= 0) << first.producerText.GetString();
    EXPECT_EQ(CTransferOptionsDlg::Last().addRows, 1);
    EXPECT_EQ(CTransferOptionsDlg::Last().checkNames, 1);
    EXPECT_EQ(CTransferOptionsDlg::Last().producerNumber, 1);

    // No number and rows not available: both boxes off, their last values kept by OK.
    Shown second = RunDialog(0, false, {}, IDOK);
    EXPECT_FALSE(second.addRowsEnabled);
    EXPECT_FALSE(second.producerEnabled);
    EXPECT_EQ(second.checkNames, 1u);
    EXPECT_EQ(CTransferOptionsDlg::Last().addRows, 1);
    EXPECT_EQ(CTransferOptionsDlg::Last().producerNumber, 1);

    // Unchecking the names clears and disables the producer box; Cancel stores nothing.
    Shown third = RunDialog(3, true, {IDC_TRANSFER_CHECK_NAMES}, IDCANCEL);
    EXPECT_TRUE(third.producerEnabled);
    EXPECT_EQ(third.producer, 1u);
    EXPECT_EQ(CTransferOptionsDlg::Last().checkNames, 1);
    RunDialog(3, true, {IDC_TRANSFER_CHECK_NAMES}, IDOK);
    EXPECT_EQ(CTransferOptionsDlg::Last().checkNames, 0);
    EXPECT_EQ(CTransferOptionsDlg::Last().producerNumber, 1); // the box was off at OK
}

TEST_F(TransferOptions, Picture)
{
    QDir().mkpath("pictures");
    CTransferOptionsDlg dialog(7, true);
    EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-1416.png"));
}
