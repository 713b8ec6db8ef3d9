#include "model/collection/CollectionReadAhead.h"

CollectionReadAhead::CollectionReadAhead(const String& path)
    : Thread(String(u"Collection read")), m_path(path), m_stamp(FileStamp::of(path))
{
    m_started = start();
}

CollectionReadAhead::~CollectionReadAhead()
{
    wait(0);
}

void CollectionReadAhead::run()
{
    m_read = m_reader.read(m_path, CollectionReader::kEverything);
}

CollectionReader* CollectionReadAhead::take()
{
    if (!m_started || !wait(0))
        return nullptr;
    if (!m_read || FileStamp::of(m_path) != m_stamp)
        return nullptr;
    m_read = false;
    return &m_reader;
}
