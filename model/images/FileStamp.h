#pragma once

#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"

#include <cstdint>

// What a file looked like at one moment: its size and last write time. Two
// stamps that differ tell that the file was replaced or changed; a missing
// file has a size of -1.
class FileStamp
{
public:
    FileStamp() = default;
    static FileStamp of(const String& path);

    bool isMissing() const { return m_size < 0; }
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }

private:
    int64_t m_size = -1;
    DateTime m_written;
};
