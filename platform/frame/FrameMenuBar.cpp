#include "platform/frame/FrameMenuBar.h"
#include "platform/frame/ActionCmdUI.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CRecentFileList.h"
#include "platform/frame/CWinApp.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/UiResources.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace
{
constexpr UINT kGrayed = 0x1;
constexpr UINT kChecked = 0x8;
constexpr UINT kPopup = 0x10;
constexpr UINT kSeparator = 0x800;
constexpr const char* kRecentProperty = "kalvenrodRecentFile";

UINT IdOf(const QAction* action) { return action->data().isValid() ? action->data().toUInt() : 0; }

void SendCommand(CFrameWnd* frame, UINT id)
{
    frame->SendMessage(WM_COMMAND, MakeCommandParam(id, 0));
}

QAction* AddCommand(QMenu* menu, CFrameWnd* frame, const QString& text, UINT id)
{
    QAction* action = menu->addAction(text);
    action->setData(QVariant::fromValue<uint>(id));
    QObject::connect(action, &QAction::triggered, menu, [frame, id] { SendCommand(frame, id); });
    return action;
}

// The recent files stand where the placeholder item is; the placeholder shows while there are none.
void FillRecentFiles(QMenu* menu, CFrameWnd* frame)
{
    QAction* placeholder = nullptr;
    for (QAction* a : menu->actions())
    {
        if (a->property(kRecentProperty).toBool())
            menu->removeAction(a), a->deleteLater();
        else if (IdOf(a) == ID_FILE_MRU_FILE1)
            placeholder = a;
    }
    CWinApp* app = AfxGetApp();
    CRecentFileList* list = app ? app->m_pRecentFileList : nullptr;
    if (!placeholder || !list)
        return;
    placeholder->setVisible(list->GetSize() == 0);
    for (int i = 0; i < list->GetSize(); ++i)
    {
        CString name;
        list->GetDisplayName(name, i, nullptr, 0);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromUtf8(name.GetString())), menu);
        const UINT id = ID_FILE_MRU_FILE1 + UINT(i);
        action->setData(QVariant::fromValue<uint>(id));
        action->setProperty(kRecentProperty, true);
        QObject::connect(action, &QAction::triggered, menu, [frame, id] { SendCommand(frame, id); });
        menu->insertAction(placeholder, action);
    }
}

void UpdateItems(QMenu* menu, CFrameWnd* frame)
{
    FillRecentFiles(menu, frame);
    ActionCmdUI state(true);
    for (QAction* a : menu->actions())
    {
        const UINT id = IdOf(a);
        if (a->menu() || a->isSeparator() || id == 0 || !a->isVisible() || id == ID_FILE_MRU_FILE1)
            continue;
        state.action = a;
        state.m_nID = id;
        state.DoUpdate(frame, frame->m_bAutoMenuEnable);
    }
}
} // namespace

BOOL FrameMenuBar::Build(CFrameWnd* frame, UINT menuId)
{
    const MenuTemplate* menu = UiResources::FindMenu(menuId);
    QMainWindow* window = frame ? frame->MainWindow() : nullptr;
    if (!menu || !window)
        return FALSE;
    QMenuBar* bar = window->menuBar();
    bar->clear();
    std::vector<QMenu*> open; // the popup of each level
    for (int i = 0; i < menu->itemCount; ++i)
    {
        const MenuItemTemplate& item = menu->items[i];
        const QString text = QString::fromUtf8(item.text ? item.text : "");
        open.resize(std::size_t(std::max(0, item.level)));
        QMenu* parent = open.empty() ? nullptr : open.back();
        if (item.flags & kPopup)
        {
            QMenu* popup = parent ? parent->addMenu(text) : bar->addMenu(text);
            QObject::connect(popup, &QMenu::aboutToShow, popup, [popup, frame] { UpdateItems(popup, frame); });
            open.push_back(popup);
            continue;
        }
        if (!parent)
        {
            QAction* action = bar->addAction(text);
            action->setData(QVariant::fromValue<uint>(item.id));
            const UINT id = item.id;
            QObject::connect(action, &QAction::triggered, bar, [frame, id] { SendCommand(frame, id); });
            continue;
        }
        if (item.flags & kSeparator)
        {
            parent->addSeparator();
            continue;
        }
        QAction* action = AddCommand(parent, frame, text, item.id);
        action->setEnabled(!(item.flags & kGrayed));
        if (item.flags & kChecked)
        {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    return TRUE;
}

BOOL FrameMenuBar::InstallAccelerators(CFrameWnd* frame, UINT acceleratorsId)
{
    const AcceleratorTemplate* table = UiResources::FindAccelerators(acceleratorsId);
    QWidget* window = frame ? frame->GetWidget() : nullptr;
    if (!table || !window)
        return FALSE;
    for (int i = 0; i < table->entryCount; ++i)
    {
        const ACCEL& accel = table->entries[i];
        const int key = (accel.fVirt & FVIRTKEY) ? KeyMap::ToQtKey(accel.key) : int(accel.key);
        if (key == 0)
            continue;
        Qt::KeyboardModifiers modifiers;
        if (accel.fVirt & FCONTROL)
            modifiers |= Qt::ControlModifier;
        if (accel.fVirt & FSHIFT)
            modifiers |= Qt::ShiftModifier;
        if (accel.fVirt & FALT)
            modifiers |= Qt::AltModifier;
        auto* action = new QAction(window);
        action->setShortcut(QKeySequence(QKeyCombination(modifiers, Qt::Key(key))));
        action->setShortcutContext(Qt::WindowShortcut);
        const UINT id = accel.cmd;
        QObject::connect(action, &QAction::triggered, window, [frame, id] { SendCommand(frame, id); });
        window->addAction(action);
    }
    return TRUE;
}
