#pragma once

#include "foundation/containers/List.h"
#include "foundation/net/FormField.h"
#include "foundation/net/HttpClient.h"
#include "foundation/text/String.h"

#include <atomic>
#include <functional>

// The request logic of the form-post worker (UpdatesBotThread): one
// url-encoded form POSTed to a web service, the answer handed to a handler.
// It is free of threads, so it runs and is tested on its own.
class FormPost
{
public:
    // Outcomes of send, the worker's result codes.
    static constexpr int kNone = 0;
    static constexpr int kFailed = 1;
    static constexpr int kRefused = 2;
    static constexpr int kAccepted = 3;

    // Decides on the answer text; true accepts it.
    using AnswerHandler = std::function<bool(const String& answer)>;

    void setTarget(const String& userAgent, const String& host, const String& path);
    // The value must already be url-encoded.
    void addFormField(const String& name, const String& value);
    // User agent, host and path are all set.
    bool hasTarget() const;
    // Longest time for the whole exchange, in milliseconds.
    void setDeadline(int ms) { m_deadlineMs = ms; }

    // POSTs the form and returns kFailed when the exchange failed, kAccepted
    // when the server answered "200" with a body that the handler accepted,
    // else kRefused. The handler sees the body as UTF-8 text without its
    // trailing zero bytes, and is not called for an empty one. abortFlag,
    // when given, ends the exchange as soon as it is raised.
    int send(const AnswerHandler& handleAnswer, const std::atomic<bool>* abortFlag) const;

private:
    String m_userAgent;
    String m_host;
    String m_path;
    List<FormField> m_formFields;
    int m_deadlineMs = HttpClient::kDefaultDeadlineMs;
};
