// Paste with options (ID_EDIT_PASTE_SPECIAL, and a drop with Shift held): the transfer options
// dialog decides how the clipboard's or the dropped block of cells lands (by column names, with rows added for whole rows, the
// producer's number before the index); then the grid pastes it as one journal group.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/controls/CTransferOptionsDlg.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/COleDataObject.h"

namespace
{
// The dialog's choices start, once a run, from the stored options, and go back into them.
void StartFromOptions(const CSobrelOptions& options)
{
    CTransferOptionsDlg::Choices stored;
    stored.addRows = options.clipboardPasteAddRow ? 1 : 0;
    stored.checkNames = options.clipboardPasteCheckColName ? 1 : 0;
    stored.producerNumber = options.clipboardPasteAddProducerNumberToIndex ? 1 : 0;
    CTransferOptionsDlg::StartOnce(stored);
}

void StoreIntoOptions(CSobrelOptions& options)
{
    const CTransferOptionsDlg::Choices& last = CTransferOptionsDlg::Last();
    options.clipboardPasteAddRow = last.addRows;
    options.clipboardPasteCheckColName = last.checkNames;
    options.clipboardPasteAddProducerNumberToIndex = last.producerNumber;
}
} // namespace

bool CSobrelView::CanPasteSpecial() const
{
    if (editing || !m_grid || !m_grid->IsEditable())
        return false;
    COleDataObject clipboard;
    return clipboard.AttachClipboard() && m_grid->ReadClipboardInfo(&clipboard);
}

bool CSobrelView::AskPasteOptions(COleDataObject* data)
{
    m_grid->ReadClipboardInfo(data);
    CSobrelApp* app = SobrelApp();
    if (app)
        StartFromOptions(app->options);
    CTransferOptionsDlg dialog(m_grid->pasteProducer, m_grid->pasteWholeRows != FALSE, this);
    if (dialog.DoModal() != IDOK)
    {
        m_grid->pasteOptions = -1;
        return false;
    }
    if (app)
        StoreIntoOptions(app->options);
    m_grid->pasteOptions = (dialog.ticked.checkNames ? 1 : 0) | (dialog.ticked.addRows ? 2 : 0) |
                           (dialog.ticked.producerNumber ? 4 : 0);
    return true;
}

void CSobrelView::OnEditPasteSpecial()
{
    if (!CanPasteSpecial())
        return;
    COleDataObject clipboard;
    if (!clipboard.AttachClipboard() || !AskPasteOptions(&clipboard))
        return;
    m_grid->OnEditPaste();
}

void CSobrelView::OnUpdateEditPasteSpecial(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPasteSpecial());
    if (m_grid)
        m_grid->pasteOptions = -1;
}
