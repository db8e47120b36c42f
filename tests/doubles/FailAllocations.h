#pragma once
// Replaces operator new so that a test can make chosen allocations fail. Include
// this header in exactly one source file of a test program (it defines the operators).
#include <cstddef>
#include <cstdlib>
#include <new>

namespace failing {
inline bool (*g_fails)(std::size_t size) = nullptr;

inline void* Allocate(std::size_t size) noexcept {
    return g_fails && g_fails(size) ? nullptr : std::malloc(size ? size : 1);
}
inline void Free(void* p) noexcept { std::free(p); }
inline void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
}  // namespace failing

// While it lives, every allocation for which fails(size) is true fails.
class ClFailAllocations {
public:
    explicit ClFailAllocations(bool (*fails)(std::size_t)) { failing::g_fails = fails; }
    ~ClFailAllocations() { failing::g_fails = nullptr; }
};

// Every form, so that none of them reaches another allocator (the sanitizers' included).
void* operator new(std::size_t size) { return failing::AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return failing::AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return failing::Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return failing::Allocate(size); }
void operator delete(void* p) noexcept { failing::Free(p); }
void operator delete[](void* p) noexcept { failing::Free(p); }
void operator delete(void* p, std::size_t) noexcept { failing::Free(p); }
void operator delete[](void* p, std::size_t) noexcept { failing::Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { failing::Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { failing::Free(p); }
