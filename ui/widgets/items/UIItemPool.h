#pragma once

#include <cstddef>
#include <vector>

// Blocks of one size handed out from chunks, for the entries a view holds by
// the hundred thousand: a fill then costs one allocation a chunk instead of
// one an entry. The chunks go back to the system when the last block does.
// Used from the UI thread only, as the widgets that own the entries are.
class UIItemPool
{
public:
    explicit UIItemPool(size_t blockSize);
    ~UIItemPool();
    UIItemPool(const UIItemPool&) = delete;
    UIItemPool& operator=(const UIItemPool&) = delete;

    size_t blockSize() const { return m_blockSize; }
    void* allocate();
    void deallocate(void* block);
    // For a pooled class's own new and delete: a block of the pool's size
    // comes from the pool, any other (a derived class) from the heap.
    void* allocate(size_t size);
    void deallocate(void* block, size_t size);
    size_t liveCount() const { return m_live; }
    size_t chunkCount() const { return m_chunks.size(); }

private:
    struct FreeBlock
    {
        FreeBlock* next;
    };
    static constexpr size_t kBlocksPerChunk = 1024;

    void addChunk();
    void releaseChunks();

    size_t m_blockSize;
    size_t m_stride;
    FreeBlock* m_free = nullptr;
    std::vector<char*> m_chunks;
    size_t m_live = 0;
};
