#include "ReportFixture.h"

#include <cstring>
#include <initializer_list>

#include "engine/SaveBlocks.h"
#include "platform/TaskMemory.h"

ReportFixture::ReportFixture(std::uint8_t aoSiroKind) {
    std::strcpy(data.companyName, "ﾔﾏﾀﾞ商店 ABC");
    data.fiscalFrom = 20250101;
    data.fiscalTo = 20251231;
    data.aoSiroKind = aoSiroKind;
}

ReportFixture::~ReportFixture() { FreeSumModel(model); }

void ReportFixture::AddRow(std::int32_t key, std::string_view name, std::int64_t kisyuAmount,
                           std::int64_t amount) {
    StAOSUMINFO row{};
    row.rowCode = static_cast<std::int32_t>(model.sumList.size()) + 1;
    row.itemKey = key;
    name.copy(row.kamokuName, sizeof row.kamokuName);
    row.kisyuAmount = kisyuAmount;
    row.amount = amount;
    model.sumList.push_back(row);
}

void* ReportFixture::Block(void*& member, std::size_t size) {
    TaskMemFree(member);
    member = TaskMemAlloc(size);
    return member;
}

void PutText(void* block, std::size_t offset, std::string_view text) {
    std::memcpy(static_cast<char*>(block) + offset, text.data(), text.size());
}

void PutAmount(void* block, std::size_t offset, std::int64_t value) { StoreAmount(block, offset, value); }

void PutCount(void* block, std::size_t offset, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) static_cast<unsigned char*>(block)[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

void PutByte(void* block, std::size_t offset, std::uint8_t value) {
    static_cast<unsigned char*>(block)[offset] = value;
}

namespace {
// Golden rows: a key k closes at k x 1000 yen and opens at -(k x 10) yen, each
// with 0.9999 yen that the amount text truncates away.
void AddKeyRows(ReportFixture& f, std::initializer_list<std::int32_t> keys) {
    for (std::int32_t k : keys) f.AddRow(k, "", -(Yen(k * 10) + 9999), Yen(k * 1000) + 9999);
}

void AddNamedRow(ReportFixture& f, std::int32_t key, std::string_view name) {
    f.AddRow(key, name, -(Yen(key * 10) + 9999), Yen(key * 1000) + 9999);
}

void WageRow(void* block, std::size_t at, std::string_view name, int age, int months, std::int64_t wages,
             std::int64_t bonus, std::int64_t tax) {
    PutText(block, at + 7, name);
    PutCount(block, at + 48, age);
    PutCount(block, at + 52, months);
    PutAmount(block, at + 56, wages);
    PutAmount(block, at + 64, bonus);
    PutAmount(block, at + 72, tax);
}

void FamilyRow(void* block, std::size_t at, std::string_view name, std::string_view relation, int age,
               int months, std::int64_t wages, std::int64_t bonus, std::int64_t tax) {
    PutText(block, at, name);
    PutText(block, at + 41, relation);
    PutCount(block, at + 48, age);
    PutCount(block, at + 52, months);
    PutAmount(block, at + 56, wages);
    PutAmount(block, at + 64, bonus);
    PutAmount(block, at + 72, tax);
}

void PartyRow(void* block, std::size_t at, std::string_view upper, std::string_view lower, std::int64_t a1,
              std::int64_t a2, std::int64_t a3) {
    PutText(block, at + 6, upper);
    PutText(block, at + 47, lower);
    PutAmount(block, at + 88, a1);
    PutAmount(block, at + 96, a2);
    PutAmount(block, at + 104, a3);
}

void TidaiRow(void* block, std::size_t at, std::string_view upper, std::string_view lower,
              std::string_view property, std::uint8_t kind, std::int64_t payment, std::int64_t rent,
              std::int64_t expense) {
    PutText(block, at, upper);
    PutText(block, at + 41, lower);
    PutText(block, at + 82, property);
    PutByte(block, at + 103, kind);
    PutAmount(block, at + 104, payment);
    PutAmount(block, at + 112, rent);
    PutAmount(block, at + 120, expense);
}

void TradeRow(void* block, std::size_t at, std::string_view name, std::string_view location, std::int64_t amount) {
    PutText(block, at + 2, name);
    PutText(block, at + 23, location);
    PutAmount(block, at + 64, amount);
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
}  // namespace

void FillBlueGeneral(ReportFixture& f) {
    // Profit and loss without 104 (written empty), with marked spare names.
    AddKeyRows(f, {101, 105, 106, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122,
                   123, 124});
    AddNamedRow(f, 125, "【広告】(製)");
    AddNamedRow(f, 126, "　通信 費");
    AddNamedRow(f, 127, "ａ@ｂ");
    AddNamedRow(f, 128, "R&D<1>");
    AddNamedRow(f, 129, "（予備）［５］《表》");
    AddKeyRows(f, {130, 131, 135, 136, 137});
    f.AddRow(140, "専従者給与", 0, -15000);  // -1.5 yen
    AddKeyRows(f, {141, 142});
    f.AddRow(144, "差引金額", 0, Yen(1));  // a line no table maps: 34 rows so far
    AddKeyRows(f, {201, 202, 204, 205, 206, 207, 208, 209});
    // The 43rd row: the income before the blue-return special deduction.
    f.AddRow(9043, "青色申告特別控除前の所得金額", 0, Yen(2999999) + 5000);
    AddKeyRows(f, {210, 211, 212, 213, 214, 215, 216});
    AddNamedRow(f, 217, "ソフトウェア");
    AddKeyRows(f, {219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230});
    AddNamedRow(f, 231, "未払消費税");
    AddKeyRows(f, {232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 999});
    AddKeyRows(f, {301, 302, 306, 307, 308, 309, 310, 311});
    AddNamedRow(f, 312, "外注加工(製)");
    AddKeyRows(f, {313, 314, 315, 316, 317, 318, 319, 320, 323, 325});
    FillMonthly(f);

    auto& ip = f.model.ippan;
    void* general = f.Block(ip.generalBlock, 1024);
    PutText(general, 349, "青色申告会 & 商工会");
    PutByte(general, 521, 1);
    PutAmount(general, 534, Yen(400000) + 4000);

    void* kasidaore = f.Block(ip.kasidaoreBlock, 448);
    PutAmount(kasidaore, 16, Yen(120000));
    PutAmount(kasidaore, 24, Yen(5000000));
    PutAmount(kasidaore, 32, Yen(275000));
    PutAmount(kasidaore, 40, Yen(275000));
    FamilyRow(kasidaore, 48, "山田花子", "妻", 45, 12, Yen(1200000), Yen(300000), 0);
    FamilyRow(kasidaore, 128, "山田一郎", "長男", 20, 6, Yen(600000), 0, Yen(12000));

    void* wages = f.Block(ip.kyuuryouBlock, 480);
    WageRow(wages, 0, "佐藤太郎", 35, 12, Yen(3600000), Yen(500000), Yen(120000));
    WageRow(wages, 80, "鈴木ﾊﾅｺ", 28, 8, Yen(1600000), 0, Yen(40000));
    WageRow(wages, 400, "", 3, 24, Yen(1500000), 0, Yen(30000));  // others: 3 persons

    void* risi = f.Block(ip.risiZeirisiBlock, 448);
    PartyRow(risi, 0, "東京都千代田区1-1", "みずほ銀行", Yen(10000000), Yen(150000), Yen(120000));
    PartyRow(risi, 224, "東京都港区2-2", "税理士 高橋", Yen(300000), Yen(300000), Yen(30630));

    void* tidai = f.Block(ip.tidaiBlock, 256);
    TidaiRow(tidai, 0, "大阪市北区3-3", "田中不動産", "店舗用地", 0, Yen(500000), Yen(1200000), Yen(1200000));
    TidaiRow(tidai, 128, "大阪市北区3-4", "", "駐車場", 2, Yen(1), Yen(10000), Yen(10000));

    void* text = f.Block(ip.tokusyuJijouText, 1024);
    PutText(text, 0,
            "本年は店舗を改装しました。\r\n\r\n"
            "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx字yyyy");
}

void FillWhiteGeneral(ReportFixture& f) {
    AddKeyRows(f, {1, 2, 3, 6, 8, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31});
    AddNamedRow(f, 32, "【新聞図書費】");
    AddKeyRows(f, {33, 34, 35, 36, 37, 998});

    auto& ip = f.model.ippan;
    void* general = f.Block(ip.generalBlock, 1024);
    PutText(general, 349, "白色申告会");
    PutByte(general, 521, 7);  // not read by a white report

    void* kasidaore = f.Block(ip.kasidaoreBlock, 448);
    FamilyRow(kasidaore, 48, "山田花子", "妻", 45, 12, Yen(1200000), Yen(300000), Yen(1000));

    void* wages = f.Block(ip.kyuuryouBlock, 480);
    WageRow(wages, 0, "佐藤太郎", 35, 12, Yen(3600000), Yen(500000), Yen(120000));
    WageRow(wages, 160, "田中三郎", 60, 3, Yen(300000), 0, 0);
    WageRow(wages, 240, "", 2, 10, Yen(800000), Yen(1), Yen(9999) / 10000);  // others: 2 persons

    void* risi = f.Block(ip.risiZeirisiBlock, 448);
    PartyRow(risi, 112, "横浜市中区4-4", "信用金庫", Yen(2000000), Yen(40000), Yen(40000));
    PartyRow(risi, 336, "横浜市西区5-5", "税理士 伊藤", Yen(100000), Yen(100000), Yen(10210));

    void* tidai = f.Block(ip.tidaiBlock, 256);
    TidaiRow(tidai, 0, "横浜市南区6-6", "地主 小林", "倉庫", 1, Yen(80000), Yen(240000), Yen(240000));

    void* text = f.Block(ip.tokusyuJijouText, 1024);
    PutText(text, 0, "特になし");

    void* trade = f.Block(ip.uriageSiireBlock, 720);
    TradeRow(trade, 0, "株式会社Ａ&Ｂ", "東京都新宿区", Yen(5000000));
    TradeRow(trade, 72, "ﾐﾄﾞﾘ商事", "埼玉県川口市", Yen(1200000) + 9999);
    PutAmount(trade, 352, Yen(345678));
    TradeRow(trade, 360, "丸井問屋", "千葉県市川市", Yen(2500000));
    PutAmount(trade, 712, 0);
}

namespace {
void LettingRow(void* list, int index, std::string_view lower, std::string_view location, std::string_view upper,
                std::string_view kind, std::string_view use, std::int32_t from, std::int32_t to,
                std::int64_t area, std::int64_t monthly) {
    std::size_t at = static_cast<std::size_t>(index) * 236;
    PutText(list, at + 8, lower);
    PutText(list, at + 49, location);
    PutText(list, at + 90, upper);
    PutText(list, at + 131, kind);
    PutText(list, at + 142, use);
    PutCount(list, at + 164, from);
    PutCount(list, at + 168, to);
    PutAmount(list, at + 172, area);
    PutAmount(list, at + 180, monthly);
    PutAmount(list, at + 188, monthly * 12);
    PutAmount(list, at + 196, monthly);
    PutAmount(list, at + 204, 0);
    PutAmount(list, at + 212, monthly / 2);
    PutAmount(list, at + 220, Yen(1000));
    PutAmount(list, at + 228, monthly * 2);
}

void FillLettings(ReportFixture& f) {
    auto& fu = f.model.fudousan;
    void* list = f.Block(fu.kasitukeList, 4 * 236);
    // A location of 31 bytes whose bytes 29 and 30 form one character (表 = 95 5C).
    LettingRow(list, 0, "借主 木村", "1東京都世田谷区桜丘一丁目二番表", "東京都目黒区", "貸家", "住宅",
               20150401, 20270331, 123450, Yen(80000));
    LettingRow(list, 1, "", "ﾏﾝｼｮﾝ 101号室", "株式会社ＸＹＺ", "貸地ですよ長い", "駐車場用地です長い",
               20240101, 0, 10000000, Yen(15000) + 9999);
    PutCount(list, 2 * 236 + 4, -1);  // the terminator row
    LettingRow(list, 3, "never", "written", "", "", "", 0, 0, 0, Yen(1));
}
}  // namespace

void FillBlueRealEstate(ReportFixture& f) {
    AddKeyRows(f, {101, 102});
    AddNamedRow(f, 103, "（共益費）");
    AddKeyRows(f, {105, 106, 107, 108, 109, 110, 111});
    AddNamedRow(f, 112, "管理費");
    AddKeyRows(f, {113, 114, 115, 116, 117, 120});
    AddKeyRows(f, {201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218});
    AddNamedRow(f, 219, "敷金(製)");
    AddKeyRows(f, {220, 221, 222, 223, 224, 225, 226, 227});
    AddNamedRow(f, 228, "預り保証金");
    AddKeyRows(f, {229, 230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246,
                   247, 999});

    void* general = f.Block(f.model.ippan.generalBlock, 1024);
    PutByte(general, 521, 0);
    auto& fu = f.model.fudousan;
    PutAmount(f.Block(fu.generalBlock, 1024), 352, Yen(456789) + 9999);
    FillLettings(f);

    void* ks = f.Block(fu.kyuuryouSenjuusyaBlock, 328);
    WageRow(ks, 0, "管理人 森", 66, 12, Yen(1800000), 0, Yen(36000));
    WageRow(ks, 80, "清掃 林", 55, 6, Yen(600000), 0, 0);
    PutCount(ks, 160, 9);  // not read by the blue return
    FamilyRow(ks, 168, "山田花子", "妻", 45, 12, Yen(900000), 0, 0);
    FamilyRow(ks, 248, "not", "read", 1, 1, 1, 1, 1);

    void* tidai = f.Block(fu.tidaiBlock, 256);
    TidaiRow(tidai, 0, "札幌市中央区7-7", "地主 吉田", "アパート敷地", 1, Yen(200000), Yen(600000), Yen(600000));

    void* kz = f.Block(fu.kariireZeirisiBlock, 560);
    PartyRow(kz, 0, "東京都中央区8-8", "りそな銀行", Yen(250000), Yen(30000000), Yen(250000));
    PartyRow(kz, 112, "", "住宅金融", Yen(5000), Yen(1000000), 0);
    PartyRow(kz, 336, "東京都台東区9-9", "税理士 渡辺", Yen(200000), Yen(200000), Yen(20420));

    void* text = f.Block(fu.tokusyuJijouText, 1024);
    PutText(text, 0, "ｱﾊﾟｰﾄ１棟を取得しました。取得価額は３０００万円です。\r\n以上");
}

void FillWhiteRealEstate(ReportFixture& f) {
    AddKeyRows(f, {1, 2, 3, 6, 7, 8, 9, 10, 21, 22, 23});
    AddNamedRow(f, 24, "［広告宣伝費］");
    AddKeyRows(f, {25, 998});

    auto& fu = f.model.fudousan;
    PutAmount(f.Block(fu.generalBlock, 1024), 352, -Yen(1234));
    FillLettings(f);

    void* ks = f.Block(fu.kyuuryouSenjuusyaBlock, 328);
    WageRow(ks, 0, "管理人 森", 66, 12, Yen(1800000), 0, Yen(36000));
    WageRow(ks, 80, "", 0, 18, Yen(900000), Yen(50000), Yen(1500));  // the others' figures
    PutCount(ks, 160, 2);
    FamilyRow(ks, 168, "山田花子", "妻", 45, 12, Yen(900000), 0, 0);
    FamilyRow(ks, 248, "山田次郎", "次男", 19, 4, Yen(100000), 0, 0);

    void* tidai = f.Block(fu.tidaiBlock, 256);
    TidaiRow(tidai, 128, "仙台市青葉区1-2", "", "駐車場", 0, Yen(30000), Yen(120000), Yen(120000));

    void* kz = f.Block(fu.kariireZeirisiBlock, 560);
    PartyRow(kz, 0, "東京都中央区8-8", "りそな銀行", Yen(250000), Yen(30000000), Yen(250000));
    PartyRow(kz, 224, "not", "read", 1, 1, 1);
    PartyRow(kz, 448, "", "税理士 中村", Yen(50000), Yen(50000), 0);

    void* text = f.Block(fu.tokusyuJijouText, 1024);
    PutText(text, 0, "\r\n二行目です");

    void* repairs = f.Block(fu.syuuzenhiBlock, 384);
    PutText(repairs, 5, "工務店 松本");
    PutText(repairs, 46, "東京都大田区");
    PutText(repairs, 87, "外壁塗装");
    PutCount(repairs, 108, 20250401);
    PutAmount(repairs, 112, Yen(880000));
    PutAmount(repairs, 120, Yen(880000));

    void* counts = f.Block(fu.kasitukeSuuBlock, 56);
    PutCount(counts, 4, 1);
    PutCount(counts, 8, 2);
    PutCount(counts, 12, 0);
    PutAmount(counts, 16, 1234567);
    PutCount(counts, 28, 0);
    PutCount(counts, 32, 3);
    PutCount(counts, 36, 1);
    PutAmount(counts, 40, 0);
    PutCount(counts, 48, 4);
    PutCount(counts, 52, 10);
}
