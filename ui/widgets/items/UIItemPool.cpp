#include "ui/widgets/items/UIItemPool.h"

#include <algorithm>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define REELSTACK_POOL_POISONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define REELSTACK_POOL_POISONS 1
#endif
#endif

#ifdef REELSTACK_POOL_POISONS
#include <sanitizer/asan_interface.h>
#endif

namespace {

// A block handed back stays poisoned while free, so that the sanitizers
// still catch an entry used after its deletion.
void poison(void* block, size_t size)
{
#ifdef REELSTACK_POOL_POISONS
    __asan_poison_memory_region(block, size);
#else
    (void)block;
    (void)size;
#endif
}

void unpoison(void* block, size_t size)
{
#ifdef REELSTACK_POOL_POISONS
    __asan_unpoison_memory_region(block, size);
#else
    (void)block;
    (void)size;
#endif
}

} // namespace

UIItemPool::UIItemPool(size_t blockSize) : m_blockSize(blockSize)
{
    const size_t align = alignof(std::max_align_t);
    size_t size = std::max(blockSize, sizeof(FreeBlock));
    m_stride = (size + align - 1) / align * align;
}

UIItemPool::~UIItemPool()
{
    releaseChunks();
}

void* UIItemPool::allocate()
{
    if (!m_free)
        addChunk();
    FreeBlock* block = m_free;
    unpoison(block, m_stride);
    m_free = block->next;
    ++m_live;
    return block;
}

void UIItemPool::deallocate(void* block)
{
    if (!block)
        return;
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = m_free;
    m_free = freed;
    poison(freed, m_stride);
    if (--m_live == 0)
        releaseChunks();
}

void* UIItemPool::allocate(size_t size)
{
    return size == m_blockSize ? allocate() : ::operator new(size);
}

void UIItemPool::deallocate(void* block, size_t size)
{
    if (size == m_blockSize)
        deallocate(block);
    else
        ::operator delete(block);
}

void UIItemPool::addChunk()
{
    char* chunk = new char[m_stride * kBlocksPerChunk];
    m_chunks.push_back(chunk);
    // Threaded back to front, so that blocks go out in address order.
    for (size_t i = kBlocksPerChunk; i-- > 0;) {
        auto* block = reinterpret_cast<FreeBlock*>(chunk + i * m_stride);
        block->next = m_free;
        m_free = block;
        poison(block, m_stride);
    }
}

void UIItemPool::releaseChunks()
{
    for (char* chunk : m_chunks) {
        unpoison(chunk, m_stride * kBlocksPerChunk);
        delete[] chunk;
    }
    m_chunks.clear();
    m_free = nullptr;
}
