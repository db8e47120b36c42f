#include <array>
#include <vector>

#include "report/MappingTables.h"

namespace {
// Which of stem + "_KAMOKU", "_KISYU", "_KIMATU" an account has, in that order.
constexpr std::uint8_t kKamoku = 1, kKisyu = 2, kKimatu = 4;
constexpr std::uint8_t kBoth = kKisyu | kKimatu;
constexpr std::uint8_t kSpare = kKamoku | kKisyu | kKimatu;

struct StBALANCEACCOUNT {
    std::int32_t key;
    const char* stem;
    std::uint8_t rows;
};

constexpr StBALANCEACCOUNT kAccountsF[] = {
    {201, "GENKIN", kBoth},
    {202, "TOUZAYOKIN", kBoth},
    {203, "TEIKIYOKIN", kBoth},
    {204, "SONOTANOYOKIN", kBoth},
    {205, "UKETORITEGATA", kBoth},
    {206, "URIKAKEKIN", kBoth},
    {207, "YUUKASYOUKEN", kBoth},
    {208, "TANAOROSISISAN", kBoth},
    {209, "MAEBARAIKIN", kBoth},
    {210, "KASITUKEKIN", kBoth},
    {211, "TATEMONO", kBoth},
    {212, "TATEMONOFUZOKUSETUBI", kBoth},
    {213, "KIKAISOUTI", kBoth},
    {214, "SYARYOUUNPANGU", kBoth},
    {215, "KOUGUKIGUBIHIN", kBoth},
    {216, "TOTI", kBoth},
    {217, "SISAN_YOBI1", kSpare},
    {218, "SISAN_YOBI2", kSpare},
    {219, "SISAN_YOBI3", kSpare},
    {220, "SISAN_YOBI4", kSpare},
    {221, "SISAN_YOBI5", kSpare},
    {222, "SISAN_YOBI6", kSpare},
    {223, "SISAN_YOBI7", kSpare},
    {224, "JIGYOUNUSIKASI", kKimatu},
    {225, "SIHARAITEGATA", kBoth},
    {226, "KAIKAKEKIN", kBoth},
    {227, "SYUKUNYUUKIN", kBoth},
    {228, "MIBARAIKIN", kBoth},
    {229, "MAIUKEKIN", kBoth},
    {230, "AZUKARIKIN", kBoth},
    {231, "FUSAISIHON_YOBI1", kSpare},
    {232, "FUSAISIHON_YOBI2", kSpare},
    {233, "FUSAISIHON_YOBI3", kSpare},
    {234, "FUSAISIHON_YOBI4", kSpare},
    {235, "FUSAISIHON_YOBI5", kSpare},
    {236, "FUSAISIHON_YOBI6", kSpare},
    {237, "FUSAISIHON_YOBI7", kSpare},
    {238, "KASIDAOREHIKIATEKIN", kBoth},
    {239, "FUSAISIHON_YOBI8", kSpare},
    {240, "FUSAISIHON_YOBI9", kSpare},
    {241, "FUSAISIHON_YOBI10", kSpare},
    {242, "FUSAISIHON_YOBI11", kSpare},
    {243, "FUSAISIHON_YOBI12", kSpare},
    {244, "FUSAISIHON_YOBI13", kSpare},
    {245, "FUSAISIHON_YOBI14", kSpare},
    {246, "JIGYOUNUSIKARI", kKimatu},
    {247, "MOTOIREKIN", kBoth},
    {999, "KOUJYOMAESYOTOKUKINNGAKU", kKimatu},
};

constexpr StBALANCEACCOUNT kAccountsG[] = {
    {201, "GENKIN", kBoth},
    {202, "FUTUUYOKIN", kBoth},
    {203, "TEIKIYOKIN", kBoth},
    {204, "SONOTANOYOKIN", kBoth},
    {205, "UKETORITEGATA", kBoth},
    {206, "MISYUUTINTAIRYO", kBoth},
    {207, "MISYUUKIN", kBoth},
    {208, "YUUKASYOUKEN", kBoth},
    {209, "MAEBARAIKIN", kBoth},
    {210, "KASITUKEKIN", kBoth},
    {211, "TATEMONO", kBoth},
    {212, "TATEMONOFUZOKUSETUBI", kBoth},
    {213, "KOUTIKUBUTU", kBoth},
    {214, "SENPAKU", kBoth},
    {215, "KOUGUKIGUBIHIN", kBoth},
    {216, "TOTI", kBoth},
    {217, "SYAKUTIKEN", kBoth},
    {218, "KOUKYOUSISETUFUTANKIN", kBoth},
    {219, "SISAN_YOBI1", kSpare},
    {220, "SISAN_YOBI2", kSpare},
    {221, "SISAN_YOBI3", kSpare},
    {222, "SISAN_YOBI4", kSpare},
    {223, "SISAN_YOBI5", kSpare},
    {224, "JIGYOUNUSIKASI", kKimatu},
    {225, "SYUKUNYUUKIN", kBoth},
    {226, "MIBARAIKIN", kBoth},
    {227, "HOSYOUKIN_SIKIKIN", kBoth},
    {228, "FUSAISIHON_YOBI1", kSpare},
    {229, "FUSAISIHON_YOBI2", kSpare},
    {230, "FUSAISIHON_YOBI3", kSpare},
    {231, "FUSAISIHON_YOBI4", kSpare},
    {232, "FUSAISIHON_YOBI5", kSpare},
    {233, "FUSAISIHON_YOBI6", kSpare},
    {234, "FUSAISIHON_YOBI7", kSpare},
    {235, "FUSAISIHON_YOBI8", kSpare},
    {236, "FUSAISIHON_YOBI9", kSpare},
    {237, "FUSAISIHON_YOBI10", kSpare},
    {238, "FUSAISIHON_YOBI11", kSpare},
    {239, "FUSAISIHON_YOBI12", kSpare},
    {240, "FUSAISIHON_YOBI13", kSpare},
    {241, "FUSAISIHON_YOBI14", kSpare},
    {242, "FUSAISIHON_YOBI15", kSpare},
    {243, "FUSAISIHON_YOBI16", kSpare},
    {244, "FUSAISIHON_YOBI17", kSpare},
    {245, "FUSAISIHON_YOBI18", kSpare},
    {246, "JIGYOUNUSIKARI", kKimatu},
    {247, "MOTOIREKIN", kBoth},
    {999, "KOUJYOMAESYOTOKUKINNGAKU", kKimatu},
};

template <std::size_t N>
constexpr std::size_t RowCount(const StBALANCEACCOUNT (&accounts)[N]) {
    std::size_t n = 0;
    for (const auto& a : accounts) {
        n += ((a.rows & kKamoku) ? 1 : 0) + ((a.rows & kKisyu) ? 1 : 0) + ((a.rows & kKimatu) ? 1 : 0);
    }
    return n;
}
static_assert(RowCount(kAccountsF) == 114);
static_assert(RowCount(kAccountsG) == 116);

template <std::size_t N>
std::vector<StBALANCEROW> Expand(const StBALANCEACCOUNT (&accounts)[N]) {
    std::vector<StBALANCEROW> rows;
    rows.reserve(RowCount(accounts));
    for (const auto& a : accounts) {
        std::string stem = a.stem;
        if (a.rows & kKamoku) rows.push_back({stem + "_KAMOKU", ColumnKamoku, a.key, 1});
        if (a.rows & kKisyu) rows.push_back({stem + "_KISYU", ColumnKisyu, a.key, 0});
        if (a.rows & kKimatu) rows.push_back({stem + "_KIMATU", ColumnKimatu, a.key, 0});
    }
    return rows;
}
}  // namespace

std::span<const StBALANCEROW> TableF() {
    static const std::vector<StBALANCEROW> rows = Expand(kAccountsF);
    return rows;
}

std::span<const StBALANCEROW> TableG() {
    static const std::vector<StBALANCEROW> rows = Expand(kAccountsG);
    return rows;
}
