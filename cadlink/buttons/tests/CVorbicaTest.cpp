// The CAD button's binding to the bridge modules: codes, module names, failure values, module
// handles and the window's place while a call runs.

#include "CadLinkFixture.h"

#include "platform/core/COleVariant.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Modules.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"

#include <QVariant>
#include <QWidget>

namespace
{
class CVorbicaTest : public CadLinkFixture
{
};

QVariant TypeOf(VARIANT v)
{
    const VARTYPE vt = v.vt;
    VariantClear(&v);
    return int(vt);
}
} // namespace

TEST_F(CVorbicaTest, CodesSelectTheirBridgeModules)
{
    const std::pair<int, const char*> cases[] = {
        {121, "Kestrolm.dll"}, {122, "Sefranil.dll"}, {123, "Vanderop.dll"}, {124, "Vanderop.dll"},
        {125, "Polmirek.dll"}, {126, "Vanderop.dll"}, {127, "Durnavec.dll"}, {128, "Durnavec.dll"},
        {129, "Omblerik.dll"}, {120, ""},          {130, ""},             {-1, ""},
        {21073, ""},
    };
    for (const auto& [code, module] : cases)
    {
        m_button.m_kodCAD = code;
        m_button.VyberKnihovnu();
        EXPECT_STREQ(m_button.m_knihovna, module) << code;
    }
}

TEST_F(CVorbicaTest, AFreshButtonHasNoCadAndTheLineDefaults)
{
    CVorbica fresh;
    EXPECT_EQ(fresh.m_kodCAD, 21073);
    EXPECT_STREQ(fresh.m_knihovna, "");
    EXPECT_DOUBLE_EQ(fresh.m_tloustka, 0.2);
    EXPECT_EQ(fresh.m_barva, 0xFF00FFu);
    EXPECT_EQ(fresh.m_rezerva, 0);
    EXPECT_EQ(fresh.m_ikona, nullptr);
    EXPECT_EQ(fresh.m_prodleva, 30000);
    EXPECT_EQ(fresh.m_opakovani, 800);
}

// No CAD, or a CAD program whose bridge lies outside the system: nothing is loaded or called.
TEST_F(CVorbicaTest, WithoutABridgeEveryOperationReturnsItsFailureValue)
{
    Register();
    for (int code : {21073, 120, 130, -1, 122, 123, 124, 125, 126, 127, 128, 129})
    {
        SCOPED_TRACE(code);
        m_button.m_kodCAD = code;
        VARIANT empty;
        VariantInit(&empty);
        COleVariant number(LONG(3));
        EXPECT_EQ(m_button.PoStiskuStart("", 0), -1);
        EXPECT_EQ(m_button.PoStiskuPosli("ZOOM", empty), -1);
        EXPECT_EQ(m_button.PoStiskuPosli("MERITKO", number), -1);
        EXPECT_EQ(m_button.PoStiskuVyber(), -1);
        EXPECT_DOUBLE_EQ(m_button.PoStiskuVzdal(), -1.0);
        for (VARIANT v : {m_button.PoStiskuObrys(1), m_button.PoStiskuAtrib(), m_button.PoStiskuUtvor(),
                          m_button.PoStiskuPoint(), m_button.PoStisku2Body()})
            EXPECT_EQ(TypeOf(v), int(VT_EMPTY));
        EXPECT_EQ(TypeOf(m_button.PoStiskuNacti("MERITKO")), int(VT_ERROR));
        EXPECT_EQ(TypeOf(m_button.PoStiskuNajdi("MERITKO", "")), int(VT_ERROR));
        m_button.PoStiskuKonec();
    }
    EXPECT_FALSE(StandInStarted());
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(CVorbicaTest, PosliSendsACommandOrSetsAVariableByTheValuesType)
{
    Register();
    VARIANT empty, error;
    VariantInit(&empty);
    VariantInit(&error);
    error.vt = VT_ERROR;
    COleVariant number(LONG(4)), text("A3");
    EXPECT_EQ(m_button.PoStiskuPosli("REGEN", empty), 1);
    EXPECT_EQ(m_button.PoStiskuPosli("REGEN", error), 1);
    EXPECT_EQ(m_button.PoStiskuPosli("MERITKO", number), 0);
    EXPECT_EQ(m_button.PoStiskuPosli("FORMAT", text), 0);
    EXPECT_EQ(EventsWith("copydata").size(), 2);
    EXPECT_EQ(EventsWith("setvar").size(), 2);
}

TEST_F(CVorbicaTest, AnEmptyNameCallsNoExport)
{
    Register();
    VARIANT empty;
    VariantInit(&empty);
    COleVariant number(LONG(4));
    EXPECT_EQ(m_button.PoStiskuPosli("", empty), -1);
    EXPECT_EQ(m_button.PoStiskuPosli("", number), -1);
    EXPECT_EQ(TypeOf(m_button.PoStiskuNacti("")), int(VT_ERROR));
    EXPECT_EQ(TypeOf(m_button.PoStiskuNajdi("", "x")), int(VT_ERROR));
    EXPECT_FALSE(StandInStarted());
}

TEST_F(CVorbicaTest, ACallReleasesOnlyTheModuleItLoaded)
{
    Register(R"([{"distance": [[0, 0, 0], [1, 0, 0]]}, {"distance": [[0, 0, 0], [2, 0, 0]]}])");
    EXPECT_DOUBLE_EQ(m_button.PoStiskuVzdal(), 1.0);
    EXPECT_EQ(GetModuleHandle("Kestrolm.dll"), nullptr);

    HMODULE mine = LoadLibrary("Kestrolm.dll");
    ASSERT_NE(mine, nullptr) << Modules::LastError();
    EXPECT_DOUBLE_EQ(m_button.PoStiskuVzdal(), 2.0);
    EXPECT_EQ(GetModuleHandle("Kestrolm.dll"), mine);
    EXPECT_TRUE(FreeLibrary(mine));
}

TEST_F(CVorbicaTest, AfterACallTheWindowIsBackAsItWasAndNotStayOnTop)
{
    for (bool maximised : {false, true})
    {
        SCOPED_TRACE(maximised);
        CWnd frame;
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "Místnost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300),
                                   nullptr, 0));
        CVorbica button;
        ASSERT_TRUE(button.Create("CAD", BS_PUSHBUTTON | WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &frame, 1001));
        if (maximised)
            frame.ShowWindow(SW_SHOWMAXIMIZED);
        button.m_kodCAD = 120;
        EXPECT_DOUBLE_EQ(button.PoStiskuVzdal(), -1.0);
        UiTest::ProcessEvents();
        EXPECT_FALSE(frame.GetExStyle() & WS_EX_TOPMOST);
        EXPECT_FALSE(frame.GetWidget()->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(bool(frame.IsZoomed()), maximised);
        EXPECT_TRUE(frame.IsWindowVisible());
        button.DestroyWindow();
        frame.DestroyWindow();
    }
}
