#include "engine/SaveBlocks.h"

#include <cstring>

#include "services/TaskMemory.h"

ClBlockView::ClBlockView(const void* data, std::size_t size)
    : data_(static_cast<const unsigned char*>(data)), size_(data ? size : 0) {}

ClBlockView ClBlockView::Of(const void* block) {
    return block ? ClBlockView(block, TaskMemSize(block)) : ClBlockView();
}

ClBlockView ClBlockView::Sub(std::size_t offset, std::size_t size) const {
    if (offset >= size_) return {};
    return ClBlockView(data_ + offset, size < size_ - offset ? size : size_ - offset);
}

namespace {
template <typename T>
T ReadLittleEndian(const unsigned char* data, std::size_t size, std::size_t offset) {
    if (offset > size || size - offset < sizeof(T)) return 0;
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        v |= static_cast<std::uint64_t>(data[offset + i]) << (8 * i);
    }
    return static_cast<T>(v);
}
}  // namespace

std::int64_t ClBlockView::Amount(std::size_t offset) const {
    return ReadLittleEndian<std::int64_t>(data_, size_, offset);
}

std::int32_t ClBlockView::Count(std::size_t offset) const {
    return ReadLittleEndian<std::int32_t>(data_, size_, offset);
}

std::uint8_t ClBlockView::Byte(std::size_t offset) const { return offset < size_ ? data_[offset] : 0; }

std::string_view ClBlockView::Text(std::size_t offset, std::size_t width) const {
    if (offset >= size_) return {};
    std::size_t avail = size_ - offset < width ? size_ - offset : width;
    const char* start = reinterpret_cast<const char*>(data_ + offset);
    const void* nul = std::memchr(start, 0, avail);
    return {start, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : avail};
}

bool StoreAmount(void* block, std::size_t offset, std::int64_t value) {
    if (!block) return false;
    std::size_t size = TaskMemSize(block);
    if (offset > size || size - offset < sizeof value) return false;
    auto* p = static_cast<unsigned char*>(block) + offset;
    auto v = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < sizeof value; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
    return true;
}
