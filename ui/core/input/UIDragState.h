#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Size.h"
#include "ui/core/events/UITimerClient.h"
#include "ui/core/input/UIMimeData.h"

#include <cstdint>

class UIDrag;
class UIWidget;

// The drag in progress, one per process: what it carries, where it is, which
// buttons and keys are held and what the widget under it chose to do. The drag
// and drop events read it. The native drop targets feed it through
// enterWindow, moveOver, leaveWindow and dropOn, which pick the receiving
// widget and send the events.
class UIDragState : public UITimerClient
{
public:
    // Drop actions, equal to the system's drop effect bits.
    static constexpr uint32_t kCopyAction = 1;
    static constexpr uint32_t kMoveAction = 2;
    static constexpr uint32_t kLinkAction = 4;
    static constexpr uint32_t kAllActions = kCopyAction | kMoveAction | kLinkAction;

    // Mouse buttons and keyboard modifiers of the drag events.
    static constexpr uint32_t kLeftButton = 1;
    static constexpr uint32_t kRightButton = 2;
    static constexpr uint32_t kMiddleButton = 4;
    static constexpr uint32_t kExtraButton = 8;
    static constexpr uint32_t kShiftModifier = 1;
    static constexpr uint32_t kControlModifier = 2;
    static constexpr uint32_t kAltModifier = 4;

    static UIDragState* instance();

    // The widget that started the drag here; null for a drag from elsewhere
    // and once the widget is gone.
    UIWidget* source() const;
    // Names the widget whose drag the next startDrag runs.
    void setSource(UIWidget* widget);
    // The widget the pending drop goes to, while it lives.
    UIWidget* target() const;
    uint32_t dropAction() const { return m_dropAction; }
    void setDropAction(uint32_t action) { m_dropAction = action; }
    const UIMimeData& mimeData() const { return m_mimeData; }
    // Replaces the carried data by a copy of every entry, in order.
    void setMimeData(const UIMimeData& data);
    const Point& position() const { return m_position; }
    uint32_t buttons() const { return m_buttons; }
    uint32_t modifiers() const { return m_modifiers; }
    const Size& dragThreshold() const { return m_dragThreshold; }
    uint32_t dropDelay() const { return kDefaultInterval; }

    // Clears everything but the source of a drag that runs from here.
    void reset();

    // Runs the drag of the source widget with the carried data; the action
    // the drop performed, 0 when it was cancelled or could not start.
    uint32_t startDrag(const UIDrag* drag, uint32_t actions);

    // The first of copy, move and link among the actions; 0 for none.
    static uint32_t chooseAction(uint32_t actions);

    // From the native drop target of a window. A drag came in: the state
    // starts over with the data it carries (none for a disabled window).
    void enterWindow(UIMimeData data);
    // The drag moved to point (in the window widget); the effect to show.
    uint32_t moveOver(UIWidget* window, const Point& point, uint32_t buttons, uint32_t modifiers,
                      uint32_t offered);
    void leaveWindow();
    // The data was dropped at point; the drop event follows from the drop
    // timer, after the system's drag has returned. The effect to report.
    uint32_t dropOn(UIWidget* window, const Point& point, uint32_t buttons, uint32_t modifiers);

    void timerFired(int id) override;

private:
    // A widget remembered across calls that may delete it: the id tells a
    // new widget built at the same address from the one remembered.
    struct WidgetRef
    {
        UIWidget* widget = nullptr;
        uint32_t id = 0;

        void set(UIWidget* to);
        UIWidget* live() const;
    };
    // A drop waiting for its timer, kept apart from the drag state, which the
    // end of a drag from here resets before the timer fires.
    struct PendingDrop
    {
        WidgetRef target;
        WidgetRef source;
        UIMimeData mimeData;
        Point position;
        uint32_t action = 0;
        uint32_t buttons = 0;
        uint32_t modifiers = 0;
    };

    static constexpr int kDropTimerId = 1;

    UIDragState();
    // The widget under point that takes the drop, or null.
    UIWidget* dropCandidate(UIWidget* window, const Point& point) const;
    void sendLeave();
    // Sends a drag enter or move event; the drop action it leaves.
    void sendDragEvent(UIWidget* widget, int type, uint32_t offered);
    void deliverPendingDrop();

    // The system's drag in native code; 0 where there is none.
    static Size systemDragThreshold();
    uint32_t runSystemDrag(const UIDrag& drag, uint32_t actions);

    WidgetRef m_source;
    WidgetRef m_target;
    uint32_t m_dropAction = 0;
    UIMimeData m_mimeData;
    Point m_position;
    uint32_t m_buttons = 0;
    uint32_t m_modifiers = 0;
    Size m_dragThreshold;
    WidgetRef m_underDrag;
    uint32_t m_offered = 0;
    bool m_dragging = false;
    PendingDrop m_pending;
    bool m_hasPending = false;
};
