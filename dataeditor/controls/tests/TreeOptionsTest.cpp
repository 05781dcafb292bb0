#include "dataeditor/controls/CTreeOptionsCtrl.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
// Records the tree's notifications: code and item.
class Owner : public CWnd
{
public:
    std::vector<std::pair<UINT, HTREEITEM>> notes;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        const auto* info = reinterpret_cast<const NMTREEVIEW*>(lParam);
        notes.emplace_back(info->hdr.code, info->itemNew.hItem);
        return TRUE;
    }
};

class TreeOptions : public testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0);
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &m_owner, 77));
        m_group = m_tree.InsertItem("Čáry");
        for (int image : {CTreeOptionsCtrl::radioOn, CTreeOptionsCtrl::radioOff, CTreeOptionsCtrl::radioOffDisabled})
            m_radios.push_back(m_tree.InsertItem("volba", image, image, m_group));
        m_check = m_tree.InsertItem("Zálohovat", CTreeOptionsCtrl::checkOff, CTreeOptionsCtrl::checkOff);
        m_disabled =
            m_tree.InsertItem("Zamčeno", CTreeOptionsCtrl::checkOnDisabled, CTreeOptionsCtrl::checkOnDisabled);
        m_tree.Expand(m_group, TVE_EXPAND);
    }
    Owner m_owner;
    CTreeOptionsCtrl m_tree;
    HTREEITEM m_group = nullptr;
    std::vector<HTREEITEM> m_radios;
    HTREEITEM m_check = nullptr;
    HTREEITEM m_disabled = nullptr;
};
} // namespace

TEST_F(TreeOptions, DisabledItemsIgnoreClicksAndSpace)
{
    EXPECT_FALSE(m_tree.Act(m_disabled));
    EXPECT_FALSE(m_tree.Act(m_radios[2]));
    EXPECT_FALSE(m_tree.Act(m_radios[0])); // already selected
    m_tree.SelectItem(m_disabled);
    m_tree.SendMessage(WM_CHAR, ' ');
    EXPECT_EQ(m_tree.Image(m_disabled), CTreeOptionsCtrl::checkOnDisabled);
    EXPECT_TRUE(m_owner.notes.empty());
}

TEST_F(TreeOptions, OneRadioOfTheGroupIsSelectedAndDisabledOnesStayDisabled)
{
    ASSERT_TRUE(m_tree.Act(m_radios[1]));
    EXPECT_EQ(m_tree.Image(m_radios[0]), CTreeOptionsCtrl::radioOff);
    EXPECT_EQ(m_tree.Image(m_radios[1]), CTreeOptionsCtrl::radioOn);
    EXPECT_EQ(m_tree.Image(m_radios[2]), CTreeOptionsCtrl::radioOffDisabled);
    ASSERT_EQ(m_owner.notes.size(), 1u);
    EXPECT_EQ(m_owner.notes[0], std::make_pair(UINT(CTreeOptionsCtrl::radioChanged), m_radios[1]));
}

TEST_F(TreeOptions, TheSpaceBarAndAClickToggleACheckBox)
{
    m_tree.SelectItem(m_check);
    m_owner.notes.clear();
    m_tree.SendMessage(WM_CHAR, ' ');
    EXPECT_EQ(m_tree.Image(m_check), CTreeOptionsCtrl::checkOn);
    CRect rect;
    ASSERT_TRUE(m_tree.GetItemRect(m_check, rect, TRUE));
    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_EQ(m_tree.Image(m_check), CTreeOptionsCtrl::checkOff);
    ASSERT_EQ(m_owner.notes.size(), 2u);
    EXPECT_EQ(m_owner.notes[1], std::make_pair(UINT(CTreeOptionsCtrl::checkBoxChanged), m_check));
}

TEST_F(TreeOptions, EditableItemsKeepTheirValueAfterTheSeparator)
{
    const HTREEITEM width = m_tree.InsertItem("Šířka zlomu");
    EXPECT_EQ(m_tree.GetEditText(width), "");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: ");
    m_tree.SetEditText(width, "12,5");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: 12,5");
    EXPECT_EQ(m_tree.GetEditText(width), "12,5");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: ");
    m_tree.SetEditText(width, "30");
    m_tree.SetEditText(width, "40");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: 40");
}
