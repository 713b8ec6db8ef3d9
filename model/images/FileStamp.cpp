#include "model/images/FileStamp.h"

#include "foundation/io/File.h"

FileStamp FileStamp::of(const String& path)
{
    FileStamp stamp;
    if (path.isEmpty() || !File::exists(path))
        return stamp;
    stamp.m_size = File::size(path);
    stamp.m_written = File::lastWriteTime(path, false);
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return m_size == other.m_size && m_written == other.m_written;
}
