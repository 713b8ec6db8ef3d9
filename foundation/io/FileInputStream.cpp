#include "foundation/io/FileInputStream.h"

FileInputStream::FileInputStream(const String& path) : m_file(path)
{
    m_open = m_file.open(File::kModeRead);
    if (m_open)
        m_file.rewind();
}

FileInputStream::~FileInputStream()
{
    m_file.close();
}

int32_t FileInputStream::read(void* buffer, uint32_t length)
{
    return m_file.read(buffer, length);
}

uint64_t FileInputStream::size() const
{
    return m_file.size();
}

bool FileInputStream::seek(uint64_t position)
{
    return m_file.seek(position);
}

uint64_t FileInputStream::position() const
{
    return m_file.position();
}

bool FileInputStream::seekToEnd()
{
    return m_file.seekToEnd();
}
