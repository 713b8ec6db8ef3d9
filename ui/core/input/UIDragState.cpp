#include "ui/core/input/UIDragState.h"

#include "foundation/system/MessageLoop.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/events/UITimer.h"
#include "ui/core/widget/UIWidget.h"

#include <utility>

namespace {

void sendTo(UIWidget* widget, UIEvent* event)
{
    if (MessageLoop* loop = MessageLoop::instance())
        loop->sendEvent(event, widget);
}

} // namespace

void UIDragState::WidgetRef::set(UIWidget* to)
{
    widget = to;
    id = to ? to->id() : 0;
}

UIWidget* UIDragState::WidgetRef::live() const
{
    if (!widget || !UIApplication::instance()->contains(widget) || widget->id() != id)
        return nullptr;
    return widget;
}

UIDragState* UIDragState::instance()
{
    static UIDragState state;
    return &state;
}

UIDragState::UIDragState() : m_dragThreshold(systemDragThreshold())
{
    // The timer list must be made before this state, so that it is still
    // there when the state, a timer client, goes at exit.
    UITimer::count();
}

UIWidget* UIDragState::source() const
{
    return m_source.live();
}

void UIDragState::setSource(UIWidget* widget)
{
    m_source.set(widget);
}

UIWidget* UIDragState::target() const
{
    return m_target.live();
}

void UIDragState::setMimeData(const UIMimeData& data)
{
    // Built aside first: the data given may be this state's own.
    UIMimeData copy;
    for (const String& type : data.types()) {
        if (String::equalsCString(type, UIMimeData::kTextType))
            copy.setText(data.text());
        else if (String::equalsCString(type, UIMimeData::kFileListType))
            copy.setFilePathList(data.filePathList());
        else if (String::equalsCString(type, UIMimeData::kImageType))
            copy.setImage(data.image());
        else
            copy.setData(type, data.data(type));
    }
    m_mimeData = std::move(copy);
}

void UIDragState::reset()
{
    // Our own drag passes through our own drop targets, which start over on
    // entering: the drop events still have to name the widget it came from.
    if (!m_dragging)
        m_source = WidgetRef();
    m_target = WidgetRef();
    m_dropAction = 0;
    m_position = Point();
    m_buttons = 0;
    m_modifiers = 0;
    m_mimeData.clear();
}

uint32_t UIDragState::chooseAction(uint32_t actions)
{
    for (uint32_t action : {kCopyAction, kMoveAction, kLinkAction}) {
        if (actions & action)
            return action;
    }
    return 0;
}

uint32_t UIDragState::startDrag(const UIDrag* drag, uint32_t actions)
{
    UIWidget* source = m_source.live();
    actions &= kAllActions;
    if (!drag || m_dragging || !source || !source->dragEnabled() || m_mimeData.isEmpty() || actions == 0)
        return 0;
    m_dragging = true;
    uint32_t performed = runSystemDrag(*drag, actions);
    m_dragging = false;
    reset();
    return performed;
}

void UIDragState::enterWindow(UIMimeData data)
{
    reset();
    m_mimeData = std::move(data);
}

UIWidget* UIDragState::dropCandidate(UIWidget* window, const Point& point) const
{
    if (!window || m_mimeData.isEmpty())
        return nullptr;
    UIWidget* hit = window->childAt(point);
    // Where no child is, the window itself may take the drop, as it takes
    // the mouse there.
    if (!hit && window->rect().contains(point))
        hit = window;
    if (!hit || !hit->acceptsDrops() || !hit->isEnabled())
        return nullptr;
    return hit;
}

uint32_t UIDragState::moveOver(UIWidget* window, const Point& point, uint32_t buttons, uint32_t modifiers,
                               uint32_t offered)
{
    m_buttons = buttons;
    m_modifiers = modifiers;
    UIWidget* candidate = dropCandidate(window, point);
    if (candidate)
        m_position = candidate->mapFrom(window, point);
    if (candidate != m_underDrag.live()) {
        sendLeave();
        m_dropAction = 0;
        m_underDrag.set(candidate);
        if (candidate)
            sendDragEvent(candidate, kDragEnterEvent, offered);
    }
    if (UIWidget* under = m_underDrag.live())
        sendDragEvent(under, kDragMoveEvent, offered);
    else
        m_dropAction = 0;
    return m_dropAction;
}

void UIDragState::sendLeave()
{
    UIWidget* under = m_underDrag.live();
    m_underDrag = WidgetRef();
    if (!under)
        return;
    UIEvent event(kDragLeaveEvent);
    sendTo(under, &event);
}

void UIDragState::sendDragEvent(UIWidget* widget, int type, uint32_t offered)
{
    uint32_t possible = offered & kAllActions;
    m_dropAction = chooseAction(possible);
    UIDragMoveEvent event(type, possible);
    sendTo(widget, &event);
    if (!event.isAccepted())
        m_dropAction = 0;
}

void UIDragState::leaveWindow()
{
    sendLeave();
}

uint32_t UIDragState::dropOn(UIWidget* window, const Point& point, uint32_t buttons, uint32_t modifiers)
{
    uint32_t effect = m_dropAction;
    UIWidget* target = dropCandidate(window, point);
    m_underDrag = WidgetRef();
    if (!target)
        return effect;
    m_buttons = buttons;
    m_modifiers = modifiers;
    m_position = target->mapFrom(window, point);
    m_target.set(target);
    m_pending.target.set(target);
    m_pending.source = m_source;
    m_pending.mimeData = m_mimeData;
    m_pending.position = m_position;
    m_pending.action = m_dropAction;
    m_pending.buttons = buttons;
    m_pending.modifiers = modifiers;
    m_hasPending = true;
    bool timed = startTimer(kDropTimerId, dropDelay());
    target->setFocus();
    // Without a timer the drop must not be lost: it goes at once.
    if (!timed)
        deliverPendingDrop();
    return effect;
}

void UIDragState::timerFired(int id)
{
    if (id != kDropTimerId)
        return;
    killTimer(id);
    deliverPendingDrop();
}

void UIDragState::deliverPendingDrop()
{
    if (!m_hasPending)
        return;
    PendingDrop drop = std::move(m_pending);
    m_pending = PendingDrop();
    m_hasPending = false;
    UIWidget* target = drop.target.live();
    if (!target)
        return;
    m_target = drop.target;
    m_source = drop.source;
    m_mimeData = std::move(drop.mimeData);
    m_position = drop.position;
    m_dropAction = drop.action;
    m_buttons = drop.buttons;
    m_modifiers = drop.modifiers;
    UIDropEvent event;
    sendTo(target, &event);
    reset();
}
