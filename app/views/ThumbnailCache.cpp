#include "app/views/ThumbnailCache.h"

bool ThumbnailCache::find(int32_t id, Image* out)
{
    auto found = m_byId.find(id);
    if (found == m_byId.end())
        return false;
    m_order.splice(m_order.begin(), m_order, found->second);
    *out = found->second->second;
    return true;
}

void ThumbnailCache::insert(int32_t id, const Image& image)
{
    remove(id);
    m_order.emplace_front(id, image);
    m_byId[id] = m_order.begin();
    while (count() > m_capacity) {
        m_byId.erase(m_order.back().first);
        m_order.pop_back();
    }
}

void ThumbnailCache::remove(int32_t id)
{
    auto found = m_byId.find(id);
    if (found == m_byId.end())
        return;
    m_order.erase(found->second);
    m_byId.erase(found);
}

void ThumbnailCache::clear()
{
    m_order.clear();
    m_byId.clear();
}
