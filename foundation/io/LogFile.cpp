#include "foundation/io/LogFile.h"

#include "foundation/io/File.h"
#include "foundation/io/FileOutputStream.h"
#include "foundation/io/TextWriter.h"

namespace {

void appendDigits(String& text, int value, int digits)
{
    char16_t units[8] = {0};
    if (value < 0)
        value = 0;
    for (int i = digits - 1; i >= 0; --i) {
        units[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
    text.append(String(units));
}

} // namespace

LogFile::LogFile() = default;

LogFile::~LogFile()
{
    close();
}

bool LogFile::isOpen() const
{
    return m_stream && m_writer && m_stream->isOpen();
}

void LogFile::open(const String& path)
{
    m_path = path;
    if (m_stream || m_writer)
        return;
    m_stream = new FileOutputStream(path, true);
    m_writer = new TextWriter(m_stream, TextWriter::kUtf16);
}

void LogFile::close()
{
    if (m_writer)
        m_writer->detach();
    delete m_writer;
    m_writer = nullptr;
    delete m_stream;
    m_stream = nullptr;
}

String LogFile::lineText(const DateTime& when, const String& message)
{
    String line;
    appendDigits(line, when.day(), 2);
    line.appendChar(u'.');
    appendDigits(line, when.month(), 2);
    line.appendChar(u'.');
    appendDigits(line, when.year(), 4);
    line.appendChar(u' ');
    appendDigits(line, when.hour(), 2);
    line.appendChar(u':');
    appendDigits(line, when.minute(), 2);
    line.appendChar(u':');
    appendDigits(line, when.second(), 2);
    line.append(String(u" | "));
    line.append(message);
    return line;
}

// The writer is attached for one line at a time; the byte-order mark goes
// only at the start of an empty file, never between lines.
bool LogFile::writeLine(const String& message)
{
    if (!isOpen())
        return false;
    if (m_stream->size() >= m_maxSize) {
        String path = m_path;
        close();
        File::remove(path);
        open(path);
        if (!isOpen())
            return false;
    }
    if (!m_writer->attach())
        return false;
    m_writer->setByteOrderMarkPending(m_stream->size() == 0);
    bool written = m_writer->writeLine(lineText(DateTime::now(), message));
    m_writer->detach();
    return written;
}
