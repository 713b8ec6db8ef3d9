#pragma once

#include "foundation/containers/List.h"
#include "foundation/system/EventLoop.h"

#include <cstdint>
#include <unordered_set>

class EventReceiver;
class PostedEvent;
class UIEvent;

// The GUI thread's message loop: it owns the main EventLoop, keeps the stack
// of running (nested) loops and the registry of event receivers, pumps the
// window messages and delivers toolkit events, at once (send) or through the
// queue (post) by the private message 0xC400 to a hidden window. Everything
// here runs on the GUI thread and takes no lock. The native build has a
// window-less twin whose pump delivers the queued events one by one, so the
// toolkit's logic can be tested there.
class MessageLoop
{
public:
    // Pump flags.
    static constexpr uint32_t kInputBlocked = 1;
    static constexpr uint32_t kPaintOnly = 2;
    static constexpr uint32_t kPostedEventMessage = 0xC400;

    // Called for WM_QUIT instead of quitting all loops with code 0.
    using QuitHandler = void (*)();

    // Makes the one loop and its hidden window on the calling thread, which
    // becomes the GUI thread; returns the existing loop when there is one.
    static MessageLoop* create();
    // Deletes the events still waiting, the loop and its hidden window.
    static void destroy();
    static MessageLoop* instance();

    // One step of the pump: handles one message, or with peekOnly returns
    // false at once when none waits.
    static bool pumpMessages(uint32_t flags, bool peekOnly);

    // Runs the main loop until an exit is asked; returns its exit code.
    int run();
    // Ends every running loop, innermost first, with the code, and posts
    // WM_QUIT.
    void quit(int code);
    void setQuitHandler(QuitHandler handler) { m_quitHandler = handler; }

    // Delivers the event now; the caller keeps it. False, without a call,
    // for a blocked input event or a receiver that is missing, unregistered
    // or disabled.
    bool sendEvent(UIEvent* event, EventReceiver* receiver);
    // Queues the event, which the loop then owns; true when it was queued.
    bool postEvent(UIEvent* event, EventReceiver* receiver);
    // Delivers and frees one queued record. Anything that is not a record
    // still waiting in the queue is ignored.
    void dispatchPosted(PostedEvent* record);

    void addReceiver(EventReceiver* receiver);
    void removeReceiver(EventReceiver* receiver);
    bool isRegistered(const EventReceiver* receiver) const;

    EventLoop& mainLoop() { return m_mainLoop; }
    // The innermost running loop, or null.
    EventLoop* currentLoop() const;
    uint32_t& flags() { return m_flags; }
    void setFlags(uint32_t flags) { m_flags = flags; }
    uint32_t mainThreadId() const { return m_mainThreadId; }
    // The hidden window that posted events travel through.
    void* messageWindow() const { return m_messageWindow; }

private:
    friend class EventLoop;

    enum class PumpResult
    {
        Nothing,
        Handled,
        Quit
    };

    MessageLoop();
    ~MessageLoop() = default;
    static PumpResult pumpStep(uint32_t flags, bool peekOnly);
    // Events posted and not yet delivered, in posting order; the loop owns
    // them.
    static List<PostedEvent*>& pendingEvents();
    // Deletes the waiting events and hands over the loop, which is then no
    // longer the instance; null when there is none.
    static MessageLoop* takeInstance();
    // Takes the event into the queue; null (the event deleted) when input is
    // blocked, null for no event.
    PostedEvent* queueEvent(UIEvent* event, EventReceiver* receiver);
    void handleQuitMessage();
    bool isBlockedInput(const UIEvent* event) const;

    uint32_t m_mainThreadId;
    // Asked at every delivery, so a lookup must not grow with the widgets.
    std::unordered_set<const EventReceiver*> m_receivers;
    EventLoop m_mainLoop;
    List<EventLoop*> m_runningLoops;
    uint32_t m_flags = 0;
    QuitHandler m_quitHandler = nullptr;
    void* m_messageWindow = nullptr;
    bool m_oleStarted = false;

    static MessageLoop* s_instance;
};
