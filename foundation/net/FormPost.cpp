#include "foundation/net/FormPost.h"

namespace {

const int kTimeoutSeconds = 10;
const int kAnswerLimitBytes = 0x100000;

} // namespace

void FormPost::setTarget(const String& userAgent, const String& host, const String& path)
{
    m_userAgent = userAgent;
    m_host = host;
    m_path = path;
}

void FormPost::addFormField(const String& name, const String& value)
{
    m_formFields.append(FormField{name, value});
}

bool FormPost::hasTarget() const
{
    return !m_userAgent.isEmpty() && !m_host.isEmpty() && !m_path.isEmpty();
}

int FormPost::send(const AnswerHandler& handleAnswer, const std::atomic<bool>* abortFlag) const
{
    HttpClient client;
    client.setDeadline(m_deadlineMs);
    client.setAbortFlag(abortFlag);
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kPost);
    request.setHost(m_host);
    request.setPath(m_path);
    request.setSendTimeout(kTimeoutSeconds);
    for (const FormField& field : m_formFields)
        request.addFormField(field.name, field.value);

    HttpHeaders& headers = request.headers();
    headers.setHeader(String(u"User-Agent: ") + m_userAgent);
    headers.setHeader(String(u"Host: ") + m_host);
    headers.setHeader(String(u"Content-Type: application/x-www-form-urlencoded"));
    headers.setHeader(String(u"Content-Length: ") + String::fromInt(request.formByteLength()));
    headers.setHeader(String(u"Connection: close"));

    HttpResponse& response = client.response();
    response.setReceiveTimeout(kTimeoutSeconds);
    response.setResultBuffer(nullptr);
    response.setResultBufferSize(kAnswerLimitBytes);

    if (!client.perform())
        return kFailed;
    const ByteArray& body = response.body();
    int length = body.trimmedLength();
    if (response.headers().statusKind() != HttpHeaders::kStatusOk || length < 1)
        return kRefused;
    String answer = String::fromUtf8(body.data(), length);
    if (answer.isEmpty() || !handleAnswer || !handleAnswer(answer))
        return kRefused;
    return kAccepted;
}
