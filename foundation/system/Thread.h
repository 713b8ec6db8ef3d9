#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/system/CriticalSection.h"
#include "foundation/system/WaitEvent.h"
#include "foundation/text/String.h"

#include <atomic>
#include <cstdint>

// Base of the program's worker threads. A derived class supplies run; the
// base starts the system thread, applies a priority, offers a stop flag and a
// wake event for run's loop, keeps process-wide lists of all threads and of
// running ones, and reports the start and the end of each run through the
// started and finished signals, which are emitted on the GUI thread.
//
// The owning object keeps the system thread's handle and joins it; a thread
// is never killed. A derived class whose run can block outside waitWake (in a
// socket, say) overrides interrupt to unblock it (close the socket), and every
// derived class stops its thread in its own destructor, while its members are
// still alive. The base destructor joins as a last resort.
class Thread
{
public:
    explicit Thread(const String& name);
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    Signal started;
    Signal finished;

    // Starts the system thread when none runs; on a running thread it only
    // clears the stop request. The one start of every thread: a derived class
    // adds its checks through prepareStart, so a caller holding a Thread*
    // never skips them. False when prepareStart refuses or no system thread
    // could be made.
    bool start();
    // Asks the thread to stop, wakes it, interrupts it and waits up to ms
    // milliseconds (0: does not wait; negative: without limit). True when the
    // thread has ended.
    bool stop(int ms);
    // Waits for the end of the run: ms <= 0 waits without limit. True when it
    // has ended (at once when it never ran). A thread cannot wait for itself.
    bool wait(int ms);
    void requestStop();
    bool isStopRequested() const { return m_stopRequested; }
    void wake();
    // Sleeps until woken or stopped, at most ms milliseconds (negative: no
    // limit); true when woken.
    bool waitWake(int ms);

    // Levels 0 (lowest) to 4 (highest), 2 being normal; other values count as
    // normal. False, keeping the old level, when a running thread refuses it.
    bool setPriority(int level);
    int priority() const { return m_priority; }
    void setName(const String& name);
    String name() const;
    // Processors the next run may use; 0 leaves the system's choice.
    void setAffinityMask(uint32_t mask) { m_affinityMask = mask; }
    // The system id of the running thread; 0 while not running.
    uint32_t threadId() const { return m_threadId; }
    bool isRunning() const { return m_running; }

    static bool setCurrentPriority(int level);
    // Below 10 ms a finer wait than the system's plain sleep.
    static void sleep(int ms);
    // -1 when the system reports less than one processor.
    static int processorCount();
    static int runningCount();
    static bool exists(const Thread* thread);
    // The running thread object the caller runs in, or null.
    static Thread* current();
    // Stops every running thread, each waiting up to ms.
    static void stopAll(int ms);
    static uint32_t currentThreadId();
    // 0 idle, 2 high, 3 realtime, anything else normal.
    static bool setProcessPriority(int level);

    // Emits started or finished of the thread a report came from, on the
    // calling thread, when that very thread object still exists.
    static void deliverReport(Thread* thread, uint32_t serial, bool finished);
    // Delivers the reports that wait for the calling (GUI) thread; returns how
    // many were taken. The message loop does this on its own in the product.
    static int deliverReports();

protected:
    virtual void run() = 0;
    // Called by stop after the stop flag is set, on the stopping thread.
    virtual void interrupt();
    // Called by start before anything changes; false refuses the start.
    virtual bool prepareStart();
    // Called by start when prepareStart agreed but no system thread could be
    // made, to undo what prepareStart marked.
    virtual void startFailed();

private:
    friend class ThreadEntry;

    static int systemPriority(int level);
    static bool existsWithSerial(const Thread* thread, uint32_t serial);
    bool startSystemThread();
    void execute();
    void setListedAsRunning(bool listed);

    // Platform side.
    static void prepareReports();
    bool createSystemThread();
    void joinSystemThread();
    bool applySystemPriority(int systemLevel);
    void applyAffinity();
    void postReport(bool finished);

    String m_name;
    uintptr_t m_handle = 0;
    std::atomic<uint32_t> m_threadId{0};
    std::atomic<int> m_priority{2};
    WaitEvent m_startGate{false};
    WaitEvent m_wake{false};
    WaitEvent m_ended{true};
    std::atomic<uint32_t> m_affinityMask{0};
    CriticalSection m_lock;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_running{false};
    const uint32_t m_serial;
};
