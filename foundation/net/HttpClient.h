#pragma once

#include "foundation/net/HttpRequest.h"
#include "foundation/net/HttpResponse.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <atomic>

class SocketClient;

// One HTTP/1.0 exchange over a SocketClient: writes the request, reads the
// whole answer until the server closes and splits it into headers and body.
// Made on the caller's stack for one exchange. A status other than 200 is not
// a failure of perform: callers look at statusKind.
class HttpClient
{
public:
    enum Error
    {
        kNoError = 0,
        kResultBufferSizeIncorrect = 1,
        kResultProcessingFailed = 2,
        kSocketInitFailed = 3,
        kSocketCreateFailed = 4,
        kSocketDetectHostFailed = 5,
        kSocketConnectFailed = 6,
        kSocketAlreadyOpen = 7,
        kSocketNotInit = 8,
        kSocketNotOpen = 9,
        kSocketReadParamsIncorrect = 10,
        kSocketReadTimeout = 11,
        kSocketReadFailed = 12,
        kSocketReadBufferFull = 13,
        kSocketWriteParamsIncorrect = 14,
        kSocketWriteFailed = 15,
        kSocketWriteTimeout = 16,
        kUnknownError = 17,
        kSocketDeadlineElapsed = 18,
        kSocketAborted = 19,
        kRequestIncorrect = 20,
    };

    static constexpr int kDefaultConnectTimeoutMs = 10000;
    static constexpr int kDefaultDeadlineMs = 60000;
    // The largest size limit downloadPage accepts, in MiB: its byte count
    // must fit a signed 32-bit size.
    static constexpr int kMaxDownloadMiB = 2047;

    HttpClient() = default;
    virtual ~HttpClient() = default;
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    HttpRequest& request() { return m_request; }
    HttpResponse& response() { return m_response; }
    const HttpResponse& response() const { return m_response; }

    // Longest wait for the connection, and for the whole exchange, in
    // milliseconds (0 = no limit).
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }
    void setDeadline(int ms) { m_deadlineMs = ms; }
    // A flag another thread may raise to end the exchange at once.
    void setAbortFlag(const std::atomic<bool>* flag) { m_abortFlag = flag; }

    // One exchange; true when an answer was received and split. The host
    // may carry a port ("host:8080"), which overrides the request's port.
    bool perform();

    int errorCode() const { return m_errorCode; }
    int systemError() const { return m_systemError; }
    bool hasError() const { return m_errorCode != kNoError || m_systemError != 0; }
    static String errorText(int code);

    void setUserAgent(const String& text);
    String userAgent() const;

    // GETs url with browser-like headers; the body of a "200" answer that
    // carries a Content-Type (stored in contentType) and is as long as its
    // Content-Length says, else empty with contentType untouched.
    // sizeLimitMiB bounds the answer.
    static ByteArray downloadPage(const String& url, String& contentType, int sizeLimitMiB);

private:
    bool fail(int code);
    bool failFromSocket(const SocketClient& socket);
    bool splitHostAndPort(String& name, int& port) const;

    int m_errorCode = kNoError;
    int m_systemError = 0;
    HttpRequest m_request;
    HttpResponse m_response;
    int m_connectTimeoutMs = kDefaultConnectTimeoutMs;
    int m_deadlineMs = kDefaultDeadlineMs;
    const std::atomic<bool>* m_abortFlag = nullptr;
};
