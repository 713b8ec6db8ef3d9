#pragma once

#include <cstddef>
#include <cstdint>

// Block operations on raw memory, as the C library does them. A null pointer
// with a size of 0 is allowed.
void zeroMemory(void* target, size_t size);
void fillMemory(void* target, size_t size, uint8_t value);
// The blocks may overlap.
void moveMemory(void* target, const void* source, size_t size);
// The blocks must not overlap.
void copyMemory(void* target, const void* source, size_t size);

// Whether a handle value names something: the system's calls give 0 or -1
// (all bits set) for none, depending on the call.
bool isValidHandle(uintptr_t handle);
