#include "controls/resizable/CControlKind.h"

#include <gtest/gtest.h>

namespace
{
constexpr DWORD CenterImage = 0x200;

struct KindCase
{
    const char* className;
    DWORD style;
    BOOL likesClipping;
    BOOL needsRefresh;
};

const KindCase kindCases[] = {
    {"Edit", 0x50010080, TRUE, FALSE},
    {"ComboBox", 0x3, TRUE, FALSE},
    {"ListBox", 0x1, TRUE, FALSE},
    {"ToolbarWindow32", 0x0, TRUE, FALSE},
    {"ToolbarWindow32", 0x8000, FALSE, FALSE},
    {"Button", 0x0, TRUE, FALSE},
    {"Button", 0x3, TRUE, FALSE},
    {"button", 0x7, FALSE, FALSE},
    {"Button", 0x50000007, FALSE, FALSE},
    {"Static", 0x0, FALSE, TRUE},
    {"Static", 0x1, FALSE, TRUE},
    {"Static", 0x2, FALSE, TRUE},
    {"Static", 0x3, TRUE, FALSE},
    {"Static", 0x3 | CenterImage, FALSE, FALSE},
    {"Static", 0x4, TRUE, FALSE},
    {"Static", 0x5, TRUE, FALSE},
    {"Static", 0x6 | CenterImage, TRUE, TRUE},
    {"Static", 0x7, FALSE, FALSE},
    {"Static", 0xB, FALSE, FALSE},
    {"Static", 0xB | CenterImage, FALSE, FALSE},
    {"Static", 0xC, FALSE, FALSE},
    {"Static", 0xC | CenterImage, FALSE, TRUE},
    {"Static", 0xE, TRUE, TRUE},
    {"Static", 0xF, TRUE, TRUE},
    {"Static", 0xF | CenterImage, FALSE, TRUE},
    {"Static", 0x10, TRUE, FALSE},
    {"Static", 0x11, TRUE, FALSE},
    {"Static", 0x12, FALSE, FALSE},
    {"Static", 0x12 | CenterImage, FALSE, TRUE},
};
} // namespace

TEST(CControlKind, ClippingAndRefreshFollowClassAndType)
{
    for (const KindCase& c : kindCases)
    {
        const CControlKind kind(c.className, c.style);
        EXPECT_EQ(kind.LikesClipping(), c.likesClipping) << c.className << " 0x" << std::hex << c.style;
        EXPECT_EQ(kind.NeedsRefresh(), c.needsRefresh) << c.className << " 0x" << std::hex << c.style;
    }
}

TEST(CControlKind, GroupBoxesAndListBoxes)
{
    EXPECT_TRUE(CControlKind("Button", 0x50000007).IsGroupBox());
    EXPECT_FALSE(CControlKind("Button", 0x50000003).IsGroupBox());
    EXPECT_FALSE(CControlKind("Static", 0x7).IsGroupBox());
    EXPECT_TRUE(CControlKind("ListBox", 0).IsListBox());
    EXPECT_FALSE(CControlKind("ComboBox", 0).IsListBox());
    EXPECT_FALSE(CControlKind(nullptr, 0).IsListBox());
}
