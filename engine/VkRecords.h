#pragma once
// The engine's records with their byte layouts (little-endian, packed).
// Offsets and sizes are fixed by the engine; the static_asserts below keep
// them on every target.
#include <cstddef>
#include <cstdint>

// Values of StDATAINFO's fields, and the income kind the user chooses for
// one report (signed 16-bit, written as SYOTOKUSYURUI). Named here once for
// every layer that tests them.
constexpr std::int16_t kDataKindPastResults = 99;  // dataKind
constexpr std::uint8_t kBlueReturn = 3;            // aoSiroKind
constexpr std::uint8_t kWhiteReturn = 4;
constexpr std::uint8_t kJigyouGeneral = 1;  // jigyouKind: business and other income
constexpr std::uint8_t kJigyouRealEstate = 2;
constexpr std::uint8_t kJigyouBoth = 3;
constexpr std::int16_t kIncomeBusiness = 1;  // incomeKind
constexpr std::int16_t kIncomeOther = 2;
constexpr std::int16_t kIncomeRealEstate = 3;

#pragma pack(push, 1)

// One company data.
struct StDATAINFO {
    char dataId[16];      // 0: NUL-terminated unless it fills the field
    std::int32_t dataNo;  // 16
    std::uint8_t reserved20[4];
    char companyName[260];    // 24
    std::int32_t fiscalFrom;  // 284: yyyymmdd
    std::int32_t fiscalTo;    // 288: yyyymmdd
    std::uint8_t reserved292[8];
    std::int32_t seizoGenkaFlag;  // 300
    std::uint8_t reserved304[22];
    std::int16_t dataKind;  // 326: 99 = past results
    std::uint8_t reserved328[16];
    std::uint8_t aoSiroKind;  // 344: 3 blue, 4 white
    std::uint8_t reserved345[602];
    std::uint8_t jigyouKind;  // 947: 1 general, 2 real estate, 3 both
    std::uint8_t reserved948[543];
};

// One summary row; the white rule's row has the same layout.
struct StAOSUMINFO {
    std::int32_t rowCode;      // 0
    std::int32_t itemKey;      // 4
    char kamokuName[128];      // 8
    std::int64_t kisyuAmount;  // 136: ten-thousandths of a yen
    std::int64_t amount;       // 144
    std::uint8_t reserved152[4];
};
using StSIROSUMINFO = StAOSUMINFO;

// The only condition ever passed to ClRuleAo::Ready: byte 0 = 255, rest 0.
struct StAOSUMCONDITION {
    std::uint8_t kind;
    std::uint8_t reserved1[3];
    std::int32_t value1;
    std::int32_t value2;
    std::int32_t value3;
};

// Monthly sales (slots 0-11), household use (12), miscellaneous income (13),
// purchases (15-26).
struct StAOSUMINFO_TSUKIBETSU {
    std::int64_t slots[28];
};

#pragma pack(pop)

// Saved return settings: references to blocks the engine allocates with the
// task-memory allocator; the exit step releases them.
struct StAOSIROSAVEINFO_IPPAN {
    void* generalBlock;
    void* kasidaoreBlock;
    void* kyuuryouBlock;
    void* risiZeirisiBlock;
    void* tidaiBlock;
    void* tokusyuJijouText;
    void* uriageSiireBlock;
};

struct StAOSIROSAVEINFO_FUDOUSAN {
    void* generalBlock;
    void* kasitukeList;
    void* kariireZeirisiBlock;
    void* kyuuryouSenjuusyaBlock;
    void* tidaiBlock;
    void* tokusyuJijouText;
    void* syuuzenhiBlock;
    void* kasitukeSuuBlock;
};

static_assert(sizeof(StDATAINFO) == 1491);
static_assert(offsetof(StDATAINFO, dataNo) == 16);
static_assert(offsetof(StDATAINFO, companyName) == 24);
static_assert(offsetof(StDATAINFO, fiscalFrom) == 284);
static_assert(offsetof(StDATAINFO, fiscalTo) == 288);
static_assert(offsetof(StDATAINFO, seizoGenkaFlag) == 300);
static_assert(offsetof(StDATAINFO, dataKind) == 326);
static_assert(offsetof(StDATAINFO, aoSiroKind) == 344);
static_assert(offsetof(StDATAINFO, jigyouKind) == 947);
static_assert(sizeof(StAOSUMINFO) == 156);
static_assert(offsetof(StAOSUMINFO, itemKey) == 4);
static_assert(offsetof(StAOSUMINFO, kamokuName) == 8);
static_assert(offsetof(StAOSUMINFO, kisyuAmount) == 136);
static_assert(offsetof(StAOSUMINFO, amount) == 144);
static_assert(sizeof(StAOSUMCONDITION) == 16);
static_assert(sizeof(StAOSUMINFO_TSUKIBETSU) == 224);
static_assert(sizeof(StAOSIROSAVEINFO_IPPAN) == 7 * sizeof(void*));
static_assert(sizeof(StAOSIROSAVEINFO_FUDOUSAN) == 8 * sizeof(void*));
