#include "services/TaskMemory.h"

#include <cstdlib>
#include <cstring>

// Each block carries its size in a header in front of it, kept to the
// alignment malloc guarantees.
namespace {
constexpr std::size_t kHeader = alignof(std::max_align_t);
}

void* TaskMemAlloc(std::size_t size) {
    if (size > static_cast<std::size_t>(-1) - kHeader) return nullptr;
    auto* raw = static_cast<unsigned char*>(std::calloc(1, kHeader + size));
    if (!raw) return nullptr;
    std::memcpy(raw, &size, sizeof size);
    return raw + kHeader;
}

void TaskMemFree(void* block) {
    if (block) std::free(static_cast<unsigned char*>(block) - kHeader);
}

std::size_t TaskMemSize(const void* block) {
    if (!block) return 0;
    std::size_t size = 0;
    std::memcpy(&size, static_cast<const unsigned char*>(block) - kHeader, sizeof size);
    return size;
}
