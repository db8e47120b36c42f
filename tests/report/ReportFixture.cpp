#include "ReportFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/SaveBlocks.h"
#include "services/CodePage.h"
#include "services/TaskMemory.h"

ReportFixture::ReportFixture(std::uint8_t aoSiroKind) {
    std::strcpy(data.companyName, "ﾔﾏﾀﾞ商店 ABC");
    data.fiscalFrom = 20250101;
    data.fiscalTo = 20251231;
    data.aoSiroKind = aoSiroKind;
}

void ReportFixture::AddRow(std::int32_t key, std::string_view name, std::int64_t kisyuAmount, std::int64_t amount) {
    StAOSUMINFO row{static_cast<std::int32_t>(model.sumList.size()) + 1, key, {}, kisyuAmount, amount, {}};
    name.copy(row.kamokuName, sizeof row.kamokuName);
    model.sumList.push_back(row);
}

void* ReportFixture::Block(void*& member, std::size_t size) {
    TaskMemFree(member);
    return member = TaskMemAlloc(size);
}

void Put(void* block, std::size_t offset, std::string_view text) {
    std::memcpy(static_cast<char*>(block) + offset, text.data(), text.size());
}
void Put(void* block, std::size_t offset, std::int32_t count) {  // in the machine's order, as the engine's
    std::memcpy(static_cast<char*>(block) + offset, &count, sizeof count);
}
void Put(void* block, std::size_t offset, std::int64_t amount) { StoreAmount(block, offset, amount); }
void Put(void* block, std::size_t offset, std::uint8_t byte) { static_cast<std::uint8_t*>(block)[offset] = byte; }

std::string OutputPath(const std::string& name) {
    std::filesystem::create_directories(ORBEK_BINARY_DIR "/report-output");
    std::string path = ORBEK_BINARY_DIR "/report-output/" + name;
    std::remove(path.c_str());
    return path;
}

std::string ReadFileBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
    const std::size_t start = expected.rfind('\n', at == expected.begin() ? 0 : at - expected.begin() - 1) + 1;
    auto lineAt = [start](const std::string& s) { return SjisToUtf8Lossy(s.substr(start, s.find('\n', start) - start)); };
    return ::testing::AssertionFailure() << "line " << std::count(expected.begin(), expected.begin() + start, '\n') + 1
                                         << " differs\n  expected: " << lineAt(expected) << "\n  written:  " << lineAt(actual);
}

namespace {
// Puts each value at its offset from at.
template <std::size_t N, typename... V>
void PutFields(void* block, std::size_t at, const std::size_t (&offsets)[N], V... values) {
    static_assert(N == sizeof...(V));
    std::size_t i = 0;
    (Put(block, at + offsets[i++], values), ...);
}

// A golden row: key k closes at k x 1000 yen and opens at -(k x 10) yen, each
// with 0.9999 yen that the amount text truncates away. Most rows have no name.
struct StKeyRow {
    StKeyRow(std::int32_t k, std::string_view n = {}) : key(k), name(n) {}
    std::int32_t key;
    std::string_view name;
};
void AddRows(ReportFixture& f, std::initializer_list<StKeyRow> rows) {
    for (const StKeyRow& r : rows) f.AddRow(r.key, r.name, -(Yen(r.key * 10) + 9999), Yen(r.key * 1000) + 9999);
}

using Text = std::string_view;
using Count = std::int32_t;
using Amount = std::int64_t;

void WageRow(void* block, std::size_t at, Text name, Count age, Count months, Amount wages, Amount bonus, Amount tax) {
    PutFields(block, at, {7, 48, 52, 56, 64, 72}, name, age, months, wages, bonus, tax);
}
void FamilyRow(void* block, std::size_t at, Text name, Text relation, Count age, Count months, Amount wages,
               Amount bonus, Amount tax) {
    PutFields(block, at, {0, 41, 48, 52, 56, 64, 72}, name, relation, age, months, wages, bonus, tax);
}
void PartyRow(void* block, std::size_t at, Text upper, Text lower, Amount a1, Amount a2, Amount a3) {
    PutFields(block, at, {6, 47, 88, 96, 104}, upper, lower, a1, a2, a3);
}
void TidaiRow(void* block, std::size_t at, Text upper, Text lower, Text property, std::uint8_t kind, Amount payment,
              Amount rent, Amount expense) {
    PutFields(block, at, {0, 41, 82, 103, 104, 112, 120}, upper, lower, property, kind, payment, rent, expense);
}
void TradeRow(void* block, std::size_t at, Text name, Text location, Amount amount) {
    PutFields(block, at, {2, 23, 64}, name, location, amount);
}
void LettingRow(void* list, std::size_t index, Text lower, Text location, Text upper, Text kind, Text use, Count from,
                Count to, Amount area, Amount monthly) {
    PutFields(list, index * 236, {8, 49, 90, 131, 142, 164, 168, 172, 180, 188, 196, 204, 212, 220, 228}, lower,
              location, upper, kind, use, from, to, area, monthly, monthly * 12, monthly, Amount{0}, monthly / 2,
              Yen(1000), monthly * 2);
}

void FillMonthly(ReportFixture& f) {
    auto& s = f.model.tsukibetsu.slots;
    for (int i = 0; i < 12; ++i) s[i] = Yen((i + 1) * 1000000) + 5000;
    s[12] = Yen(50000);
    s[13] = Yen(7000) + 5000;
    s[14] = Yen(999999);  // never written
    for (int i = 15; i < 27; ++i) s[i] = Yen((i - 14) * 100000);
    s[27] = Yen(888888);  // never read
}

void FillLettings(ReportFixture& f) {
    void* list = f.Block(f.model.fudousan.kasitukeList, 4 * 236);
    // A location of 31 bytes whose bytes 29 and 30 form one character (表 = 95 5C).
    LettingRow(list, 0, "借主 木村", "1東京都世田谷区桜丘一丁目二番表", "東京都目黒区", "貸家", "住宅", 20150401,
               20270331, 123450, Yen(80000));
    LettingRow(list, 1, "", "ﾏﾝｼｮﾝ 101号室", "株式会社ＸＹＺ", "貸地ですよ長い", "駐車場用地です長い", 20240101, 0,
               10000000, Yen(15000) + 9999);
    Put(list, 2 * 236 + 4, -1);  // the terminator row
    LettingRow(list, 3, "never", "written", "", "", "", 0, 0, 0, Yen(1));
}
}  // namespace

void FillBlueGeneral(ReportFixture& f) {
    // Profit and loss without 104 (written empty), with marked spare names.
    AddRows(f, {101, 105, 106, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124,
                {125, "【広告】(製)"}, {126, "　通信 費"}, {127, "ａ@ｂ"}, {128, "R&D<1>"}, {129, "（予備）［５］《表》"},
                130, 131, 135, 136, 137});
    f.AddRow(140, "専従者給与", 0, -15000);  // -1.5 yen
    AddRows(f, {141, 142});
    f.AddRow(144, "差引金額", 0, Yen(1));  // a line no table maps: 34 rows so far
    AddRows(f, {201, 202, 204, 205, 206, 207, 208, 209});
    // The 43rd row: the income before the blue-return special deduction.
    f.AddRow(9043, "青色申告特別控除前の所得金額", 0, Yen(2999999) + 5000);
    AddRows(f, {210, 211, 212, 213, 214, 215, 216, {217, "ソフトウェア"}, 219, 220, 221, 222, 223, 224, 225, 226, 227,
                228, 229, 230, {231, "未払消費税"}, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245,
                246, 247, 999, 301, 302, 306, 307, 308, 309, 310, 311, {312, "外注加工(製)"}, 313, 314, 315, 316, 317,
                318, 319, 320, 323, 325});
    FillMonthly(f);

    auto& ip = f.model.ippan;
    PutFields(f.Block(ip.generalBlock, 1024), 0, {349, 521, 534}, "青色申告会 & 商工会", std::uint8_t{1},
              Yen(400000) + 4000);
    PutFields(f.Block(ip.kasidaoreBlock, 448), 0, {16, 24, 32, 40}, Yen(120000), Yen(5000000), Yen(275000),
              Yen(275000));
    FamilyRow(ip.kasidaoreBlock, 48, "山田花子", "妻", 45, 12, Yen(1200000), Yen(300000), 0);
    FamilyRow(ip.kasidaoreBlock, 128, "山田一郎", "長男", 20, 6, Yen(600000), 0, Yen(12000));
    WageRow(f.Block(ip.kyuuryouBlock, 480), 0, "佐藤太郎", 35, 12, Yen(3600000), Yen(500000), Yen(120000));
    WageRow(ip.kyuuryouBlock, 80, "鈴木ﾊﾅｺ", 28, 8, Yen(1600000), 0, Yen(40000));
    WageRow(ip.kyuuryouBlock, 400, "", 3, 24, Yen(1500000), 0, Yen(30000));  // others: 3 persons
    PartyRow(f.Block(ip.risiZeirisiBlock, 448), 0, "東京都千代田区1-1", "みずほ銀行", Yen(10000000), Yen(150000),
             Yen(120000));
    PartyRow(ip.risiZeirisiBlock, 224, "東京都港区2-2", "税理士 高橋", Yen(300000), Yen(300000), Yen(30630));
    TidaiRow(f.Block(ip.tidaiBlock, 256), 0, "大阪市北区3-3", "田中不動産", "店舗用地", 0, Yen(500000), Yen(1200000),
             Yen(1200000));
    TidaiRow(ip.tidaiBlock, 128, "大阪市北区3-4", "", "駐車場", 2, Yen(1), Yen(10000), Yen(10000));
    Put(f.Block(ip.tokusyuJijouText, 1024), 0,
        "本年は店舗を改装しました。\r\n\r\n"
        "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx字yyyy");
}

void FillWhiteGeneral(ReportFixture& f) {
    AddRows(f, {1, 2, 3, 6, 8, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                {32, "【新聞図書費】"}, 33, 34, 35, 36, 37, 998});

    auto& ip = f.model.ippan;
    // Byte 521 is not read by a white report.
    PutFields(f.Block(ip.generalBlock, 1024), 0, {349, 521}, "白色申告会", std::uint8_t{7});
    FamilyRow(f.Block(ip.kasidaoreBlock, 448), 48, "山田花子", "妻", 45, 12, Yen(1200000), Yen(300000), Yen(1000));
    WageRow(f.Block(ip.kyuuryouBlock, 480), 0, "佐藤太郎", 35, 12, Yen(3600000), Yen(500000), Yen(120000));
    WageRow(ip.kyuuryouBlock, 160, "田中三郎", 60, 3, Yen(300000), 0, 0);
    WageRow(ip.kyuuryouBlock, 240, "", 2, 10, Yen(800000), Yen(1), Yen(9999) / 10000);  // others: 2 persons
    PartyRow(f.Block(ip.risiZeirisiBlock, 448), 112, "横浜市中区4-4", "信用金庫", Yen(2000000), Yen(40000), Yen(40000));
    PartyRow(ip.risiZeirisiBlock, 336, "横浜市西区5-5", "税理士 伊藤", Yen(100000), Yen(100000), Yen(10210));
    TidaiRow(f.Block(ip.tidaiBlock, 256), 0, "横浜市南区6-6", "地主 小林", "倉庫", 1, Yen(80000), Yen(240000),
             Yen(240000));
    Put(f.Block(ip.tokusyuJijouText, 1024), 0, "特になし");
    TradeRow(f.Block(ip.uriageSiireBlock, 720), 0, "株式会社Ａ&Ｂ", "東京都新宿区", Yen(5000000));
    TradeRow(ip.uriageSiireBlock, 72, "ﾐﾄﾞﾘ商事", "埼玉県川口市", Yen(1200000) + 9999);
    Put(ip.uriageSiireBlock, 352, Yen(345678));
    TradeRow(ip.uriageSiireBlock, 360, "丸井問屋", "千葉県市川市", Yen(2500000));
}

void FillBlueRealEstate(ReportFixture& f) {
    AddRows(f, {101, 102, {103, "（共益費）"}, 105, 106, 107, 108, 109, 110, 111, {112, "管理費"}, 113, 114, 115, 116,
                117, 120, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218,
                {219, "敷金(製)"}, 220, 221, 222, 223, 224, 225, 226, 227, {228, "預り保証金"}, 229, 230, 231, 232, 233,
                234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 999});

    f.Block(f.model.ippan.generalBlock, 1024);  // choice 0
    auto& fu = f.model.fudousan;
    Put(f.Block(fu.generalBlock, 1024), 352, Yen(456789) + 9999);
    FillLettings(f);
    WageRow(f.Block(fu.kyuuryouSenjuusyaBlock, 328), 0, "管理人 森", 66, 12, Yen(1800000), 0, Yen(36000));
    WageRow(fu.kyuuryouSenjuusyaBlock, 80, "清掃 林", 55, 6, Yen(600000), 0, 0);
    Put(fu.kyuuryouSenjuusyaBlock, 160, 9);  // not read by the blue return
    FamilyRow(fu.kyuuryouSenjuusyaBlock, 168, "山田花子", "妻", 45, 12, Yen(900000), 0, 0);
    FamilyRow(fu.kyuuryouSenjuusyaBlock, 248, "not", "read", 1, 1, 1, 1, 1);
    TidaiRow(f.Block(fu.tidaiBlock, 256), 0, "札幌市中央区7-7", "地主 吉田", "アパート敷地", 1, Yen(200000),
             Yen(600000), Yen(600000));
    PartyRow(f.Block(fu.kariireZeirisiBlock, 560), 0, "東京都中央区8-8", "りそな銀行", Yen(250000), Yen(30000000),
             Yen(250000));
    PartyRow(fu.kariireZeirisiBlock, 112, "", "住宅金融", Yen(5000), Yen(1000000), 0);
    PartyRow(fu.kariireZeirisiBlock, 336, "東京都台東区9-9", "税理士 渡辺", Yen(200000), Yen(200000), Yen(20420));
    Put(f.Block(fu.tokusyuJijouText, 1024), 0, "ｱﾊﾟｰﾄ１棟を取得しました。取得価額は３０００万円です。\r\n以上");
}

void FillWhiteRealEstate(ReportFixture& f) {
    AddRows(f, {1, 2, 3, 6, 7, 8, 9, 10, 21, 22, 23, {24, "［広告宣伝費］"}, 25, 998});

    auto& fu = f.model.fudousan;
    Put(f.Block(fu.generalBlock, 1024), 352, -Yen(1234));
    FillLettings(f);
    WageRow(f.Block(fu.kyuuryouSenjuusyaBlock, 328), 0, "管理人 森", 66, 12, Yen(1800000), 0, Yen(36000));
    WageRow(fu.kyuuryouSenjuusyaBlock, 80, "", 0, 18, Yen(900000), Yen(50000), Yen(1500));  // the others' figures
    Put(fu.kyuuryouSenjuusyaBlock, 160, 2);
    FamilyRow(fu.kyuuryouSenjuusyaBlock, 168, "山田花子", "妻", 45, 12, Yen(900000), 0, 0);
    FamilyRow(fu.kyuuryouSenjuusyaBlock, 248, "山田次郎", "次男", 19, 4, Yen(100000), 0, 0);
    TidaiRow(f.Block(fu.tidaiBlock, 256), 128, "仙台市青葉区1-2", "", "駐車場", 0, Yen(30000), Yen(120000),
             Yen(120000));
    PartyRow(f.Block(fu.kariireZeirisiBlock, 560), 0, "東京都中央区8-8", "りそな銀行", Yen(250000), Yen(30000000),
             Yen(250000));
    PartyRow(fu.kariireZeirisiBlock, 224, "not", "read", 1, 1, 1);
    PartyRow(fu.kariireZeirisiBlock, 448, "", "税理士 中村", Yen(50000), Yen(50000), 0);
    Put(f.Block(fu.tokusyuJijouText, 1024), 0, "\r\n二行目です");
    PutFields(f.Block(fu.syuuzenhiBlock, 384), 0, {5, 46, 87, 108, 112, 120}, "工務店 松本", "東京都大田区",
              "外壁塗装", 20250401, Yen(880000), Yen(880000));
    PutFields(f.Block(fu.kasitukeSuuBlock, 56), 0, {4, 8, 32, 36, 48, 52, 16}, 1, 2, 3, 1, 4, 10,
              std::int64_t{1234567});
}
