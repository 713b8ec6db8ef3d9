#pragma once

#include "foundation/net/FormPost.h"
#include "foundation/system/CriticalSection.h"
#include "foundation/system/Thread.h"
#include "foundation/text/String.h"

#include <atomic>

// Sends one url-encoded form to a web service on a thread of its own, so that
// the GUI thread does not block, and hands the answer text to handleAnswer of
// the subclass (on the worker thread). The owner starts it, and when the
// finished signal arrives on the GUI thread it reads result and the fields
// handleAnswer filled.
//
// A subclass calls stop(-1) in its own destructor: handleAnswer must not run
// while the subclass is being torn down. Stopping raises the exchange's abort
// flag, so a worker waiting on a silent server ends at once.
class UpdatesBotThread : public Thread
{
public:
    // Values of result.
    static constexpr int kNone = FormPost::kNone;
    static constexpr int kFailed = FormPost::kFailed;
    static constexpr int kRefused = FormPost::kRefused;
    static constexpr int kAccepted = FormPost::kAccepted;

    UpdatesBotThread();
    ~UpdatesBotThread() override;

    void setTarget(const String& userAgent, const String& host, const String& path);
    // The value must already be url-encoded (urlEncode).
    void addFormField(const String& name, const String& value);
    // Longest time for the whole exchange, in milliseconds.
    void setDeadline(int ms);

    bool isBusy() const;
    int result() const;

protected:
    // start refuses, changing nothing, when the user agent, host or path is
    // empty, while the thread runs or while a request is under way; otherwise
    // it marks the request as under way and clears the result.
    bool prepareStart() override;
    void startFailed() override;
    void run() override;
    void interrupt() override;
    // Decides on the answer; true accepts it (result kAccepted).
    virtual bool handleAnswer(const String& answer) = 0;

private:
    FormPost m_post;
    bool m_busy = false;
    int m_result = kNone;
    mutable CriticalSection m_lock;
    std::atomic<bool> m_abort{false};
};
