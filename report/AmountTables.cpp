#include <array>

#include "report/MappingTables.h"

namespace {
constexpr StAMOUNTROW kTableA[] = {
    {"URIAGEKINGAKU", 101, 0},
    {"KISYUSYOHINTANAOROSIDAKA", 104, 0},
    {"SIIREKINGAKU", 105, 0},
    {"KIMATUSYOHINTANAOROSIDAKA", 106, 0},
    {"SOZEIKOUKA", 108, 0},
    {"NIZUKURIUNTIN", 109, 0},
    {"SUIDOUKOUNETUHI", 110, 0},
    {"RYOHIKOUTUUHI", 111, 0},
    {"TUUSINHI", 112, 0},
    {"KOUKOKUSENDENHI", 113, 0},
    {"SETTAIKOUSAIHI", 114, 0},
    {"SONGAIHOKENRYOU", 115, 0},
    {"SYUUZENHI", 116, 0},
    {"SYOUMOUHINHI", 117, 0},
    {"GENKASHOUKYAKUHI", 118, 0},
    {"FUKURIKOUSEIHI", 119, 0},
    {"KYUURYOUTINGIN", 120, 0},
    {"GAICHUUKOUTIN", 121, 0},
    {"RISIWARIBIKIRYOU", 122, 0},
    {"TIDAIYATIN", 123, 0},
    {"KASIDAOREKIN", 124, 0},
    {"KEIHI_YOBI1", 125, 1},
    {"KEIHI_YOBI2", 126, 1},
    {"KEIHI_YOBI3", 127, 1},
    {"KEIHI_YOBI4", 128, 1},
    {"KEIHI_YOBI5", 129, 1},
    {"KEIHI_YOBI6", 130, 1},
    {"ZAPPI", 131, 0},
    {"KURIMODOSI_KASIDAOREHIKIATEKIN", 135, 0},
    {"KURIMODOSI_YOBI1", 136, 1},
    {"KURIMODOSI_YOBI2", 137, 1},
    {"SENJYUUSYAKYUUYO", 140, 0},
    {"KURIIRE_KASIDAOREHIKIATEKIN", 141, 0},
    {"KURIIRE_YOBI1", 142, 1},
    {"KURIIRE_YOBI2", 143, 1},
};

constexpr StAMOUNTROW kTableB[] = {
    {"SYUNYUGAKU", 1, 0},
    {"KAJISYOUHI", 2, 0},
    {"SONOTASYUNYU", 3, 0},
    {"KISYUSYOHINTANAOROSIDAKA", 5, 0},
    {"SIIREKINGAKU", 6, 0},
    {"KIMATUSYOHINTANAOROSIDAKA", 8, 0},
    {"KYUURYOUTINGIN", 11, 0},
    {"GAICHUUKOUTIN", 12, 0},
    {"GENKASHOUKYAKUHI", 13, 0},
    {"KASIDAOREKIN", 14, 0},
    {"TIDAIYATIN", 15, 0},
    {"RISIWARIBIKIRYOU", 16, 0},
    {"SOZEIKOUKA", 21, 0},
    {"NIZUKURIUNTIN", 22, 0},
    {"SUIDOUKOUNETUHI", 23, 0},
    {"RYOHIKOUTUUHI", 24, 0},
    {"TUUSINHI", 25, 0},
    {"KOUKOKUSENDENHI", 26, 0},
    {"SETTAIKOUSAIHI", 27, 0},
    {"SONGAIHOKENRYOU", 28, 0},
    {"SYUUZENHI", 29, 0},
    {"SYOUMOUHINHI", 30, 0},
    {"FUKURIKOUSEIHI", 31, 0},
    {"KEIHI_YOBI1", 32, 1},
    {"KEIHI_YOBI2", 33, 1},
    {"KEIHI_YOBI3", 34, 1},
    {"KEIHI_YOBI4", 35, 1},
    {"KEIHI_YOBI5", 36, 1},
    {"ZAPPI", 37, 0},
    {"SENJYUSYAKOUJYO", 998, 0},
};

constexpr StAMOUNTROW kTableC[] = {
    {"KISYUGENZAIRYOUTANAOROSIDAKA", 301, 0},
    {"GENZAIRYOUSIIREDAKA", 302, 0},
    {"KIMATUGENZAIRYOUTANAOROSIDAKA", 304, 0},
    {"ROUMUHI", 306, 0},
    {"GAICHUUKOUTIN", 307, 0},
    {"DENNRYOKUHI", 308, 0},
    {"SUIDOUKOUNETUHI", 309, 0},
    {"SYUZENHI", 310, 0},
    {"GENKASYOUKYAKUHI", 311, 0},
    {"SEIZOUKEIHI_YOBI1", 312, 1},
    {"SEIZOUKEIHI_YOBI2", 313, 1},
    {"SEIZOUKEIHI_YOBI3", 314, 1},
    {"SEIZOUKEIHI_YOBI4", 315, 1},
    {"SEIZOUKEIHI_YOBI5", 316, 1},
    {"SEIZOUKEIHI_YOBI6", 317, 1},
    {"SEIZOUKEIHI_YOBI7", 318, 1},
    {"SEIZOUKEIHI_YOBI8", 319, 1},
    {"ZAPPI", 320, 0},
    {"KISYUHANSEIHIN", 323, 0},
    {"KIMATUHANSEIHIN", 325, 0},
};

constexpr StAMOUNTROW kTableD[] = {
    {"TINTAIRYO", 101, 0},
    {"REIKIN_KENRIKIN_KOUSINRYOU", 102, 0},
    {"SYUUNYUUKINGAKU_YOBI", 103, 1},
    {"SOZEIKOUKA", 105, 0},
    {"SONGAIHOKENRYOU", 106, 0},
    {"SYUUZENHI", 107, 0},
    {"GENKASHOUKYAKUHI", 108, 0},
    {"SYAKUNYUUKINRISI", 109, 0},
    {"TIDAIYATIN", 110, 0},
    {"KYUURYOUTINGIN", 111, 0},
    {"HITUYOUKEIHI_YOBI1", 112, 1},
    {"HITUYOUKEIHI_YOBI2", 113, 1},
    {"HITUYOUKEIHI_YOBI3", 114, 1},
    {"HITUYOUKEIHI_YOBI4", 115, 1},
    {"HITUYOUKEIHI_YOBI5", 116, 1},
    {"SONOTANOKEIHI", 117, 0},
    {"SENJYUUSYAKYUUYO", 120, 0},
};

constexpr StAMOUNTROW kTableE[] = {
    {"TINTAIRYO", 1, 0},
    {"REIKIN_KENRIKIN_KOUSINRYOU", 2, 0},
    {"MEIGIKAKIKAERYOU_SONOTA", 3, 0},
    {"KYUURYOUTINGIN", 6, 0},
    {"GENKASHOUKYAKUHI", 7, 0},
    {"KASIDAOREKIN", 8, 0},
    {"TIDAIYATIN", 9, 0},
    {"SYAKUNYUUKINRISI", 10, 0},
    {"SOZEIKOUKA", 21, 0},
    {"SONGAIHOKENRYOU", 22, 0},
    {"SYUUZENHI", 23, 0},
    {"HITUYOUKEIHI_YOBI", 24, 1},
    {"ZAPPI", 25, 0},
    {"SENJYUSYAKOUJYO", 998, 0},
};

static_assert(std::size(kTableA) == 35);
static_assert(std::size(kTableB) == 30);
static_assert(std::size(kTableC) == 20);
static_assert(std::size(kTableD) == 17);
static_assert(std::size(kTableE) == 14);

constexpr const char* kMonthlyTags[] = {
    "URIAGEKINGAKU1", "URIAGEKINGAKU2", "URIAGEKINGAKU3", "URIAGEKINGAKU4",  "URIAGEKINGAKU5",  "URIAGEKINGAKU6",
    "URIAGEKINGAKU7", "URIAGEKINGAKU8", "URIAGEKINGAKU9", "URIAGEKINGAKU10", "URIAGEKINGAKU11", "URIAGEKINGAKU12",
    "KAJISYOUHI",     "ZATUSYUNYU",     "SIIREKINGAKU1",  "SIIREKINGAKU2",   "SIIREKINGAKU3",   "SIIREKINGAKU4",
    "SIIREKINGAKU5",  "SIIREKINGAKU6",  "SIIREKINGAKU7",  "SIIREKINGAKU8",   "SIIREKINGAKU9",   "SIIREKINGAKU10",
    "SIIREKINGAKU11", "SIIREKINGAKU12",
};
static_assert(std::size(kMonthlyTags) == 26);
}  // namespace

std::span<const StAMOUNTROW> TableA() { return kTableA; }
std::span<const StAMOUNTROW> TableB() { return kTableB; }
std::span<const StAMOUNTROW> TableC() { return kTableC; }
std::span<const StAMOUNTROW> TableD() { return kTableD; }
std::span<const StAMOUNTROW> TableE() { return kTableE; }
std::span<const char* const> MonthlyTags() { return kMonthlyTags; }
