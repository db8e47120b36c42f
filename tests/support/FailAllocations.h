#pragma once
// Replaces operator new for one test program so that a test can make chosen
// allocations fail, to see how the code meets an exhausted heap. Include this
// header in exactly one source file of the program (it defines the operators).
#include <cstddef>
#include <cstdlib>
#include <new>

namespace fail_allocations {
inline bool (*g_fails)(std::size_t size) = nullptr;

inline void* Allocate(std::size_t size) {
    if (g_fails && g_fails(size)) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace fail_allocations

// While it lives, every allocation for which fails(size) is true throws.
class ClFailAllocations {
public:
    explicit ClFailAllocations(bool (*fails)(std::size_t)) { fail_allocations::g_fails = fails; }
    ~ClFailAllocations() { fail_allocations::g_fails = nullptr; }
    ClFailAllocations(const ClFailAllocations&) = delete;
    ClFailAllocations& operator=(const ClFailAllocations&) = delete;
};

void* operator new(std::size_t size) { return fail_allocations::Allocate(size); }
void* operator new[](std::size_t size) { return fail_allocations::Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return fail_allocations::Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
