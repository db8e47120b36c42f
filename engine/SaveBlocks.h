#pragma once
// Bounded reads of the engine's saved-settings blocks. A read that would
// reach past the field or the block yields zero (numbers) or stops at the
// field's end (texts); a block the engine did not deliver reads as zeros.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/SaveLayout.h"

class ClBlockView {
public:
    ClBlockView() = default;
    ClBlockView(const void* data, std::size_t size);

    // The block the engine allocated; its size is what the task-memory
    // allocator reports, so reads never leave it.
    static ClBlockView Of(const void* block);

    ClBlockView Sub(std::size_t offset, std::size_t size) const;  // a row inside the block

    std::int64_t Amount(std::size_t offset) const;  // signed 64-bit
    std::int32_t Count(std::size_t offset) const;   // signed 32-bit
    std::uint8_t Byte(std::size_t offset) const;
    // Text up to its terminator or the field's width, whichever comes first.
    std::string_view Text(std::size_t offset, std::size_t width) const;
    std::string_view Text(const StTEXTFIELD& field) const { return Text(field.offset, field.width); }

    const unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Writes a signed 64-bit amount into a block when it fits; false otherwise.
bool StoreAmount(void* block, std::size_t offset, std::int64_t value);
