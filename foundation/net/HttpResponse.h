#pragma once

#include "foundation/net/HttpHeaders.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <cstdint>

// The answer of one exchange, split at the first empty line into header lines
// and body bytes, with the limits the caller sets for reading it.
class HttpResponse
{
public:
    virtual ~HttpResponse() = default;

    void setReceiveTimeout(int seconds) { m_receiveTimeout = seconds; }
    int receiveTimeout() const { return m_receiveTimeout; }
    // A caller-owned buffer of resultBufferSize bytes to read the answer into;
    // null lets the client allocate one.
    void setResultBuffer(uint8_t* buffer) { m_resultBuffer = buffer; }
    uint8_t* resultBuffer() const { return m_resultBuffer; }
    // The most bytes one answer may hold, headers included.
    void setResultBufferSize(int bytes) { m_resultBufferSize = bytes; }
    int resultBufferSize() const { return m_resultBufferSize; }

    HttpHeaders& headers() { return m_headers; }
    const HttpHeaders& headers() const { return m_headers; }
    ByteArray& body() { return m_body; }
    const ByteArray& body() const { return m_body; }
    // Empties the headers and the body.
    void clear();

    // The charset a page declares in its own bytes ("text/html; charset="
    // up to the next '"'), lower-cased; empty when it declares none.
    String charset() const;

    // Splits an answer at the first CR LF CR LF: the lines before it, read in
    // the ANSI code page, become the headers (the status line first, as it
    // is; the others through setHeader), the bytes after it the body. False,
    // with the response unchanged, for fewer than 5 bytes or no empty line.
    bool parse(const uint8_t* bytes, int length);

private:
    int m_receiveTimeout = 0;
    uint8_t* m_resultBuffer = nullptr;
    int m_resultBufferSize = 0;
    HttpHeaders m_headers;
    ByteArray m_body;
};
