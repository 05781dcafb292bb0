#include "controls/grid/CGridDropTarget.h"

#include "controls/grid/CGridCtrl.h"
#include "platform/ui/COleDataObject.h"
#include "platform/ui/KeyMap.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QWidget>

namespace
{
// Turns the drag events of the grid's client widget into the grid's drag operations.
class DropEventFilter : public QObject
{
public:
    explicit DropEventFilter(CGridCtrl* pGrid) : m_pGrid(pGrid) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type())
        {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return Forward(static_cast<QDropEvent*>(event));
        case QEvent::DragLeave:
            m_pGrid->OnDragLeave();
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    bool Forward(QDropEvent* event)
    {
        COleDataObject data;
        data.Attach(event->mimeData());
        // The keys held over the target, as the drop handlers read them.
        KeyMap::SetModifiers(event->modifiers());
        const DWORD keyState = (event->modifiers() & Qt::ControlModifier) ? MK_CONTROL : 0;
        const QPoint at = event->position().toPoint();
        const CPoint point(at.x(), at.y());
        DROPEFFECT effect = DROPEFFECT_NONE;
        if (event->type() == QEvent::DragEnter)
            effect = m_pGrid->OnDragEnter(&data, keyState, point);
        else if (event->type() == QEvent::DragMove)
            effect = m_pGrid->OnDragOver(&data, keyState, point);
        else
        {
            effect = (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
            if (!m_pGrid->OnDrop(&data, effect, point))
                effect = DROPEFFECT_NONE;
        }
        if (effect == DROPEFFECT_NONE)
        {
            event->ignore();
            return true;
        }
        event->setDropAction(effect == DROPEFFECT_COPY ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return true;
    }

    CGridCtrl* m_pGrid;
};
} // namespace

CGridDropTarget::CGridDropTarget() = default;

CGridDropTarget::~CGridDropTarget()
{
    Revoke();
}

BOOL CGridDropTarget::Register(CGridCtrl* pGridCtrl)
{
    if (m_bRegistered || m_bRegistering || !pGridCtrl || !pGridCtrl->IsKindOf(RUNTIME_CLASS(CGridCtrl)))
        return FALSE;
    QWidget* client = pGridCtrl->GetClientWidget();
    if (!client)
        return FALSE;
    m_bRegistering = true;
    m_pGridCtrl = pGridCtrl;
    m_pFilter = std::make_unique<DropEventFilter>(pGridCtrl);
    client->setAcceptDrops(true);
    client->installEventFilter(m_pFilter.get());
    m_bRegistered = TRUE;
    m_bRegistering = false;
    return TRUE;
}

void CGridDropTarget::Revoke()
{
    m_bRegistered = FALSE;
    m_pFilter.reset();
}
