#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/io/StreamReader.h"
#include "foundation/text/String.h"

// Reads a whole stream as text in one encoding (1 ANSI, 3 UTF-8, 4 UTF-16
// little-endian), skipping a leading byte-order mark.
class TextReader : public StreamReader
{
public:
    TextReader(InputStream* stream, int encoding);

    bool attach() override;

    int encoding() const { return m_encoding; }
    void setNewline(const String& newline) { m_newline = newline; }
    const String& newline() const { return m_newline; }

    // The text up to the first zero; the empty String for an empty stream, a
    // failed read, or a stream too large to hold.
    String readAll(uint64_t chunkSize);
    StringList readLines(int splitFlags);

    // Decodes bytes as a text file holds them; the buffer needs four zero
    // bytes behind size, so that every encoding finds its terminator.
    static String decode(const uint8_t* bytes, uint64_t size, int encoding);

private:
    int m_encoding;
    String m_newline;
};
