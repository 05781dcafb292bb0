#include "SobrelFixture.h"

#include "dataeditor/app/CMainFrame.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/CMDIChildWnd.h"

namespace
{
struct LanguageCase
{
    const char* saved;
    const char* expected;
};

class LanguageChoice : public SobrelFixture, public ::testing::WithParamInterface<LanguageCase>
{
};
} // namespace

TEST_P(LanguageChoice, SavedLanguageWinsWhenItsPackLoadedElseTheFirstPack)
{
    ProvideBoth();
    // A file that matches the pattern but is no library is passed over.
    QFile broken(ProgramFile("Sobrel-AA.so"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    Profile::WriteString("Options", "lang", GetParam().saved);
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_app->language, GetParam().expected);
    EXPECT_EQ(m_app->languages.size(), 2u);
    EXPECT_EQ(Profile::GetString("Options", "lang", ""), GetParam().expected);
    CString table;
    table.LoadString(IDS_FORMAT_TABLE);
    EXPECT_EQ(table, CString(GetParam().expected) == "EN" ? "Formats$" : "Formaty$");
    EXPECT_EQ(m_app->namedFormats.size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Saved, LanguageChoice,
                         ::testing::Values(LanguageCase{"EN", "EN"}, LanguageCase{"", "CZ"},
                                           LanguageCase{"XX", "CZ"}, LanguageCase{"CZ", "CZ"}));

TEST_F(SobrelFixture, WithoutALanguagePackTheStartFailsWithTheFixedMessage)
{
    Provide({"Sobrel-CZ.xls"});
    EXPECT_FALSE(Start());
    EXPECT_EQ(LastMessage(), "Nemohl jsem otevřít jazykovou knihovnu\npotřebnou pro běh programu.");
    EXPECT_TRUE(m_app->startFailed);
    m_app->ExitInstance();
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    // A failed start writes no options.
    EXPECT_EQ(Profile::GetString("Options", "backup", "none"), "none");
}

TEST_F(SobrelFixture, NamedFormatWorkbookMissingOrUnreadableEndsTheStart)
{
    Provide({"Sobrel-CZ.so"});
    EXPECT_FALSE(Start());
    EXPECT_TRUE(LastMessage().Find("Nenašel jsem sešit pojmenovaných formátů") == 0) << LastMessage();
    EXPECT_TRUE(LastMessage().Find("Sobrel-CZ.xls") > 0);
    Stop();

    QFile garbage(ProgramFile("Sobrel-CZ.xls"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("no workbook");
    garbage.close();
    EXPECT_FALSE(Start());
    EXPECT_TRUE(LastMessage().Find("nelze přečíst") > 0) << LastMessage();
}

TEST_F(SobrelFixture, TableParameterIsTakenOnlyInItsExactCase)
{
    ProvideBoth();
    ASSERT_TRUE(Start({"-tabulka:Data$"}));
    EXPECT_EQ(m_app->requestedTable, "Data$");
    Stop();
    ASSERT_TRUE(Start({"-Tabulka:Data$"}));
    EXPECT_EQ(m_app->requestedTable, "");
}

TEST_F(SobrelFixture, StartedAsTheMainProgramStartsItOpensTheNamedSheet)
{
    ProvideBoth();
    const QString copy = Folder("MekrData.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/MekrData.xls"), copy));
    ASSERT_TRUE(Start({copy.toUtf8().constData(), "-tabulka:Mekr_Ot$"}));
    auto* frame = dynamic_cast<CMainFrame*>(m_app->m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    auto* document = dynamic_cast<CSobrelDoc*>(frame->MDIGetActive()->GetActiveDocument());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->tableName, "Mekr_Ot$");
    EXPECT_TRUE(m_app->requestedTable.IsEmpty());
}

TEST_F(SobrelFixture, NumberTextsFollowTheLocaleSeparators)
{
    ProvideBoth();
    ASSERT_TRUE(Start());
    m_app->decimalPoint = ',';
    m_app->thousandSeparator = " ";
    CString text = "  1 234.5 ";
    EXPECT_EQ(m_app->NormalizeNumberText(text), 0);
    EXPECT_EQ(text, "1234,5");
    struct Case
    {
        const char* text;
        bool number;
    };
    for (const Case& c : {Case{"1,5e-3", true}, Case{"1-5", false}, Case{"", false}, Case{"-2,5", true},
                          Case{"1,2,3", false}, Case{"1e", true}, Case{"12a", false},
                          Case{"1.5", true}})
        EXPECT_EQ(m_app->IsNumberText(c.text), c.number) << c.text;
    EXPECT_EQ(CSobrelApp::FormatNumber(1234567.891, 12, ',', " "), "1 234 567,891000000");
    EXPECT_EQ(CSobrelApp::FormatNumber(-1234.5, 2, ',', "."), "-1.234,50");
    EXPECT_EQ(CSobrelApp::FormatNumber(0.125, 2, '.', ""), "0.13");
    EXPECT_EQ(CSobrelApp::FormatNumber(999.999, 0, ',', " "), "1 000");
}

TEST_F(SobrelFixture, AChangedNamedFormatListIsWrittenBackInItsOrderAtExit)
{
    Provide({"Sobrel-CZ.so"});
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALVENROD_BIN_DIR "/Sobrel-CZ.xls"), ProgramFile("Sobrel-CZ.xls")));
    ASSERT_TRUE(Start());
    ASSERT_EQ(m_app->namedFormats.size(), 8u);
    m_app->namedFormats["Stěna"] = "ff0000|ffffff|T|2";
    m_app->namedFormats.erase("Součet");
    m_app->namedFormatsChanged = true;
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_app->namedFormats.size(), 7u);
    EXPECT_EQ(m_app->namedFormats["Stěna"], "ff0000|ffffff|T|2");
    EXPECT_EQ(m_app->namedFormatOrder["Stěna"], 3);
    EXPECT_EQ(m_app->namedFormats.count("Součet"), 0u);
}
