// Edge coverage for AFL++ from GCC's own instrumentation. The code is built
// with -fsanitize-coverage=trace-pc, which calls this hook at every basic
// block; it records the edge from the previous block in AFL++'s shared map,
// as AFL's classic instrumentation does. AFL++'s runtime (afl-compiler-rt)
// provides the map, the fork server and the persistent loop.
#include <cstdint>

extern "C" std::uint8_t* __afl_area_ptr;

namespace {
constexpr std::uintptr_t kMapMask = (1U << 16) - 1;  // AFL++'s default map of 64 KiB
thread_local std::uintptr_t previousBlock = 0;
}  // namespace

extern "C" __attribute__((no_sanitize_coverage, no_sanitize_address, no_sanitize("undefined"))) void
__sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    const std::uintptr_t block = ((pc ^ (pc >> 15)) * 0x9E3779B1U >> 7) & kMapMask;
    ++__afl_area_ptr[block ^ previousBlock];
    previousBlock = block >> 1;
}
