#include "dataeditor/view/tests/ViewFixture.h"

#include "dataeditor/controls/CTransferOptionsDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/KeyMap.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QWidget>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

namespace
{
// The catalogue A saved as a workbook of producer 12, its notes "7", "8" and "9" taken as the
// index column; rows 1 and 2 copied whole.
class PasteSpecial : public ViewFixture
{
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        const QString producer = Folder("ZVK-0012.xls");
        QFile::copy(m_path, producer);
        m_path = producer;
        CTransferOptionsDlg::Last() = {};
    }
    bool OpenAndCopy()
    {
        if (!OpenA())
            return false;
        for (int r = 1; r <= 3; ++r)
            Grid().SetItemText(r, 3, std::to_string(6 + r).c_str());
        Grid().indexColumnName = "Poznámka";
        Grid().SetSelectedRange(1, 1, 2, 3);
        Grid().OnEditCopy();
        return true;
    }
    std::string Table() const
    {
        std::string texts;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texts +=
                std::string(Grid().GetItemText(r, 1)) + ":" + std::string(Grid().GetItemText(r, 3)) + ";";
        return texts;
    }
    // The boxes at the start of the dialog, then the boxes clicked and the dialog ended.
    struct Boxes
    {
        UINT addRows, checkNames, producer;
        bool operator==(const Boxes&) const = default;
    };
    Boxes Answer(std::vector<UINT> clicks, int result)
    {
        Boxes shown{};
        AnswerNext(std::move(clicks), result, shown);
        m_view->SendMessage(WM_COMMAND, ID_EDIT_PASTE_SPECIAL);
        return shown;
    }
    // Answers the next transfer options dialog; shown gets its boxes as it opened.
    static void AnswerNext(std::vector<UINT> clicks, int result, Boxes& shown)
    {
        DialogScript::OnNext(IDD_TRANSFER_OPTIONS,
                             [&shown, clicks, result](CDialog& d)
                             {
                                 shown = {d.IsDlgButtonChecked(IDC_TRANSFER_ADD_ROWS),
                                          d.IsDlgButtonChecked(IDC_TRANSFER_CHECK_NAMES),
                                          d.IsDlgButtonChecked(IDC_TRANSFER_PRODUCER)};
                                 for (UINT id : clicks)
                                 {
                                     d.CheckDlgButton(id, !d.IsDlgButtonChecked(id));
                                     d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
                                 }
                                 d.SendMessage(WM_COMMAND, UINT(result));
                                 return result;
                             });
    }
    // Drops the data on a cell of the table window as the desktop delivers a drop, with the
    // keys held; whether the drop was taken.
    bool DropOn(int row, int col, const QMimeData& data, Qt::KeyboardModifiers keys)
    {
        CRect cell;
        Grid().GetCellRect(row, col, &cell);
        const QPoint at(cell.CenterPoint().x, cell.CenterPoint().y);
        QWidget* target = Grid().GetClientWidget();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
};
} // namespace

TEST_F(PasteSpecial, TheDialogStartsFromTheOptionsOnceAndItsChoicesPlaceTheBlockAsOneGroup)
{
    ASSERT_TRUE(Start());
    CSobrelOptions& options = m_app->options;
    options.clipboardPasteAddRow = 0;
    options.clipboardPasteCheckColName = 1;
    options.clipboardPasteAddProducerNumberToIndex = 1;
    ASSERT_TRUE(OpenAndCopy());
    const std::string before = Table();
    EXPECT_EQ(before, "Radiátor:7;Trubka:8;Ventil:9;");
    Grid().SetFocusCell(3, 2);
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE_SPECIAL));
    EXPECT_EQ(Grid().pasteOptions, -1);

    // Rows added, names kept, the producer before the index.
    EXPECT_EQ(Answer({IDC_TRANSFER_ADD_ROWS}, IDOK), (Boxes{0, 1, 1}));
    EXPECT_EQ(Table(), "Radiátor:7;Trubka:8;Radiátor:12-7;Trubka:12-8;Ventil:9;");
    EXPECT_EQ(options.clipboardPasteAddRow, 1);
    EXPECT_EQ(options.clipboardPasteAddProducerNumberToIndex, 1);
    EXPECT_EQ(Grid().pasteOptions, -1);
    const auto& journal = m_view->Journal();
    ASSERT_GE(journal.size(), 4u);
    EXPECT_EQ(journal.front()->kind, CUndoStep::GroupBegin);
    EXPECT_EQ(journal.back()->kind, CUndoStep::GroupEnd);
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(m_view->JournalPosition(), -1);

    // The run's choices, not the options, start the second dialog; rows off, producer off:
    // the block overwrites from the focus row, as far as the table goes.
    options.clipboardPasteAddRow = 0;
    Grid().SetFocusCell(3, 2);
    EXPECT_EQ(Answer({IDC_TRANSFER_ADD_ROWS, IDC_TRANSFER_PRODUCER}, IDOK), (Boxes{1, 1, 1}));
    EXPECT_EQ(Table(), "Radiátor:7;Trubka:8;Radiátor:7;");
    EXPECT_EQ(options.clipboardPasteAddRow, 0);
    EXPECT_EQ(options.clipboardPasteAddProducerNumberToIndex, 0);

    // Cancel pastes nothing and leaves the options unread.
    const std::size_t steps = m_view->Journal().size();
    Grid().SetFocusCell(1, 1);
    Answer({IDC_TRANSFER_ADD_ROWS}, IDCANCEL);
    EXPECT_EQ(Table(), "Radiátor:7;Trubka:8;Radiátor:7;");
    EXPECT_EQ(m_view->Journal().size(), steps);
    EXPECT_EQ(Grid().pasteOptions, -1);
}

TEST_F(PasteSpecial, EnabledOnlyForAnEditableGridNotEditingWithABlockOfCellsOnTheClipboard)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(OpenAndCopy());
    Grid().SetFocusCell(1, 1);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_SPECIAL));
    m_view->editing = true;
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SPECIAL));
    m_view->editing = false;
    Grid().SetEditable(FALSE);
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SPECIAL));
    Grid().SetEditable(TRUE);
    QGuiApplication::clipboard()->setText("prostý text");
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SPECIAL));
    m_view->SendMessage(WM_COMMAND, ID_EDIT_PASTE_SPECIAL);
    EXPECT_TRUE(DialogScript::Unexpected().empty());
    EXPECT_TRUE(m_view->Journal().empty());
}

TEST_F(PasteSpecial, ADropWithShiftHeldAsksHowTheBlockLands)
{
    ASSERT_TRUE(Start());
    m_app->options.clipboardPasteAddRow = 1;
    m_app->options.clipboardPasteCheckColName = 1;
    m_app->options.clipboardPasteAddProducerNumberToIndex = 1;
    ASSERT_TRUE(OpenAndCopy());
    QMimeData dropped;
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    for (const QString& format : copied->formats())
        dropped.setData(format, copied->data(format));
    const std::string before = Table();

    // Shift held: the dialog first; Cancel takes nothing.
    Boxes shown{};
    AnswerNext({}, IDCANCEL, shown);
    EXPECT_FALSE(DropOn(3, 2, dropped, Qt::ShiftModifier | Qt::ControlModifier));
    EXPECT_EQ(shown, (Boxes{1, 1, 1}));
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(m_view->Journal().empty());

    // OK with the producer's number left out: the rows added by their names.
    AnswerNext({IDC_TRANSFER_PRODUCER}, IDOK, shown);
    EXPECT_TRUE(DropOn(3, 2, dropped, Qt::ShiftModifier | Qt::ControlModifier));
    EXPECT_EQ(Table(), "Radiátor:7;Trubka:8;Radiátor:7;Trubka:8;Ventil:9;");
    EXPECT_TRUE(DialogScript::Unexpected().empty());

    // Without Shift no dialog: the block lands as the clipboard describes it.
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Table(), before);
    EXPECT_TRUE(DropOn(3, 2, dropped, Qt::ControlModifier));
    EXPECT_EQ(Table(), "Radiátor:7;Trubka:8;Radiátor:7;Trubka:8;Ventil:9;");
    EXPECT_TRUE(DialogScript::Unexpected().empty());
    KeyMap::SetModifiers(Qt::NoModifier);
}
