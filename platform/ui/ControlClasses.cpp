#include "platform/ui/ControlClasses.h"

#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDateTimeCtrl.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CTabCtrl.h"
#include "platform/ui/CTreeCtrl.h"
#include "platform/ui/CommonControls.h"

#include <QString>

#include <map>
#include <string>

namespace
{
using Factory = CWnd* (*)();

template <class T> CWnd* Make()
{
    return new T;
}

const std::map<std::string, Factory>& Factories()
{
    static const std::map<std::string, Factory> factories = {
        {"button", &Make<CButton>},
        {"edit", &Make<CEdit>},
        {"static", &Make<CStatic>},
        {"combobox", &Make<CComboBox>},
        {"listbox", &Make<CListBox>},
        {"systabcontrol32", &Make<CTabCtrl>},
        {"msctls_updown32", &Make<CSpinButtonCtrl>},
        {"msctls_trackbar32", &Make<CSliderCtrl>},
        {"msctls_progress32", &Make<CProgressCtrl>},
        {"syslistview32", &Make<CListCtrl>},
        {"systreeview32", &Make<CTreeCtrl>},
        {"sysdatetimepick32", &Make<CDateTimeCtrl>},
        {"scrollbar", &Make<CScrollBar>},
    };
    return factories;
}

std::string Lower(const char* s)
{
    return QString::fromUtf8(s ? s : "").toLower().toStdString();
}

std::map<std::string, WNDCLASS>& Registered()
{
    static std::map<std::string, WNDCLASS> classes;
    return classes;
}
} // namespace

CWnd* ControlClasses::Create(const char* className)
{
    if (!className || reinterpret_cast<UINT_PTR>(className) < 0x10000)
        return nullptr;
    const auto it = Factories().find(Lower(className));
    return it == Factories().end() ? nullptr : it->second();
}

bool ControlClasses::IsControlClass(const char* className)
{
    return className && reinterpret_cast<UINT_PTR>(className) >= 0x10000 &&
           Factories().count(Lower(className)) > 0;
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    return RegisterClass(lpWndClass);
}

BOOL RegisterClass(const WNDCLASS* lpWndClass)
{
    if (!lpWndClass || !lpWndClass->lpszClassName)
        return FALSE;
    Registered()[Lower(lpWndClass->lpszClassName)] = *lpWndClass;
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR lpClassName, LPWNDCLASS lpWndClass)
{
    const auto it = Registered().find(Lower(lpClassName));
    if (it == Registered().end())
        return FALSE;
    if (lpWndClass)
        *lpWndClass = it->second;
    return TRUE;
}

BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE)
{
    return Registered().erase(Lower(lpClassName)) > 0;
}
