#pragma once

#include "foundation/io/StreamWriter.h"
#include "foundation/text/String.h"

// Writes text in one encoding: 1 the ANSI code page, 3 UTF-8, 4 UTF-16
// little-endian. The first write after each attach puts the byte-order mark
// (none for ANSI) before the text.
class TextWriter : public StreamWriter
{
public:
    enum Encoding
    {
        kAnsi = 1,
        kUtf8 = 3,
        kUtf16 = 4
    };

    TextWriter(OutputStream* stream, int encoding);

    bool attach() override;

    int encoding() const { return m_encoding; }
    void setNewline(const String& newline) { m_newline = newline; }
    const String& newline() const { return m_newline; }
    // For a writer that continues an existing file: no mark in the middle.
    void setByteOrderMarkPending(bool pending) { m_byteOrderMarkPending = pending; }

    // True when every byte reached the stream.
    bool write(const String& text);
    bool writeLine(const String& text);

    bool writeBool(bool value);
    bool writeFloat(float value);
    bool writeDouble(double value);
    bool writeInt16(int16_t value);
    bool writeInt32(int32_t value);
    bool writeInt64(int64_t value);
    bool writeUInt16(uint16_t value);
    bool writeUInt32(uint32_t value);
    bool writeUInt64(uint64_t value);
    bool writeChar(char16_t value);
    bool writeText(const char16_t* text);

    bool writeBoolLine(bool value);
    bool writeFloatLine(float value);
    bool writeDoubleLine(double value);
    bool writeInt16Line(int16_t value);
    bool writeInt32Line(int32_t value);
    bool writeInt64Line(int64_t value);
    bool writeUInt16Line(uint16_t value);
    bool writeUInt32Line(uint32_t value);
    bool writeUInt64Line(uint64_t value);
    bool writeCharLine(char16_t value);
    bool writeTextLine(const char16_t* text);

    static bool isSupportedEncoding(int encoding);

private:
    bool writeByteOrderMark();
    bool writeAll(const void* data, uint32_t length);

    int m_encoding;
    bool m_byteOrderMarkPending = false;
    String m_newline;
};
