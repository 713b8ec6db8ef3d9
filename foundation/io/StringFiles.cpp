// The whole-file text helpers of String: read a text file at once, save one
// text or a list of lines.
#include "foundation/text/String.h"

#include "foundation/containers/StringList.h"
#include "foundation/io/File.h"
#include "foundation/io/FileInputStream.h"
#include "foundation/io/FileOutputStream.h"
#include "foundation/io/MemoryStream.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/io/TextReader.h"
#include "foundation/io/TextWriter.h"

namespace {

const uint64_t kTextChunkSize = 0x10000;

String readText(InputStream& stream, int encoding)
{
    TextReader reader(&stream, encoding);
    if (!reader.attach())
        return String();
    return reader.readAll(kTextChunkSize);
}

} // namespace

String String::fromTextFile(const String& path, int encoding)
{
    if (!File::exists(path))
        return String();
    FileInputStream stream(path);
    return readText(stream, encoding);
}

String String::fromTextBuffer(const void* data, int size)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    const bool utf16 = bytes && size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    return fromTextBuffer(data, size, utf16 ? kEncodingUtf16 : kEncodingUtf8);
}

String String::fromTextBuffer(const void* data, int size, int encoding)
{
    if (!data || size < 1)
        return String();
    MemoryStream stream(data, uint64_t(size), false);
    return readText(stream, encoding);
}

StringList String::readLinesFromTextFile(const String& path, int encoding)
{
    if (!File::exists(path))
        return StringList();
    FileInputStream stream(path);
    TextReader reader(&stream, encoding);
    if (!reader.attach())
        return StringList();
    return reader.readLines(0);
}

// Appending continues the file in place (its old bytes are never rewritten)
// and puts a byte-order mark only into an empty file; replacing goes through
// a temporary file, so a failed save keeps the old text.
bool String::saveToFile(const String& path, int encoding, bool append) const
{
    return saveToTextFile(path, encoding, append);
}

bool String::saveToTextFile(const String& path, int encoding, bool append) const
{
    if (path.isEmpty() || !TextWriter::isSupportedEncoding(encoding))
        return false;
    if (append) {
        FileOutputStream stream(path, true);
        TextWriter writer(&stream, encoding);
        if (!writer.attach())
            return false;
        writer.setByteOrderMarkPending(stream.size() == 0);
        bool written = isEmpty() || writer.writeLine(*this);
        writer.detach();
        return stream.flush() && written;
    }
    SafeFileOutputStream stream(path);
    TextWriter writer(&stream, encoding);
    if (!writer.attach())
        return false;
    bool written = isEmpty() || writer.writeLine(*this);
    writer.detach();
    return written && stream.commit();
}

bool String::writeLinesToTextFile(const StringList& lines, const String& path, int encoding)
{
    if (path.isEmpty() || !TextWriter::isSupportedEncoding(encoding))
        return false;
    SafeFileOutputStream stream(path);
    TextWriter writer(&stream, encoding);
    if (!writer.attach())
        return false;
    bool written = true;
    for (const String& line : lines)
        written = writer.writeLine(line) && written;
    writer.detach();
    return written && stream.commit();
}
