#pragma once
// The options of a transfer between catalogues: add rows for a block of whole rows, place fields
// by their column names, and, with the names checked, put the producer's number before the
// index. The last choices hold for the whole run.

#include "platform/ui/CDialog.h"

class CTransferOptionsDlg : public CDialog
{
public:
    // producerNumber 0: the producer box stays off; addRowsAvailable false: the rows box is off.
    CTransferOptionsDlg(int producerNumber, bool addRowsAvailable, CWnd* pParent = nullptr);

    // The choices of the run, 0 or 1; the dialog starts from them and OK stores into them.
    struct Choices
    {
        int addRows = 0;
        int checkNames = 0;
        int producerNumber = 0;
        // Set once the run's choices were started from stored ones.
        bool started = false;
    };
    static Choices& Last();
    // The run's choices start from these the first time only.
    static void StartOnce(const Choices& stored);

    // The boxes as they were ticked at OK.
    Choices ticked;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBoxClicked();
    DECLARE_MESSAGE_MAP()

private:
    void EnableProducerBox();

    int m_producerNumber;
    bool m_addRowsAvailable;
};
