// The sharing of one region handle between copies; making and reading the
// handle is the platform's part.
#include "graphics/paint/Region.h"

Region::Region() = default;

Region::Region(const Rect& rect) : Region(rect.x, rect.y, rect.width, rect.height) {}

Region::Region(const Region& other) : m_handle(other.m_handle), m_count(other.m_count)
{
    if (m_count)
        ++*m_count;
}

Region& Region::operator=(const Region& other)
{
    if (this == &other || m_handle == other.m_handle)
        return *this;
    release();
    m_handle = other.m_handle;
    m_count = other.m_count;
    if (m_count)
        ++*m_count;
    return *this;
}

Region::~Region()
{
    release();
}

void Region::adopt(HRGN__* handle)
{
    if (!handle)
        return;
    m_handle = handle;
    m_count = new int(1);
}

void Region::release()
{
    if (m_count && --*m_count == 0) {
        destroyHandle(m_handle);
        delete m_count;
    }
    m_handle = nullptr;
    m_count = nullptr;
}

bool Region::isEmpty() const
{
    return boundingRect().isEmpty();
}
