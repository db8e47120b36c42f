#include <array>
#include <cstdint>

#include "common/Sjis.h"

namespace sjis {

namespace {

// The trail bytes a row assigns, where they are not the whole range
// 40-7E, 80-FC. Rows 85, 86, EB, EC and EF assign nothing.
struct StPAIRRANGE {
    unsigned char lead;
    unsigned char firstTrail;
    unsigned char lastTrail;
};

constexpr StPAIRRANGE kPartialRows[] = {
    {0x81, 0x40, 0x7E}, {0x81, 0x80, 0xAC}, {0x81, 0xB8, 0xBF}, {0x81, 0xC8, 0xCE}, {0x81, 0xDA, 0xE8},
    {0x81, 0xF0, 0xF7}, {0x81, 0xFC, 0xFC}, {0x82, 0x4F, 0x58}, {0x82, 0x60, 0x79}, {0x82, 0x81, 0x9A},
    {0x82, 0x9F, 0xF1}, {0x83, 0x40, 0x7E}, {0x83, 0x80, 0x96}, {0x83, 0x9F, 0xB6}, {0x83, 0xBF, 0xD6},
    {0x84, 0x40, 0x60}, {0x84, 0x70, 0x7E}, {0x84, 0x80, 0x91}, {0x84, 0x9F, 0xBE}, {0x87, 0x40, 0x5D},
    {0x87, 0x5F, 0x75}, {0x87, 0x7E, 0x7E}, {0x87, 0x80, 0x9C}, {0x88, 0x9F, 0xFC}, {0x98, 0x40, 0x72},
    {0x98, 0x9F, 0xFC}, {0xEA, 0x40, 0x7E}, {0xEA, 0x80, 0xA4}, {0xEE, 0x40, 0x7E}, {0xEE, 0x80, 0xEC},
    {0xEE, 0xEF, 0xFC}, {0xFC, 0x40, 0x4B},
};

constexpr unsigned char kEmptyRows[] = {0x85, 0x86, 0xEB, 0xEC, 0xEF};

// One bit per lead/trail combination, built from the rows above when the
// program is compiled: 256 rows of 256 bits.
using PairBits = std::array<std::uint64_t, 256 * 4>;

constexpr void Set(PairBits& bits, unsigned lead, unsigned trail) {
    bits[lead * 4 + trail / 64] |= std::uint64_t{1} << (trail % 64);
}

constexpr bool IsListed(unsigned lead, const auto& rows) {
    for (const auto& row : rows) {
        if (static_cast<unsigned>(row) == lead) return true;
    }
    return false;
}

constexpr PairBits MakePairBits() {
    PairBits bits{};
    unsigned char partialLeads[std::size(kPartialRows)]{};
    for (std::size_t i = 0; i < std::size(kPartialRows); ++i) partialLeads[i] = kPartialRows[i].lead;
    for (unsigned lead = 0; lead < 256; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)) || IsListed(lead, kEmptyRows) ||
            IsListed(lead, partialLeads)) {
            continue;
        }
        for (unsigned trail = 0; trail < 256; ++trail) {
            if (IsTrailByte(static_cast<unsigned char>(trail))) Set(bits, lead, trail);
        }
    }
    for (const auto& row : kPartialRows) {
        for (unsigned trail = row.firstTrail; trail <= row.lastTrail; ++trail) Set(bits, row.lead, trail);
    }
    return bits;
}

constexpr PairBits kAssignedPairs = MakePairBits();

}  // namespace

bool IsAssignedPair(unsigned char lead, unsigned char trail) {
    return (kAssignedPairs[lead * 4u + trail / 64u] >> (trail % 64u)) & 1u;
}

}  // namespace sjis
