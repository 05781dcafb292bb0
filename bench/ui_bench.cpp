// The windows layer: a control-id lookup, a message dispatch and a dialog creation, each beside the Qt
// operation it stands on (findChild, a signal to a slot, building the same widgets by hand).

#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiResources.h"
#include "testing/UiTest.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

namespace
{
constexpr UINT IDD_BENCH = 900;
constexpr int kFields = 20;

// A dialog of 20 labelled edits and two buttons, as large as the program's data dialogs.
const std::vector<DialogItemTemplate>& Items()
{
    static const std::vector<DialogItemTemplate> items = []
    {
        std::vector<DialogItemTemplate> list;
        static std::vector<std::string> labels;
        labels.reserve(kFields);
        for (int i = 0; i < kFields; ++i)
        {
            labels.push_back("Pole č. " + std::to_string(i + 1) + ":");
            const short y = short(7 + 16 * i);
            list.push_back({"STATIC", labels.back().c_str(), -1, 7, y, 60, 8, WS_CHILD | WS_VISIBLE, 0});
            list.push_back({"EDIT", "", 1000 + i, 70, short(y - 2), 80, 14,
                            WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0});
        }
        list.push_back({"BUTTON", "OK", IDOK, 40, 330, 50, 14,
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0});
        list.push_back(
            {"BUTTON", "Zrušit", IDCANCEL, 100, 330, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0});
        return list;
    }();
    return items;
}

void RegisterBenchDialog()
{
    static const DialogTemplate dialog{IDD_BENCH,
                                       0,
                                       0,
                                       160,
                                       350,
                                       WS_POPUP | WS_CAPTION | DS_SETFONT,
                                       0,
                                       "Měření",
                                       "MS Sans Serif",
                                       8,
                                       400,
                                       0,
                                       nullptr,
                                       Items().data(),
                                       int(Items().size())};
    static const UiResourceTable table{&dialog, 1};
    static const bool registered = (UiResources::RegisterBuiltIn(&table), true);
    (void)registered;
}

class CBenchDialog : public CDialog
{
public:
    CBenchDialog() : CDialog(IDD_BENCH) {}
    int clicks = 0;

protected:
    afx_msg void OnField() { ++clicks; }
    afx_msg void OnCancelButton() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchDialog, CDialog)
ON_EN_CHANGE(1001, OnField)
ON_EN_CHANGE(1005, OnField)
ON_EN_KILLFOCUS(1010, OnField)
ON_BN_CLICKED(IDCANCEL, OnCancelButton)
END_MESSAGE_MAP()

void Setup()
{
    UiTest::EnsureApplication();
    RegisterBenchDialog();
}

void ControlIdLookup(benchmark::State& state)
{
    Setup();
    CBenchDialog dialog;
    dialog.Create(IDD_BENCH);
    int id = 1000;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(dialog.GetDlgItem(id));
        id = id == 1000 + kFields - 1 ? 1000 : id + 1;
    }
    dialog.DestroyWindow();
}
BENCHMARK(ControlIdLookup);

void QtFindChildByName(benchmark::State& state)
{
    Setup();
    QWidget dialog;
    for (int i = 0; i < kFields; ++i)
        (new QLineEdit(&dialog))->setObjectName(QString::number(1000 + i));
    int id = 1000;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(dialog.findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly));
        id = id == 1000 + kFields - 1 ? 1000 : id + 1;
    }
}
BENCHMARK(QtFindChildByName);

void CommandDispatch(benchmark::State& state)
{
    Setup();
    CBenchDialog dialog;
    dialog.Create(IDD_BENCH);
    CWnd* cancel = dialog.GetDlgItem(IDCANCEL);
    for (auto _ : state)
        dialog.SendMessage(WM_COMMAND, MakeCommandParam(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(cancel->m_hWnd));
    benchmark::DoNotOptimize(dialog.clicks);
    dialog.DestroyWindow();
}
BENCHMARK(CommandDispatch);

void QtSignalToSlot(benchmark::State& state)
{
    Setup();
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&clicks] { ++clicks; });
    for (auto _ : state)
        emit button.clicked();
    benchmark::DoNotOptimize(clicks);
}
BENCHMARK(QtSignalToSlot);

void DialogCreation(benchmark::State& state)
{
    Setup();
    for (auto _ : state)
    {
        CBenchDialog dialog;
        dialog.Create(IDD_BENCH);
        dialog.DestroyWindow();
        // As the event loop does between two dialogs: what was posted, then the deferred deletions.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(DialogCreation)->Unit(benchmark::kMicrosecond);

void QtWidgetsByHand(benchmark::State& state)
{
    Setup();
    for (auto _ : state)
    {
        auto* dialog = new QWidget;
        for (int i = 0; i < kFields; ++i)
        {
            new QLabel(dialog);
            new QLineEdit(dialog);
        }
        new QPushButton("OK", dialog);
        new QPushButton("Zrušit", dialog);
        delete dialog;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(QtWidgetsByHand)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
