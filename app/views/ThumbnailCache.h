#pragma once

#include "graphics/image/Image.h"

#include <cstdint>
#include <list>
#include <unordered_map>
#include <utility>

// The grid's thumbnails by movie id, at most a fixed number of them: the
// ones painted last are kept and the longest unused is dropped, so that
// scrolling through a whole collection holds only about a screenful.
class ThumbnailCache
{
public:
    static constexpr int kDefaultCapacity = 400;

    explicit ThumbnailCache(int capacity = kDefaultCapacity) : m_capacity(capacity < 1 ? 1 : capacity) {}

    // Whether the id is held; the picture (null for a movie without one)
    // is then in *out and the id counts as just used.
    bool find(int32_t id, Image* out);
    void insert(int32_t id, const Image& image);
    void remove(int32_t id);
    void clear();
    int count() const { return int(m_order.size()); }
    int capacity() const { return m_capacity; }

private:
    using Entry = std::pair<int32_t, Image>;
    int m_capacity;
    // Most recently used first.
    std::list<Entry> m_order;
    std::unordered_map<int32_t, std::list<Entry>::iterator> m_byId;
};
