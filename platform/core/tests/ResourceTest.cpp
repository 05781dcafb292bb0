#include "platform/core/CString.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"

#include <gtest/gtest.h>

namespace
{
class ResourceTest : public ::testing::Test
{
protected:
    void TearDown() override { AfxSetResourceHandle(nullptr); }
};

TEST_F(ResourceTest, LoadStringReturnsTheCzechText)
{
    CString s;
    EXPECT_TRUE(s.LoadString(61449));
    EXPECT_EQ(s, "kalvenrod - upozornění");
    EXPECT_FALSE(s.LoadString(1));
    EXPECT_TRUE(s.IsEmpty());
    char buffer[12];
    EXPECT_EQ(LoadString(AfxGetInstanceHandle(), 61449, buffer, sizeof buffer), 11);
    EXPECT_STREQ(buffer, "kalvenrod -");
    EXPECT_EQ(LoadString(nullptr, 61449, buffer, 5), 4);
    EXPECT_EQ(LoadString(nullptr, 2, buffer, sizeof buffer), 0);
}

TEST_F(ResourceTest, ProgramStringsComeBeforeLibraryStrings)
{
    static const ResourceString library[] = {{61448, "z knihovny"}, {61999, "jen v knihovně"}};
    static const ResourceTable table{library, 2};
    Resources::RegisterBuiltIn(&table);
    CString s;
    EXPECT_TRUE(s.LoadString(61448));
    EXPECT_EQ(s, "kalvenrod - chyba");
    EXPECT_TRUE(s.LoadString(61999));
    EXPECT_EQ(s, "jen v knihovně");
}

TEST_F(ResourceTest, LanguagePackOverridesItsStrings)
{
    HMODULE pack = LoadLibrary(KALVENROD_TEST_PACK_DIR "/CoreTest_En.dll");
    ASSERT_NE(pack, nullptr) << Modules::LastError();
    ASSERT_NE(Resources::TableOf(pack), nullptr);
    AfxSetResourceHandle(pack);
    CString s;
    EXPECT_TRUE(s.LoadString(61448));
    EXPECT_EQ(s, "kalvenrod - error");
    EXPECT_TRUE(s.LoadString(61449)); // not in the pack: the built-in text
    EXPECT_EQ(s, "kalvenrod - upozornění");
    AfxSetResourceHandle(nullptr);
    EXPECT_TRUE(s.LoadString(61448));
    EXPECT_EQ(s, "kalvenrod - chyba");
    EXPECT_TRUE(FreeLibrary(pack));
}

TEST(Modules, DllNameFindsTheSharedLibraryBesideTheProgram)
{
    HMODULE module = LoadLibrary("CoreTestModule.dll");
    ASSERT_NE(module, nullptr) << Modules::LastError();
    using Answer = int (*)(int);
    const auto answer = reinterpret_cast<Answer>(GetProcAddress(module, "CoreTestAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(20), 41);
    EXPECT_EQ(GetProcAddress(module, "Missing"), nullptr);
    char path[512];
    EXPECT_GT(GetModuleFileName(module, path, sizeof path), 0u);
    EXPECT_NE(std::string(path).find("CoreTestModule.so"), std::string::npos);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(LoadLibrary("Nothing.dll"), nullptr);
    EXPECT_FALSE(Modules::LastError().empty());
    EXPECT_EQ(LoadLibrary(""), nullptr);
    EXPECT_EQ(Modules::ResolvePath("C:\\Program Files\\Kolp\\Kestrolm.DLL"),
              "C:/Program Files/Kolp/Kestrolm.so");
}
} // namespace
