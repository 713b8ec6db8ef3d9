#include "foundation/core/Memory.h"

#include <cstring>

void zeroMemory(void* target, size_t size)
{
    if (size > 0)
        std::memset(target, 0, size);
}

void fillMemory(void* target, size_t size, uint8_t value)
{
    if (size > 0)
        std::memset(target, value, size);
}

void moveMemory(void* target, const void* source, size_t size)
{
    if (size > 0)
        std::memmove(target, source, size);
}

void copyMemory(void* target, const void* source, size_t size)
{
    if (size > 0)
        std::memcpy(target, source, size);
}

bool isValidHandle(uintptr_t handle)
{
    return handle != 0 && handle != ~static_cast<uintptr_t>(0);
}
