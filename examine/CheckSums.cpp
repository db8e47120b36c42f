// The statements' own arithmetic, on whole yen as the file holds them.
#include <algorithm>
#include <map>
#include <span>

#include "examine/Checks.h"
#include "examine/View.h"
#include "report/MappingTables.h"

namespace {

constexpr int kSectionDepth = 3;

struct StSECTION {
    const StELEMENT* head = nullptr;
    std::vector<const StELEMENT*> leaves;
};

StSECTION SectionOf(const StEXPORT& file, std::string_view name) {
    StSECTION s;
    const auto& v = file.elements;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i].name != name || v[i].depth != kSectionDepth) continue;
        s.head = &v[i];
        for (std::size_t k = i + 1; k < v.size() && v[k].depth > kSectionDepth; ++k) {
            if (v[k].leaf) s.leaves.push_back(&v[k]);
        }
        break;
    }
    return s;
}

// Sums of many amounts near the largest the file carries must not wrap.
__extension__ using WideYen = __int128;

WideYen Abs(WideYen v) { return v < 0 ? -v : v; }

std::string Yen(WideYen v) {
    std::string digits;
    for (WideYen rest = Abs(v); digits.empty() || rest > 0; rest /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    return GroupedYen((v < 0 ? "-" : "") + digits) + "円";
}

// The file holds amounts cut to whole yen, each less than one yen off; a sum
// of terms may therefore differ from the cut result by less than terms + 1 yen.
struct StSUM {
    WideYen yen = 0;
    long long terms = 0;
    void Add(WideYen value) {
        yen += value;
        terms += value != 0;
    }
    bool Matches(WideYen stated) const { return Abs(yen - stated) < terms + 1; }
};

// A run of summary keys and the sign they enter the income with.
struct StKEYRANGE {
    std::int32_t from, to;
    int sign;
};
// Blue general: sales - (opening stock + purchases - closing stock) - expenses + reversals - provisions.
constexpr StKEYRANGE kGeneralIncome[] = {{101, 101, 1},  {104, 105, -1}, {106, 106, 1},
                                         {108, 131, -1}, {135, 137, 1},  {140, 143, -1}};
// Blue real estate: receipts - expenses - family employees' wages.
constexpr StKEYRANGE kRealEstateIncome[] = {{101, 103, 1}, {105, 117, -1}, {120, 120, -1}};

void CheckIncome(const StEXPORT& file, bool realEstate, std::vector<StFINDING>& findings) {
    const StSECTION pl = SectionOf(file, "SONEKIKEISANSYO");
    const StSECTION bs = SectionOf(file, "TAISYAKUTAISYOUHYO");
    const StELEMENT* result = nullptr;
    for (const StELEMENT* e : bs.leaves) {
        if (e->name == "KOUJYOMAESYOTOKUKINNGAKU_KIMATU") result = e;
    }
    if (!pl.head || !result) return;
    std::map<std::string, std::int32_t, std::less<>> keys;
    for (const StAMOUNTROW& row : realEstate ? TableD() : TableA()) keys[row.tag] = row.key;
    StSUM income;
    for (const StELEMENT* e : pl.leaves) {
        auto key = keys.find(e->name);
        auto yen = YenOf(e->text);
        if (key == keys.end() || !yen) continue;
        for (const StKEYRANGE& r : realEstate ? std::span<const StKEYRANGE>(kRealEstateIncome)
                                              : std::span<const StKEYRANGE>(kGeneralIncome)) {
            if (key->second >= r.from && key->second <= r.to) income.Add(WideYen(r.sign) * *yen);
        }
    }
    auto stated = YenOf(result->text);
    if (stated && !income.Matches(*stated)) {
        findings.push_back({result->line, result->name,
                            "損益計算書から求めた青色申告特別控除前の所得金額 " + Yen(income.yen) +
                                " と一致しません（" + Yen(*stated) + "）"});
    }
}

void CheckBalance(const StEXPORT& file, bool realEstate, std::vector<StFINDING>& findings) {
    const StSECTION bs = SectionOf(file, "TAISYAKUTAISYOUHYO");
    if (!bs.head) return;
    std::map<std::string, std::int32_t, std::less<>> keys;
    for (const StBALANCEROW& row : realEstate ? TableG() : TableF()) keys[row.tag] = row.key;
    constexpr std::int32_t kFirstLiability = 225;  // keys below are assets, from it on liabilities and capital
    StSUM assets[2], claims[2];
    for (const StELEMENT* e : bs.leaves) {
        const bool closing = e->name.ends_with("_KIMATU");
        auto key = keys.find(e->name);
        auto yen = YenOf(e->text);
        if (e->name.ends_with("_KAMOKU") || key == keys.end() || !yen) continue;
        (key->second < kFirstLiability ? assets : claims)[closing].Add(*yen);
    }
    const char* columns[] = {"期首", "期末"};
    for (int c = 0; c < 2; ++c) {
        if (Abs(assets[c].yen - claims[c].yen) < assets[c].terms + claims[c].terms + 1) continue;
        findings.push_back({bs.head->line, bs.head->name,
                            std::string("貸借対照表の") + columns[c] + "で資産の合計 " + Yen(assets[c].yen) +
                                " が負債・資本の合計 " + Yen(claims[c].yen) + " と一致しません"});
    }
}

// The income before the deduction is the balance sheet's closing one, 0 for a
// loss; the balance sheet cuts it to whole yen, this one is rounded half up.
void CheckIncomeBeforeDeduction(const StEXPORT& file, const StELEMENT& written, long long before,
                                std::vector<StFINDING>& findings) {
    const StSECTION bs = SectionOf(file, "TAISYAKUTAISYOUHYO");
    for (const StELEMENT* e : bs.leaves) {
        if (e->name != "KOUJYOMAESYOTOKUKINNGAKU_KIMATU") continue;
        auto closing = YenOf(e->text);
        if (!closing) return;
        const long long expected = std::max(0LL, *closing);
        if (before == expected || (*closing >= 0 && before == expected + 1)) return;
        findings.push_back({written.line, written.name,
                            "貸借対照表の期末の青色申告特別控除前の所得金額 " + Yen(*closing) + " と一致しません（" +
                                Yen(before) + "）"});
    }
}

// The deduction is taken first from the real-estate income, the rest from this return's income.
void CheckDeduction(const StEXPORT& file, std::vector<StFINDING>& findings) {
    const StSECTION s = SectionOf(file, "AOIROKOUJO");
    if (!s.head) return;
    std::map<std::string_view, const StELEMENT*> e;
    for (const StELEMENT* leaf : s.leaves) e[leaf->name] = leaf;
    const auto* choice = e["AOIROKOUJO_SENTAKU"];
    const auto* full = e["AOIROKOUJO_KOUJYOGAKU"];
    const auto* other = e["JOUKIIGAI_KOUJYOGAKU"];
    if (!choice || !full || !other || !e["FUDOUSANSYOTOKU"] || !e["AOIROKOUJOMAESYOTOKU"]) return;
    auto realEstate = YenOf(e["FUDOUSANSYOTOKU"]->text);
    auto before = YenOf(e["AOIROKOUJOMAESYOTOKU"]->text);
    if (!realEstate || !before || (choice->text != "1" && choice->text != "2")) return;
    CheckIncomeBeforeDeduction(file, *e["AOIROKOUJOMAESYOTOKU"], *before, findings);
    const long long limit = choice->text == "1" ? 650000 : 100000;
    const long long used = std::min(limit, std::max(0LL, *realEstate));
    const long long deduction = std::min(limit - used, std::max(0LL, *before));
    const StELEMENT* written = choice->text == "1" ? full : other;
    auto stated = YenOf(written->text);
    if (!stated || *stated != deduction || written->text.empty()) {
        findings.push_back({written->line, written->name,
                            "控除額は " + Yen(deduction) + " になるはずです（" + std::string(written->text) + "）"});
    }
}

}  // namespace

std::vector<StFINDING> CheckSums(const StEXPORT& file) {
    std::vector<StFINDING> findings;
    if (file.TextOf("AOSIROKUBUN") != "1") return findings;  // white returns carry no results to check
    const bool realEstate = file.TextOf("SYOTOKUSYURUI") == "3";
    CheckIncome(file, realEstate, findings);
    CheckBalance(file, realEstate, findings);
    CheckDeduction(file, findings);
    return findings;
}
