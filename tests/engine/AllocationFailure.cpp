#include "AllocationFailure.h"

#include <cstdlib>
#include <new>

#include "engine/VkRecords.h"

namespace {
bool g_failRowArrays = false;

void* Allocate(std::size_t size) {
    if (g_failRowArrays && size != 0 && size % sizeof(StAOSUMINFO) == 0) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

ClFailRowArrays::ClFailRowArrays() { g_failRowArrays = true; }
ClFailRowArrays::~ClFailRowArrays() { g_failRowArrays = false; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
