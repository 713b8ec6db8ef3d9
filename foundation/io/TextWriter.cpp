#include "foundation/io/TextWriter.h"

#include "foundation/text/ByteArray.h"

namespace {

const int kFloatDecimals = 6;
const int kDoubleDecimals = 8;

} // namespace

TextWriter::TextWriter(OutputStream* stream, int encoding)
    : StreamWriter(stream), m_encoding(encoding), m_byteOrderMarkPending(true), m_newline(u"\r\n")
{
}

bool TextWriter::isSupportedEncoding(int encoding)
{
    return encoding == kAnsi || encoding == kUtf8 || encoding == kUtf16;
}

bool TextWriter::attach()
{
    if (!isSupportedEncoding(m_encoding))
        return false;
    m_byteOrderMarkPending = true;
    return StreamWriter::attach();
}

bool TextWriter::writeAll(const void* data, uint32_t length)
{
    return writeToStream(data, length) == int32_t(length);
}

bool TextWriter::writeByteOrderMark()
{
    m_byteOrderMarkPending = false;
    static const uint8_t kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
    static const uint8_t kUtf16Mark[] = {0xFF, 0xFE};
    if (m_encoding == kUtf8)
        return writeAll(kUtf8Mark, sizeof kUtf8Mark);
    if (m_encoding == kUtf16)
        return writeAll(kUtf16Mark, sizeof kUtf16Mark);
    return true;
}

bool TextWriter::write(const String& text)
{
    if (!isAttached())
        return false;
    if (m_byteOrderMarkPending && !writeByteOrderMark())
        return false;
    if (text.isEmpty())
        return true;
    if (m_encoding == kUtf16) {
        ByteArray bytes;
        bytes.resize(text.length() * 2);
        for (int i = 0; i < text.length(); ++i) {
            bytes.setAt(2 * i, uint8_t(text.at(i)));
            bytes.setAt(2 * i + 1, uint8_t(text.at(i) >> 8));
        }
        return writeAll(bytes.data(), uint32_t(bytes.size()));
    }
    ByteArray bytes = m_encoding == kUtf8 ? text.toUtf8() : text.toAnsi();
    if (bytes.isEmpty())
        return true;
    return writeAll(bytes.data(), uint32_t(bytes.size()));
}

bool TextWriter::writeLine(const String& text)
{
    bool ok = write(text);
    return write(m_newline) && ok;
}

bool TextWriter::writeBool(bool value)
{
    return write(String(value ? u"1" : u"0"));
}

bool TextWriter::writeFloat(float value)
{
    return write(String::fromDouble(double(value), kFloatDecimals));
}

bool TextWriter::writeDouble(double value)
{
    return write(String::fromDouble(value, kDoubleDecimals));
}

bool TextWriter::writeInt16(int16_t value)
{
    return write(String::fromInt(value));
}

bool TextWriter::writeInt32(int32_t value)
{
    return write(String::fromInt(value));
}

bool TextWriter::writeInt64(int64_t value)
{
    return write(String::fromInt64(value));
}

bool TextWriter::writeUInt16(uint16_t value)
{
    return write(String::fromUInt(value));
}

bool TextWriter::writeUInt32(uint32_t value)
{
    return write(String::fromUInt(value));
}

bool TextWriter::writeUInt64(uint64_t value)
{
    return write(String::fromUInt64(value));
}

bool TextWriter::writeChar(char16_t value)
{
    return write(String(&value, 1));
}

bool TextWriter::writeText(const char16_t* text)
{
    return write(String(text));
}

bool TextWriter::writeBoolLine(bool value)
{
    return writeLine(String(value ? u"1" : u"0"));
}

bool TextWriter::writeFloatLine(float value)
{
    bool ok = writeFloat(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeDoubleLine(double value)
{
    bool ok = writeDouble(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeInt16Line(int16_t value)
{
    bool ok = writeInt16(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeInt32Line(int32_t value)
{
    bool ok = writeInt32(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeInt64Line(int64_t value)
{
    bool ok = writeInt64(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeUInt16Line(uint16_t value)
{
    bool ok = writeUInt16(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeUInt32Line(uint32_t value)
{
    bool ok = writeUInt32(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeUInt64Line(uint64_t value)
{
    bool ok = writeUInt64(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeCharLine(char16_t value)
{
    bool ok = writeChar(value);
    return write(m_newline) && ok;
}

bool TextWriter::writeTextLine(const char16_t* text)
{
    bool ok = writeText(text);
    return write(m_newline) && ok;
}
