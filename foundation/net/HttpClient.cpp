#include "foundation/net/HttpClient.h"

#include "foundation/net/SocketClient.h"
#include "foundation/net/Url.h"
#include "foundation/net/UserAgent.h"

#include <cstdlib>
#include <memory>

namespace {

const char16_t* const kErrorTexts[] = {
    u"No error.",
    u"Result buffer size incorrect.",
    u"Result processing failed.",
    u"Socket init failed.",
    u"Socket create failed.",
    u"Socket detect host failed.",
    u"Socket connect failed.",
    u"Socket already open.",
    u"Socket not init.",
    u"Socket not open.",
    u"Socket read params is incorrect.",
    u"Socket read timeout elapsed.",
    u"Socket read failed.",
    u"Socket read buffer is full.",
    u"Socket write params is incorrect.",
    u"Socket write failed.",
    u"Socket write timeout elapsed.",
    u"Unknown error.",
    u"Socket deadline elapsed.",
    u"Socket aborted.",
    u"Request is incorrect.",
};

const int kErrorTextCount = static_cast<int>(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]));

const int kDownloadTimeoutSeconds = 10;
const int kMaxPort = 65535;

struct FreeDeleter
{
    void operator()(uint8_t* block) const { std::free(block); }
};

int clientCodeFor(int socketCode)
{
    switch (socketCode) {
    case SocketClient::kInitFailed:
        return HttpClient::kSocketInitFailed;
    case SocketClient::kCreateFailed:
        return HttpClient::kSocketCreateFailed;
    case SocketClient::kDetectHostFailed:
        return HttpClient::kSocketDetectHostFailed;
    case SocketClient::kConnectFailed:
        return HttpClient::kSocketConnectFailed;
    case SocketClient::kWriteParamsIncorrect:
        return HttpClient::kSocketWriteParamsIncorrect;
    case SocketClient::kWriteFailed:
        return HttpClient::kSocketWriteFailed;
    case SocketClient::kWriteTimeout:
        return HttpClient::kSocketWriteTimeout;
    case SocketClient::kReadParamsIncorrect:
        return HttpClient::kSocketReadParamsIncorrect;
    case SocketClient::kReadFailed:
        return HttpClient::kSocketReadFailed;
    case SocketClient::kReadBufferFull:
        return HttpClient::kSocketReadBufferFull;
    case SocketClient::kReadTimeout:
        return HttpClient::kSocketReadTimeout;
    case SocketClient::kAlreadyOpen:
        return HttpClient::kSocketAlreadyOpen;
    case SocketClient::kNotInit:
        return HttpClient::kSocketNotInit;
    case SocketClient::kNotOpen:
        return HttpClient::kSocketNotOpen;
    case SocketClient::kDeadlineElapsed:
        return HttpClient::kSocketDeadlineElapsed;
    case SocketClient::kAborted:
        return HttpClient::kSocketAborted;
    default:
        return HttpClient::kUnknownError;
    }
}

// Whether the body holds at least the bytes the answer's Content-Length
// declares; true when it declares none, or no number. A connection cut
// midway leaves a shorter body, which must not pass for the whole file.
bool bodyIsWhole(const HttpHeaders& headers, int received)
{
    const String name(u"content-length:");
    for (const String& line : headers.lines()) {
        if (!line.startsWith(name, 0))
            continue;
        const String digits = line.midFrom(name.length()).trim();
        if (digits.isEmpty())
            return true;
        int64_t declared = 0;
        for (int i = 0; i < digits.length(); ++i) {
            const char16_t unit = digits.at(i);
            if (unit < u'0' || unit > u'9')
                return true;
            if (declared <= received)
                declared = declared * 10 + (unit - u'0');
        }
        return declared <= received;
    }
    return true;
}

} // namespace

String HttpClient::errorText(int code)
{
    if (code < 0 || code >= kErrorTextCount)
        return String(u"Unknown error.");
    return String(kErrorTexts[code]);
}

bool HttpClient::perform()
{
    m_errorCode = kNoError;
    m_systemError = 0;
    m_response.clear();
    int bufferSize = m_response.resultBufferSize();
    if (bufferSize < 1)
        return fail(kResultBufferSizeIncorrect);
    if (!m_request.isSendable())
        return fail(kRequestIncorrect);

    SocketSettings settings;
    settings.sendTimeout = m_request.sendTimeout();
    settings.receiveTimeout = m_response.receiveTimeout();
    settings.connectTimeoutMs = m_connectTimeoutMs;
    settings.deadlineMs = m_deadlineMs;
    settings.abortFlag = m_abortFlag;
    if (!splitHostAndPort(settings.host, settings.port))
        return fail(kSocketDetectHostFailed);

    SocketClient socket(settings);
    if (!socket.open())
        return failFromSocket(socket);

    std::unique_ptr<uint8_t, FreeDeleter> ownBuffer;
    uint8_t* buffer = m_response.resultBuffer();
    if (buffer == nullptr) {
        ownBuffer.reset(static_cast<uint8_t*>(std::calloc(static_cast<size_t>(bufferSize), 1)));
        buffer = ownBuffer.get();
        if (buffer == nullptr)
            return fail(kResultBufferSizeIncorrect);
    }

    ByteArray requestBytes = m_request.toText().toUtf8();
    if (!socket.write(requestBytes.data(), requestBytes.size()))
        return failFromSocket(socket);
    int received = socket.read(buffer, bufferSize);
    if (received <= 0 || socket.hasError())
        return failFromSocket(socket);
    if (!m_response.parse(buffer, received))
        return fail(kResultProcessingFailed);
    return true;
}

// The host with an optional ":port" behind it; without one the request's port
// is used. A colon without a valid port (such as the "https:" of an address
// whose scheme we do not speak) makes the host unusable.
bool HttpClient::splitHostAndPort(String& name, int& port) const
{
    const String& host = m_request.host();
    int colon = host.indexOfChar(u':', 0, String::kCaseSensitive);
    if (colon < 0) {
        name = host;
        port = m_request.port();
        return true;
    }
    int digits = host.length() - colon - 1;
    if (digits < 1 || digits > 5)
        return false;
    int value = 0;
    for (int i = colon + 1; i < host.length(); ++i) {
        char16_t unit = host.at(i);
        if (unit < u'0' || unit > u'9')
            return false;
        value = value * 10 + (unit - u'0');
    }
    if (value < 1 || value > kMaxPort)
        return false;
    name = host.mid(0, colon);
    port = value;
    return true;
}

bool HttpClient::fail(int code)
{
    m_errorCode = code;
    return false;
}

bool HttpClient::failFromSocket(const SocketClient& socket)
{
    m_errorCode = clientCodeFor(socket.errorCode());
    if (socket.hasError())
        m_systemError = socket.systemError();
    return false;
}

void HttpClient::setUserAgent(const String& text)
{
    m_request.headers().setHeader(String(u"User-Agent: ") + text);
}

String HttpClient::userAgent() const
{
    return m_request.headers().value(String(u"User-Agent"));
}

ByteArray HttpClient::downloadPage(const String& url, String& contentType, int sizeLimitMiB)
{
    if (sizeLimitMiB < 1 || sizeLimitMiB > kMaxDownloadMiB)
        return ByteArray();
    String host = urlHost(url);
    if (host.isEmpty())
        return ByteArray();

    HttpClient client;
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kGet);
    request.setHost(host);
    request.setPath(urlPath(url));
    request.setSendTimeout(kDownloadTimeoutSeconds);
    HttpHeaders& headers = request.headers();
    headers.setHeader(String(u"User-Agent: ") + userAgentString(1));
    headers.setHeader(String(u"Accept-Language: en-us,en"));
    headers.setHeader(String(u"Host: ") + host);
    headers.setHeader(String(u"Referer: http://") + host + u"/");
    headers.setHeader(String(u"Connection: close"));

    HttpResponse& response = client.response();
    response.setReceiveTimeout(kDownloadTimeoutSeconds);
    response.setResultBufferSize(sizeLimitMiB << 20);

    if (!client.perform())
        return ByteArray();
    const HttpHeaders& answer = response.headers();
    if (answer.statusKind() != HttpHeaders::kStatusOk || response.body().isEmpty() ||
        !answer.contains(String(u"Content-Type:")) || !bodyIsWhole(answer, response.body().size()))
        return ByteArray();
    contentType = answer.value(String(u"Content-Type:"));
    return response.body();
}
