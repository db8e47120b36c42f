#include "services/TaskMemory.h"

#include <objbase.h>

#include <cstring>

void* TaskMemAlloc(std::size_t size) {
    void* block = CoTaskMemAlloc(size);
    if (block) std::memset(block, 0, size);
    return block;
}

void TaskMemFree(void* block) { CoTaskMemFree(block); }

std::size_t TaskMemSize(const void* block) {
    if (!block) return 0;
    IMalloc* allocator = nullptr;
    if (FAILED(CoGetMalloc(1, &allocator)) || !allocator) return 0;
    const std::size_t size = allocator->GetSize(const_cast<void*>(block));
    allocator->Release();
    return size;
}
