#include "ui/core/input/UIGlobalBlock.h"

#include <windows.h>

#include <climits>
#include <cstring>

UIGlobalBlock::UIGlobalBlock(void* handle) : m_handle(handle)
{
    if (!handle)
        return;
    SIZE_T size = GlobalSize(handle);
    void* data = size > 0 ? GlobalLock(handle) : nullptr;
    if (!data)
        return;
    m_data = static_cast<const uint8_t*>(data);
    m_size = int64_t(size);
}

UIGlobalBlock::~UIGlobalBlock()
{
    if (m_data)
        GlobalUnlock(m_handle);
}

ByteArray UIGlobalBlock::bytes() const
{
    if (!m_data || m_size > INT_MAX)
        return ByteArray();
    return ByteArray(m_data, int(m_size));
}

void* UIGlobalBlock::fromBytes(const ByteArray& bytes)
{
    if (bytes.isEmpty())
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(bytes.size()));
    void* target = block ? GlobalLock(block) : nullptr;
    if (!target) {
        if (block)
            GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes.data(), size_t(bytes.size()));
    GlobalUnlock(block);
    return block;
}
