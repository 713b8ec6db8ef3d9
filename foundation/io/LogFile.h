#pragma once

#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"

#include <cstdint>

class FileOutputStream;
class TextWriter;

// A size-capped UTF-16 log of time-stamped lines. When the file reaches its
// maximum size it is deleted and started anew.
class LogFile
{
public:
    static const uint64_t kDefaultMaxSize = 10485760;

    LogFile();
    virtual ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    void setMaxSize(uint64_t size) { m_maxSize = size; }
    uint64_t maxSize() const { return m_maxSize; }
    const String& path() const { return m_path; }
    bool isOpen() const;

    void open(const String& path);
    void close();
    bool writeLine(const String& message);

    // "dd.MM.yyyy hh:mm:ss | " and the message, as one line of the log shows it.
    static String lineText(const DateTime& when, const String& message);

private:
    String m_path;
    FileOutputStream* m_stream = nullptr;
    TextWriter* m_writer = nullptr;
    uint64_t m_maxSize = kDefaultMaxSize;
};
