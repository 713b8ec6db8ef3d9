#include "foundation/net/UpdatesBotThread.h"

#include "foundation/system/CriticalSectionGuard.h"

UpdatesBotThread::UpdatesBotThread() : Thread(String(u"UpdatesBotThread")) {}

UpdatesBotThread::~UpdatesBotThread()
{
    stop(-1);
}

void UpdatesBotThread::setTarget(const String& userAgent, const String& host, const String& path)
{
    m_post.setTarget(userAgent, host, path);
}

void UpdatesBotThread::addFormField(const String& name, const String& value)
{
    m_post.addFormField(name, value);
}

void UpdatesBotThread::setDeadline(int ms)
{
    m_post.setDeadline(ms);
}

bool UpdatesBotThread::prepareStart()
{
    if (!m_post.hasTarget() || isRunning())
        return false;
    CriticalSectionGuard guard(m_lock);
    if (m_busy)
        return false;
    m_busy = true;
    m_result = kNone;
    m_abort = false;
    return true;
}

void UpdatesBotThread::startFailed()
{
    // The system thread could not be made: nothing is under way.
    CriticalSectionGuard guard(m_lock);
    m_busy = false;
}

bool UpdatesBotThread::isBusy() const
{
    CriticalSectionGuard guard(m_lock);
    return m_busy;
}

int UpdatesBotThread::result() const
{
    CriticalSectionGuard guard(m_lock);
    return m_result;
}

void UpdatesBotThread::run()
{
    int outcome = m_post.send([this](const String& answer) { return handleAnswer(answer); }, &m_abort);
    CriticalSectionGuard guard(m_lock);
    m_result = outcome;
    m_busy = false;
}

void UpdatesBotThread::interrupt()
{
    m_abort = true;
}
