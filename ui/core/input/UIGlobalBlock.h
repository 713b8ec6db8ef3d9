#pragma once

#include "foundation/text/ByteArray.h"

#include <cstdint>

// A system memory block (HGLOBAL) as the clipboard and drag and drop pass
// them: bytes are copied into a new movable block, and a block from outside
// is locked for reading with its real size. For the Windows build only.
class UIGlobalBlock
{
public:
    // Locks the block; data() is null when it cannot be read.
    explicit UIGlobalBlock(void* handle);
    ~UIGlobalBlock();
    UIGlobalBlock(const UIGlobalBlock&) = delete;
    UIGlobalBlock& operator=(const UIGlobalBlock&) = delete;

    const uint8_t* data() const { return m_data; }
    // What the system allocated, which may be more than was asked for.
    int64_t size() const { return m_size; }
    ByteArray bytes() const;

    // A movable block holding the bytes; null when there are none or no
    // memory. The caller owns it until the system takes it.
    static void* fromBytes(const ByteArray& bytes);

private:
    void* m_handle;
    const uint8_t* m_data = nullptr;
    int64_t m_size = 0;
};
