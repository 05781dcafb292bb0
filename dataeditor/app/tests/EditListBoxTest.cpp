#include "SobrelFixture.h"

#include "dataeditor/app/CEditListBox.h"
#include "dataeditor/app/CValueListBox.h"
#include "platform/ui/CButton.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogShot.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <string>
#include <vector>

namespace
{
// Records what the list reports; refuses to remove an item with the data -1.
class RecordingList : public CEditListBox
{
public:
    std::vector<std::string> log;

protected:
    void OnSelectionChanged() override { log.push_back("select " + std::to_string(GetSelItem())); }
    BOOL OnBeforeRemoveItem(int index) override
    {
        log.push_back("remove " + std::to_string(index));
        return GetItemData(index) != DWORD_PTR(-1);
    }
    void OnAfterAddItem(int index) override { log.push_back("add " + std::string(LPCTSTR(GetItemText(index)))); }
    void OnAfterRenameItem(int index) override
    {
        log.push_back("rename " + std::string(LPCTSTR(GetItemText(index))));
    }
    void OnAfterMoveItemUp(int index) override { log.push_back("up " + std::to_string(index)); }
    void OnAfterMoveItemDown(int index) override { log.push_back("down " + std::to_string(index)); }
};

// The windows dialog's list box serves as the placeholder.
class ListHost : public CDialog
{
public:
    ListHost() : CDialog(IDD_WINDOWS) {}
    RecordingList list;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        list.ReplaceDlgItem(this, IDC_WINDOW_LIST);
        list.SetStandardButtons();
        list.AddItem("Tučně", 3);
        list.AddItem("Červeně", 1);
        list.AddItem("Vybraný řádek", DWORD_PTR(-1));
        list.SelectItem(0);
        return TRUE;
    }
};

std::vector<std::string> Texts(const CEditListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.emplace_back(LPCTSTR(list.GetItemText(i)));
    return texts;
}

void Click(CEditListBox& list, const char* button)
{
    list.GetWidget()->findChild<QToolButton*>(QString::fromLatin1(button))->click();
}

// Types into the open label editor and ends with the key.
void TypeLabel(CEditListBox& list, const char* text, int key)
{
    UiTest::ProcessEvents();
    QLineEdit* editor = nullptr;
    // Closed editors linger until deleted later: the shown one is open.
    for (QLineEdit* open : list.GetWidget()->findChildren<QLineEdit*>())
        if (open->isVisible())
            editor = open;
    ASSERT_NE(editor, nullptr);
    editor->setText(QString::fromUtf8(text));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(editor, &press);
    UiTest::ProcessEvents();
}

// A dialog with named row formats, as the row-format dialog keeps them.
class ValueHost : public CDialog, public CValueListBox::Owner
{
public:
    ValueHost() : CDialog(IDD_WINDOWS) {}
    CValueListBox list;
    CButton change;
    std::map<CString, CString> values = {{"Tučně", "||T|"}, {"Červeně", "ff0000|||"}, {"Vybraný řádek", "|ffff00||"}};
    bool editing = true;
    std::vector<std::string> shown;

    std::map<CString, CString>& Values() override { return values; }
    bool EditingAllowed() const override { return editing; }
    CString NewValue() const override { return "|||"; }
    void ShowValue(const CString& name) override { shown.emplace_back(LPCTSTR(name)); }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        change.Create("Změnit", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), this, CValueListBox::changeButtonId);
        list.owner = this;
        list.ReplaceDlgItem(this, IDC_WINDOW_LIST);
        list.SetStandardButtons();
        list.AddItem("Tučně", 3);
        list.AddItem("Vybraný řádek", DWORD_PTR(-1));
        list.AddItem("Červeně", 1);
        return TRUE;
    }
};

std::vector<std::string> Names(const std::map<CString, CString>& values)
{
    std::vector<std::string> names;
    for (const auto& entry : values)
        names.emplace_back(LPCTSTR(entry.first));
    return names;
}

class EditListBox : public SobrelFixture
{
};
} // namespace

TEST_F(EditListBox, ButtonsAddRemoveAndMoveItemsAndLabelsAreEditedInPlace)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    ScriptedAnswers::OnDialog(IDD_WINDOWS, [](CDialog& dialog) {
        RecordingList& list = static_cast<ListHost&>(dialog).list;
        EXPECT_EQ(dialog.GetDlgItem(IDC_WINDOW_LIST), &list) << "the list took the placeholder's place";
        // Labels are edited in a shown window.
        dialog.ShowWindow(SW_SHOW);
        dialog.GetWidget()->activateWindow();
        UiTest::ProcessEvents();
        list.log.clear();

        Click(list, "up");
        Click(list, "down");
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"Červeně", "Tučně", "Vybraný řádek"}));
        EXPECT_EQ(list.GetSelItem(), 1);
        EXPECT_EQ(list.GetItemData(1), DWORD_PTR(3)) << "the data moves with its item";

        list.SelectItem(2);
        Click(list, "delete");
        EXPECT_EQ(list.GetCount(), 3) << "a refused removal keeps the item";
        list.SelectItem(0);
        Click(list, "delete");
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"Tučně", "Vybraný řádek"}));
        EXPECT_EQ(list.GetSelItem(), 0);

        Click(list, "new");
        TypeLabel(list, "Modře", Qt::Key_Return);
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"Tučně", "Modře", "Vybraný řádek"}));
        Click(list, "new");
        TypeLabel(list, "Zahozeno", Qt::Key_Escape);
        Click(list, "new");
        TypeLabel(list, "", Qt::Key_Return);
        EXPECT_EQ(list.GetCount(), 3) << "a new item left empty or cancelled goes away";

        list.EditItem(0);
        TypeLabel(list, "Tučně a kurzívou", Qt::Key_Return);
        EXPECT_EQ(list.GetItemText(0), "Tučně a kurzívou");

        const std::vector<std::string> expected = {"select 1", "down 1", "select 2", "remove 2", "select 0",
                                                   "remove 0"};
        EXPECT_EQ(std::vector<std::string>(list.log.begin(), list.log.begin() + std::min(list.log.size(), expected.size())),
                  expected);
        const auto has = [&list](const char* entry) {
            return std::find(list.log.begin(), list.log.end(), entry) != list.log.end();
        };
        EXPECT_TRUE(has("add Modře"));
        EXPECT_TRUE(has("rename Tučně a kurzívou"));
        EXPECT_FALSE(has("add Zahozeno"));
        EXPECT_FALSE(has("add "));
        EXPECT_FALSE(has("up 0")) << "the first item does not move up";
        return IDOK;
    });
    ListHost host;
    host.DoModal();
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_WINDOWS});

    QDir().mkpath("pictures");
    ListHost shot;
    EXPECT_TRUE(DialogShot::Render(shot, "pictures/sobrel-editlist.png"));
}

TEST_F(EditListBox, ValueListKeepsItsDialogsNamesInStep)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    ScriptedAnswers::OnDialog(IDD_WINDOWS, [](CDialog& dialog) {
        auto& host = dynamic_cast<ValueHost&>(dialog);
        CValueListBox& list = host.list;
        dialog.ShowWindow(SW_SHOW);
        dialog.GetWidget()->activateWindow();
        UiTest::ProcessEvents();

        list.Sort();
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"Červeně", "Tučně", "Vybraný řádek"}));
        EXPECT_EQ(list.GetSelItem(), 0);
        EXPECT_EQ(host.shown.back(), "Červeně");
        EXPECT_FALSE(host.change.IsWindowEnabled()) << "a named format of the table is not changed here";
        list.SelectItem(2);
        EXPECT_EQ(host.shown.back(), "Vybraný řádek");
        EXPECT_TRUE(host.change.IsWindowEnabled());
        host.editing = false;
        list.SelectItem(0);
        list.SelectItem(2);
        EXPECT_FALSE(host.change.IsWindowEnabled());

        // A name another item has is refused and the label opened again; the map stays.
        const auto before = host.values;
        list.EditItem(0);
        TypeLabel(list, "Tučně", Qt::Key_Return);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
        EXPECT_TRUE(list.IsEditing());
        EXPECT_EQ(host.values, before);
        TypeLabel(list, "Modře", Qt::Key_Return);
        EXPECT_EQ(Names(host.values), (std::vector<std::string>{"Modře", "Tučně", "Vybraný řádek"}));
        EXPECT_EQ(host.values["Modře"], "|||");

        Click(list, "new");
        TypeLabel(list, "Zeleně", Qt::Key_Return);
        EXPECT_EQ(host.values.count("Zeleně"), 1u);
        list.SelectItem(0);
        Click(list, "delete");
        EXPECT_EQ(host.values.count("Modře"), 0u);
        EXPECT_EQ(host.values.size(), 3u);
        return IDOK;
    });
    ValueHost host;
    host.DoModal();
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_WINDOWS});
}
