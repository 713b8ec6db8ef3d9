#include "foundation/io/FileOutputStream.h"

FileOutputStream::FileOutputStream(const String& path, bool append) : m_file(path)
{
    m_open = m_file.open(append ? File::kModeAppend : File::kModeWrite);
    if (m_open && append)
        m_file.seekToEnd();
}

FileOutputStream::~FileOutputStream()
{
    m_file.close();
}

int32_t FileOutputStream::write(const void* data, uint32_t length)
{
    return m_file.write(data, length);
}

uint64_t FileOutputStream::size() const
{
    return m_file.size();
}

bool FileOutputStream::seek(uint64_t position)
{
    return m_file.seek(position);
}

uint64_t FileOutputStream::position() const
{
    return m_file.position();
}

bool FileOutputStream::seekToEnd()
{
    return m_file.seekToEnd();
}

bool FileOutputStream::flush()
{
    return m_file.flush();
}
