#pragma once
// Bounded reads of the engine's saved-settings blocks. A read that would
// reach past the field or the block yields zero (numbers) or stops at the
// field's end (texts); a block the engine did not deliver reads as zeros.
#include <cstddef>
#include <cstdint>
#include <string_view>

// Block sizes as the engine allocates them.
namespace blocksize {
constexpr std::size_t kIppanGeneral = 1024;
constexpr std::size_t kKasidaore = 448;
constexpr std::size_t kKyuuryou = 480;
constexpr std::size_t kRisiZeirisi = 448;
constexpr std::size_t kTidai = 256;
constexpr std::size_t kTokusyuJijou = 1024;
constexpr std::size_t kUriageSiire = 720;
constexpr std::size_t kFudousanGeneral = 1024;
constexpr std::size_t kKasitukeRow = 236;  // the letting list: (rows + 1) x 236
constexpr std::size_t kKariireZeirisi = 560;
constexpr std::size_t kKyuuryouSenjuusya = 328;
constexpr std::size_t kSyuuzenhi = 384;
constexpr std::size_t kKasitukeSuu = 56;
}  // namespace blocksize

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

    const unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Writes a signed 64-bit amount into a block when it fits; false otherwise.
bool StoreAmount(void* block, std::size_t offset, std::int64_t value);
