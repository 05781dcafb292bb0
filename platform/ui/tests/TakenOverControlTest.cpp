// A control taken over by another object (a dialog's data exchange, SubclassWindow) speaks through
// that object: what the user does reaches the owner from the new object, and the object that
// made the control hears nothing more of it.
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CTabCtrl.h"
#include "platform/ui/CTreeCtrl.h"
#include "platform/ui/CommonControls.h"
#include "testing/UiTest.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace
{
constexpr UINT kControlId = 3101;

// The owner hears commands, notifications and scroll messages, each with the control's window.
class Owner : public CWnd
{
public:
    struct Heard
    {
        UINT message;
        UINT code;
        HWND from;
    };
    std::vector<Heard> heard;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kControlId)
            heard.push_back({message, HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        else if (message == WM_NOTIFY && wParam == kControlId)
            heard.push_back({message, reinterpret_cast<const NMHDR*>(lParam)->code,
                             reinterpret_cast<const NMHDR*>(lParam)->hwndFrom});
        else if (message == WM_HSCROLL || message == WM_VSCROLL)
            heard.push_back({message, LOWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A new control object of one class, and the creation of its window.
struct Kind
{
    std::function<std::unique_ptr<CWnd>()> object;
    std::function<BOOL(CWnd&, DWORD, CWnd*)> create;
};

struct Case
{
    const char* name;
    Kind make;
    DWORD style;
    std::function<void(CWnd&)> prepare;
    std::function<void(QWidget*)> act; // what the user does, on the control's widget
    UINT message;                      // what the owner must hear
};

template <class T>
Kind Make()
{
    return {[] { return std::make_unique<T>(); },
            [](CWnd& wnd, DWORD style, CWnd* parent)
            {
                const DWORD shown = WS_CHILD | WS_VISIBLE | style;
                const CRect rect(10, 10, 200, 120);
                if constexpr (std::is_same_v<T, CButton>)
                    return static_cast<T&>(wnd).Create("Vyber U", shown, rect, parent, kControlId);
                else
                    return static_cast<T&>(wnd).Create(shown, rect, parent, kControlId);
            }};
}

std::vector<Case> Cases()
{
    return {
        {"edit", Make<CEdit>(), ES_AUTOHSCROLL, nullptr,
         [](QWidget* w) { static_cast<QLineEdit*>(w)->setText("20,5"); }, WM_COMMAND},
        {"button", Make<CButton>(), BS_PUSHBUTTON, nullptr,
         [](QWidget* w) { static_cast<QAbstractButton*>(w)->click(); }, WM_COMMAND},
        {"combo", Make<CComboBox>(), CBS_DROPDOWNLIST,
         [](CWnd& c)
         {
             static_cast<CComboBox&>(c).AddString("SO");
             static_cast<CComboBox&>(c).AddString("SV");
         },
         [](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(1); }, WM_COMMAND},
        {"list box", Make<CListBox>(), LBS_NOTIFY,
         [](CWnd& c)
         {
             static_cast<CListBox&>(c).AddString("Obývací pokoj");
             static_cast<CListBox&>(c).AddString("Kuchyně");
         },
         [](QWidget* w) { static_cast<QListWidget*>(w)->setCurrentRow(1); }, WM_COMMAND},
        {"tab", Make<CTabCtrl>(), 0,
         [](CWnd& c)
         {
             static_cast<CTabCtrl&>(c).InsertItem(0, "Podlaha");
             static_cast<CTabCtrl&>(c).InsertItem(1, "Stěna");
         },
         [](QWidget* w) { w->findChild<QTabBar*>() ? w->findChild<QTabBar*>()->setCurrentIndex(1)
                                                  : static_cast<QTabBar*>(w)->setCurrentIndex(1); },
         WM_NOTIFY},
        {"tree", Make<CTreeCtrl>(), 0,
         [](CWnd& c)
         {
             static_cast<CTreeCtrl&>(c).InsertItem("Budova");
             static_cast<CTreeCtrl&>(c).InsertItem("Podlaží");
         },
         [](QWidget* w) { static_cast<QTreeWidget*>(w)->setCurrentItem(static_cast<QTreeWidget*>(w)->topLevelItem(1)); },
         WM_NOTIFY},
        {"date", Make<CDateTimeCtrl>(), 0, nullptr,
         [](QWidget* w) { static_cast<QDateTimeEdit*>(w)->setDate(QDate(2026, 12, 24)); }, WM_NOTIFY},
        {"scroll bar", Make<CScrollBar>(), SBS_HORZ,
         [](CWnd& c) { static_cast<CScrollBar&>(c).SetScrollRange(0, 10); },
         [](QWidget* w) { static_cast<QAbstractSlider*>(w)->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
         WM_HSCROLL},
        {"slider", Make<CSliderCtrl>(), 0, nullptr,
         [](QWidget* w) { static_cast<QAbstractSlider*>(w)->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
         WM_HSCROLL},
        {"spin", Make<CSpinButtonCtrl>(), 0,
         [](CWnd& c) { static_cast<CSpinButtonCtrl&>(c).SetRange32(0, 10); },
         [](QWidget* w) { w->findChildren<QToolButton*>().front()->click(); }, WM_VSCROLL},
    };
}
} // namespace

TEST(TakenOverControl, SpeaksThroughTheObjectThatHasItNow)
{
    UiTest::EnsureApplication();
    for (const Case& c : Cases())
    {
        SCOPED_TRACE(c.name);
        Owner owner;
        owner.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0);
        // The object that made the control stays alive, as a member of another class would.
        std::unique_ptr<CWnd> made = c.make.object();
        ASSERT_TRUE(c.make.create(*made, c.style, &owner));
        if (c.prepare)
            c.prepare(*made);
        std::unique_ptr<CWnd> taken = c.make.object();
        ASSERT_TRUE(taken->SubclassWindow(made->GetSafeHwnd()));
        owner.heard.clear();

        c.act(taken->GetWidget());
        UiTest::ProcessEvents();

        bool heardFromTaken = false;
        for (const Owner::Heard& h : owner.heard)
            if (h.message == c.message)
            {
                EXPECT_EQ(h.from, taken->GetSafeHwnd());
                heardFromTaken = true;
            }
        EXPECT_TRUE(heardFromTaken);
        taken->DestroyWindow();
    }
}
