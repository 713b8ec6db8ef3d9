#include "foundation/system/Thread.h"

#include "foundation/containers/List.h"
#include "foundation/system/CriticalSectionGuard.h"

#include <chrono>
#include <thread>

namespace {

// How long a new thread waits for start to apply its priority.
const int kStartGateMs = 10000;
// Below this a sleep waits on an event instead of the system's sleep.
const int kShortSleepMs = 10;

struct ThreadLists
{
    CriticalSection registryLock;
    List<Thread*> registry;
    CriticalSection runningLock;
    List<Thread*> running;
};

ThreadLists& lists()
{
    static ThreadLists threadLists;
    return threadLists;
}

std::atomic<uint32_t> g_serialCounter{0};

// An event nobody sets: waiting on it with a time-out is a short sleep.
WaitEvent& shortSleepEvent()
{
    static WaitEvent event(false);
    return event;
}

} // namespace

Thread::Thread(const String& name) : m_name(name), m_serial(++g_serialCounter)
{
    shortSleepEvent();
    CriticalSectionGuard guard(lists().registryLock);
    lists().registry.append(this);
}

Thread::~Thread()
{
    {
        CriticalSectionGuard guard(lists().registryLock);
        lists().registry.removeOne(this);
    }
    requestStop();
    m_wake.set();
    // Not under the own lock: the run may still take it on its way out.
    if (m_handle)
        joinSystemThread();
}

bool Thread::start()
{
    if (!prepareStart())
        return false;
    const bool started = startSystemThread();
    if (!started)
        startFailed();
    return started;
}

bool Thread::prepareStart()
{
    return true;
}

void Thread::startFailed() {}

bool Thread::startSystemThread()
{
    prepareReports();
    CriticalSectionGuard guard(m_lock);
    m_stopRequested = false;
    if (m_running)
        return true;
    // The previous run has passed its end; collect its system thread.
    if (m_handle)
        joinSystemThread();
    m_ended.reset();
    m_running = true;
    // Listed as running from here rather than from inside the new thread, so
    // that a stopAll right after start cannot miss it.
    setListedAsRunning(true);
    if (!createSystemThread()) {
        setListedAsRunning(false);
        m_running = false;
        m_ended.set();
        return false;
    }
    setPriority(m_priority);
    m_startGate.set();
    return true;
}

bool Thread::stop(int ms)
{
    if (!m_running)
        return true;
    requestStop();
    m_wake.set();
    interrupt();
    if (ms == 0)
        return !m_running;
    return wait(ms);
}

bool Thread::wait(int ms)
{
    if (!m_running)
        return true;
    if (currentThreadId() == m_threadId)
        return false;
    return m_ended.wait(ms <= 0 ? -1 : ms);
}

void Thread::requestStop()
{
    CriticalSectionGuard guard(lists().runningLock);
    m_stopRequested = true;
}

void Thread::wake()
{
    m_wake.set();
}

bool Thread::waitWake(int ms)
{
    return m_wake.wait(ms);
}

bool Thread::setPriority(int level)
{
    CriticalSectionGuard guard(m_lock);
    if (m_running && !applySystemPriority(systemPriority(level)))
        return false;
    m_priority = level;
    return true;
}

void Thread::setName(const String& name)
{
    CriticalSectionGuard guard(m_lock);
    m_name = name;
}

String Thread::name() const
{
    CriticalSectionGuard guard(const_cast<CriticalSection&>(m_lock));
    return m_name;
}

void Thread::sleep(int ms)
{
    if (ms < kShortSleepMs) {
        shortSleepEvent().wait(ms < 0 ? 0 : ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int Thread::runningCount()
{
    CriticalSectionGuard guard(lists().runningLock);
    return lists().running.count();
}

bool Thread::exists(const Thread* thread)
{
    if (!thread)
        return false;
    CriticalSectionGuard guard(lists().registryLock);
    for (Thread* known : lists().registry) {
        if (known == thread)
            return true;
    }
    return false;
}

Thread* Thread::current()
{
    uint32_t id = currentThreadId();
    CriticalSectionGuard guard(lists().runningLock);
    for (List<Thread*>::Node* node = lists().running.last(); node; node = node->prev) {
        if (node->value->m_threadId == id)
            return node->value;
    }
    return nullptr;
}

void Thread::stopAll(int ms)
{
    List<Thread*> targets;
    {
        CriticalSectionGuard guard(lists().runningLock);
        for (Thread* thread : lists().running) {
            thread->m_stopRequested = true;
            targets.append(thread);
        }
    }
    for (Thread* thread : targets) {
        if (exists(thread))
            thread->stop(ms);
    }
}

void Thread::deliverReport(Thread* thread, uint32_t serial, bool finished)
{
    // The pointer is only compared until the registry vouches for it; the
    // serial tells a new thread object at a reused address from the old one.
    if (!existsWithSerial(thread, serial))
        return;
    if (finished)
        thread->finished.emit();
    else
        thread->started.emit();
}

void Thread::interrupt() {}

int Thread::systemPriority(int level)
{
    switch (level) {
    case 0:
        return -2;
    case 1:
        return -1;
    case 3:
        return 1;
    case 4:
        return 2;
    default:
        return 0;
    }
}

bool Thread::existsWithSerial(const Thread* thread, uint32_t serial)
{
    if (!thread)
        return false;
    CriticalSectionGuard guard(lists().registryLock);
    for (Thread* known : lists().registry) {
        if (known == thread)
            return known->m_serial == serial;
    }
    return false;
}

// The body of the system thread.
void Thread::execute()
{
    postReport(false);
    m_threadId = currentThreadId();
    if (m_startGate.wait(kStartGateMs)) {
        if (m_affinityMask != 0)
            applyAffinity();
        run();
    }
    setListedAsRunning(false);
    m_threadId = 0;
    m_running = false;
    m_ended.set();
    postReport(true);
}

void Thread::setListedAsRunning(bool listed)
{
    CriticalSectionGuard guard(lists().runningLock);
    if (listed)
        lists().running.append(this);
    else
        lists().running.removeOne(this);
}
