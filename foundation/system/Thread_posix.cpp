// Natively the threads are POSIX threads and the reports of started and
// finished runs wait in a queue until the owning thread delivers them; there
// is no message loop to carry them. Priorities are only recorded here: the
// native build exists for tests of the thread logic.
#include "foundation/system/Thread.h"

#include <deque>
#include <mutex>
#include <pthread.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Report
{
    Thread* thread;
    uint32_t serial;
    bool finished;
};

std::mutex g_reportMutex;
std::deque<Report> g_reports;

} // namespace

class ThreadEntry
{
public:
    static void* run(void* thread)
    {
        static_cast<Thread*>(thread)->execute();
        return nullptr;
    }
};

bool Thread::setCurrentPriority(int)
{
    return true;
}

int Thread::processorCount()
{
    long count = sysconf(_SC_NPROCESSORS_ONLN);
    return count < 1 ? -1 : static_cast<int>(count);
}

uint32_t Thread::currentThreadId()
{
    return static_cast<uint32_t>(syscall(SYS_gettid));
}

bool Thread::setProcessPriority(int)
{
    return true;
}

int Thread::deliverReports()
{
    std::deque<Report> taken;
    {
        std::lock_guard<std::mutex> lock(g_reportMutex);
        taken.swap(g_reports);
    }
    for (const Report& report : taken)
        deliverReport(report.thread, report.serial, report.finished);
    return static_cast<int>(taken.size());
}

void Thread::prepareReports() {}

bool Thread::createSystemThread()
{
    pthread_t thread;
    if (pthread_create(&thread, nullptr, &ThreadEntry::run, this) != 0)
        return false;
    m_handle = static_cast<uintptr_t>(thread);
    return true;
}

void Thread::joinSystemThread()
{
    pthread_join(static_cast<pthread_t>(m_handle), nullptr);
    m_handle = 0;
}

bool Thread::applySystemPriority(int)
{
    return true;
}

void Thread::applyAffinity()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu = 0; cpu < 32; ++cpu) {
        if (m_affinityMask & (1u << cpu))
            CPU_SET(cpu, &set);
    }
    sched_setaffinity(0, sizeof(set), &set);
}

void Thread::postReport(bool finished)
{
    std::lock_guard<std::mutex> lock(g_reportMutex);
    g_reports.push_back(Report{this, m_serial, finished});
}
