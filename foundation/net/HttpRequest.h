#pragma once

#include "foundation/containers/List.h"
#include "foundation/net/FormField.h"
#include "foundation/net/HttpHeaders.h"
#include "foundation/text/String.h"

// One HTTP/1.0 request as its caller builds it: method, host, path, header
// lines and url-encoded form fields. The client adds no header of its own.
class HttpRequest
{
public:
    static constexpr int kGet = 0;
    static constexpr int kPost = 1;

    HttpRequest();
    virtual ~HttpRequest() = default;

    // The request bytes as text:
    //   METHOD path[form text for a GET] HTTP/version CRLF
    //   every header line CRLF
    //   CRLF
    //   [form text for a POST]
    // Blanks and control characters in the path are percent-encoded (line
    // breaks and zeros make the request unsendable instead); an empty path
    // is sent as "/". The form is written as it is: callers url-encode it.
    virtual String toText() const;

    void setMethod(int method) { m_method = method; }
    int method() const { return m_method; }
    // "GET" for 0, "POST" for any other method.
    String methodName() const;
    void setVersion(const String& version) { m_version = version; }
    void setHost(const String& host) { m_host = host; }
    const String& host() const { return m_host; }
    void setPath(const String& path) { m_path = path; }
    const String& path() const { return m_path; }
    void setPort(int port) { m_port = port; }
    int port() const { return m_port; }
    void setSendTimeout(int seconds) { m_sendTimeout = seconds; }
    int sendTimeout() const { return m_sendTimeout; }
    HttpHeaders& headers() { return m_headers; }
    const HttpHeaders& headers() const { return m_headers; }

    void addFormField(const String& name, const String& value);
    int formFieldCount() const { return m_formFields.count(); }
    // The fields joined as name=value with '&' between them.
    String formText() const;
    // The UTF-8 length of formText: the Content-Length of a POST.
    int formByteLength() const;

    // False when the host, the path, a header line or the form holds a line
    // break or a zero unit: such a request could carry lines its caller never
    // meant to send (hosts and paths come from scraped pages).
    bool isSendable() const;

private:
    String encodedPath() const;

    String m_version;
    int m_method = kGet;
    String m_host;
    String m_path;
    int m_port = 80;
    int m_sendTimeout = 0;
    HttpHeaders m_headers;
    List<FormField> m_formFields;
};
