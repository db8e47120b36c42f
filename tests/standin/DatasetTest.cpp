#include <gtest/gtest.h>

#include <cstring>

#include "StandinTestData.h"
#include "standin/StandinDataset.h"

namespace {

struct StRefusalCase {
    std::string json;
    std::string path;
    std::string problem;  // a part of the message
};

std::string Hex(std::size_t bytes, const char* pair = "41") {
    std::string hex;
    for (std::size_t i = 0; i < bytes; ++i) hex += pair;
    return R"({"hex": ")" + hex + R"("})";
}

std::string Repeat(const std::string& text, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += text;
    return out;
}

std::string Rows(std::size_t n, const std::string& row) {
    std::string list = "[";
    for (std::size_t i = 0; i < n; ++i) list += (i ? ", " : "") + row;
    return list + "]";
}

StStandinCompany Company(const std::string& members) {
    StStandinDataset data;
    StDatasetError error;
    EXPECT_TRUE(ParseDataset(OneCompany(members), data, error)) << error.path << ": " << error.problem;
    return data.companies.empty() ? StStandinCompany{} : data.companies[0];
}

std::int64_t Read(const StandinBlock& block, std::size_t offset, std::size_t size) {
    EXPECT_LE(offset + size, block.size());
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < size && offset + i < block.size(); ++i) {
        v |= static_cast<std::uint64_t>(block[offset + i]) << (8 * i);
    }
    if (size == 4) return static_cast<std::int32_t>(v);
    return static_cast<std::int64_t>(v);
}

std::string Text(const StandinBlock& block, std::size_t offset, std::size_t width) {
    const char* start = reinterpret_cast<const char*>(block.data() + offset);
    return std::string(start, strnlen(start, width));
}

}  // namespace

TEST(Dataset, RefusesEveryInvalidCaseNamingTheMember) {
    const StRefusalCase cases[] = {
        {"{\"format\": 1,", "$", "not JSON"},
        {"{}", "$", "format"},
        {R"({"format": 2})", "$.format", "only format 1"},
        {R"({"format": 1, "fromat": 1})", "$.fromat", "unknown member"},
        {R"({"format": 1, "currentUser": null})", "$.currentUser", "null"},
        {R"({"format": 1, "users": [{"userId": "a", "userId": "b"}]})", "$.users[0].userId", "twice"},
        {R"({"format": 1, "users": {}})", "$.users", "expected an array"},
        {OneCompany(R"("dataNo": 5)"), "$.companies[0].dataNo", "twice"},
        {OneCompany(R"("seizoGenkaFlag": "1")"), "$.companies[0].seizoGenkaFlag", "expected an integer"},
        {OneCompany(R"("aoSiroKind": 256)"), "$.companies[0].aoSiroKind", "out of range"},
        {OneCompany(R"("dataKind": 40000)"), "$.companies[0].dataKind", "out of range"},
        {OneCompany(R"("fiscalFrom": 2147483648)"), "$.companies[0].fiscalFrom", "out of range"},
        {OneCompany(R"("blue": {"monthly": [1.5]})"), "$.companies[0].blue.monthly[0]", "not a 64-bit integer"},
        {OneCompany(R"("blue": {"monthly": [9223372036854775808]})"), "$.companies[0].blue.monthly[0]",
         "out of range"},
        {OneCompany(R"("blue": {"monthly": )" + Rows(29, "0") + "}"), "$.companies[0].blue.monthly",
         "29 slots given, the block holds 28"},
        {OneCompany(R"("blue": {"general": {"pl": [{"kamokuname": "x"}]}})"),
         "$.companies[0].blue.general.pl[0].kamokuname", "unknown member"},
        {OneCompany(U8(u8R"("companyName": "山😀")")), "$.companies[0].companyName", "has no code page 932 form"},
        {OneCompany(R"("companyName": "a\u0000b")"), "$.companies[0].companyName", "U+0000"},
        // 64 double-byte characters take 128 bytes: no room for the terminator.
        {OneCompany(R"("white": {"general": [{"kamokuName": ")" + Repeat(U8(u8"山"), 64) + R"("}]})"),
         "$.companies[0].white.general[0].kamokuName", "holds at most 127"},
        {OneCompany(R"("dataId": "ABCDEFGHIJKLMNOPQ")"), "$.companies[0].dataId", "at most 16"},
        {OneCompany(R"("dataId": )" + Hex(17)), "$.companies[0].dataId.hex", "16-byte dataId field"},
        {OneCompany(R"("companyName": {"hex": "414"})"), "$.companies[0].companyName.hex", "odd number"},
        {OneCompany(R"("companyName": {"hex": "4G"})"), "$.companies[0].companyName.hex", "not a hex byte"},
        {OneCompany(R"("companyName": {"hex": "41", "text": "A"})"), "$.companies[0].companyName.text",
         "unknown member"},
        {OneCompany(R"("ippan": {"general": )" + Hex(1025) + "}"), "$.companies[0].ippan.general.hex",
         "1025 bytes do not fit the 1024-byte block"},
        {OneCompany(R"("ippan": {"kyuuryou": )" + Rows(7, "{}") + "}"), "$.companies[0].ippan.kyuuryou",
         "7 rows given, the block holds 6"},
        {OneCompany(R"("ippan": {"kasidaore": {"senjuusya": )" + Rows(6, "{}") + "}}"),
         "$.companies[0].ippan.kasidaore.senjuusya", "holds 5"},
        {OneCompany(R"("fudousan": {"kariireZeirisi": {"zeirisi": )" + Rows(3, "{}") + "}}"),
         "$.companies[0].fudousan.kariireZeirisi.zeirisi", "holds 2"},
        {OneCompany(R"("fudousan": {"kasituke": [{"rent": 1}]})"), "$.companies[0].fudousan.kasituke[0].rent",
         "unknown member"},
        {OneCompany(R"("fudousan": {"tidai": [)" + Hex(129) + "]}"), "$.companies[0].fudousan.tidai[0].hex",
         "129 bytes do not fit the 128-byte row"},
        {OneCompany(R"("ippan": {"tokusyuJijou": ")" + std::string(1024, 'x') + "\"}"),
         "$.companies[0].ippan.tokusyuJijou", "holds at most 1023"},
        {OneCompany(R"("ippan": {"general": {"aoKoujoSentaku": -1}})"),
         "$.companies[0].ippan.general.aoKoujoSentaku", "out of range"},
        {OneCompany(R"("ippan": {"sonota": {}})"), "$.companies[0].ippan.sonota", "unknown member"},
        {R"({"format": 1, "companies": [{"dataNo": 3}, {"dataNo": 4}, {"dataNo": 3}]})", "$.companies[2].dataNo",
         "already used by companies[0]"},
        {R"({"format": 1, "appFolders": {"1": "/home/me/data"}})", R"($.appFolders["1"])", "must end with"},
        {R"({"format": 1, "appFolders": {"2": "/"}})", R"($.appFolders["2"])", "unknown member"},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::MoveNext", "result": 1}]})", "$.faults[0].op",
         "no operation"},
        {R"({"format": 1, "faults": [{"result": 1}]})", "$.faults[0]", "needs \"op\""},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::Ready", "sumType": 0}]})", "$.faults[0].sumType",
         "takes no sum type"},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::GetCount_PL", "sumType": 2}]})", "$.faults[0].sumType",
         "out of range"},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::GetCount_PL", "call": 0}]})", "$.faults[0].call",
         "out of range"},
    };
    for (const auto& c : cases) {
        StDatasetError error = Refusal(c.json);
        EXPECT_EQ(error.path, c.path) << c.json;
        EXPECT_NE(error.problem.find(c.problem), std::string::npos) << c.json << "\n -> " << error.problem;
    }
}

TEST(Dataset, ErrorLineIsOneLineNamingFileMemberAndProblem) {
    std::string line = DatasetErrorLine("/data/a.json", {"$.companies[0]", "bad\nthing"});
    EXPECT_EQ(line, "engine data set /data/a.json: $.companies[0]: bad thing");
}

TEST(Dataset, TextsBecomeShiftJisAndFillTheirFields) {
    StStandinCompany c = Company(
        U8(u8R"("dataId": "ABCDEFGHIJKLMNOP", "companyName": "山田～商店", "fiscalFrom": 20250101, "dataKind": 99,
                "aoSiroKind": 3, "jigyouKind": 2, "seizoGenkaFlag": 1,
                "blue": {"general": {"pl": [{"rowCode": 1, "itemKey": 5, "kamokuName": )") +
        Hex(130, "BB") + R"(, "kisyuAmount": -1, "amount": 123456789012}]}})");
    EXPECT_EQ(std::string(c.info.dataId, 16), "ABCDEFGHIJKLMNOP");  // fills the field, no terminator
    EXPECT_EQ(c.info.dataNo, 5);
    EXPECT_STREQ(c.info.companyName, "山田\x81\x60商店");  // U+FF5E is 0x81 0x60 in code page 932
    EXPECT_EQ(c.info.fiscalFrom, 20250101);
    EXPECT_EQ(c.info.dataKind, 99);
    EXPECT_EQ(c.info.aoSiroKind, 3);
    EXPECT_EQ(c.info.jigyouKind, 2);
    ASSERT_EQ(c.blue[0].pl.size(), 1u);
    const StAOSUMINFO& row = c.blue[0].pl[0];
    EXPECT_EQ(std::string(row.kamokuName, sizeof row.kamokuName), std::string(128, '\xBB'));  // hex cut to 128
    EXPECT_EQ(row.kisyuAmount, -1);
    EXPECT_EQ(row.amount, 123456789012);
}

// Every named field at the offset the engine's blocks have it.
TEST(Dataset, SettingsFieldsLieAtTheEngineOffsets) {
    StStandinCompany c = Company(R"(
      "ippan": {
        "general": {"kanyuuDantaiName": "KD", "aoKoujoSentaku": 1, "fudousanRow21Amount": 11},
        "kasidaore": {"kobetuKuriiregaku": 12, "ikkatuKuriiregoukeigaku": 13, "ikkatuKuriiregendogaku": 14,
                      "ikkatuKuriiregaku": 15,
                      "senjuusya": [{}, {"name": "F2", "relationship": "R2", "age": 21, "months": 22,
                                         "wages": 23, "bonus": 24, "tax": 25}]},
        "kyuuryou": [{}, {}, {}, {}, {}, {"name": "W6", "age": 31, "months": 32, "wages": 33, "bonus": 34, "tax": 35}],
        "risiZeirisi": {"risi": [{}, {"upper": "U2", "lower": "L2", "amount1": 41, "amount2": 42, "amount3": 43}],
                        "zeirisi": [{"upper": "ZU"}]},
        "tidai": [{}, {"upper": "TU", "lower": "TL", "property": "TP", "paymentKind": 2, "payment": 51, "rent": 52,
                       "expense": 53}],
        "tokusyuJijou": "a\r\nb",
        "uriageSiire": {"uriage": [{}, {}, {}, {"name": "N4", "location": "P4", "amount": 61}], "uriageOthers": 62,
                        "siire": [{"name": "S1"}], "siireOthers": 63}},
      "fudousan": {
        "general": {"fusaiRisiAmount": 71},
        "kasituke": [{}, {"marker": 7, "lowerAddress": "LA", "location": "LO", "address": "AD", "kasiyaKasiti": "KK",
                          "youto": "YO", "from": 20240401, "to": 20260331, "area": 81, "monthlyRent": 82,
                          "yearlyRent": 83, "reikin": 84, "kenrikin": 85, "kousinryou": 86, "meigiSonota": 87,
                          "deposit": 88}],
        "kariireZeirisi": {"kariire": [{}, {}, {"upper": "K3"}], "zeirisi": [{}, {"amount3": 91}]},
        "kyuuryouSenjuusya": {"kyuuryou": [{}, {"name": "W2", "tax": 92}], "sonotaNinbun": 3,
                              "senjuusya": [{}, {"relationship": "R", "tax": 93}]},
        "tidai": [{"property": "FP"}],
        "tokusyuJijou": "x",
        "syuuzenhi": [{}, {}, {"upper": "RU", "lower": "RL", "work": "RW", "date": 20250915, "paid": 94, "expense": 95}],
        "kasitukeSuu": {"juutakuTatemonoIkkodate": 1, "juutakuTatemonoIkkodateigai": 2, "juutakuTotiKeiyaku": 3,
                        "juutakuTotiSoumenseki": 4, "juutakuigaiTatemonoIkkodate": 5,
                        "juutakuigaiTatemonoIkkodateigai": 6, "juutakuigaiTotiKeiyaku": 7,
                        "juutakuigaiTotiSoumenseki": 8, "chuusyajouYanetuki": 9, "chuusyajouAozora": 10}})");
    const std::size_t ippanSizes[] = {1024, 448, 480, 448, 256, 1024, 720};
    const std::size_t fudousanSizes[] = {1024, 3 * 236, 560, 328, 256, 1024, 384, 56};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(c.ippan[i].size(), ippanSizes[i]) << i;
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(c.fudousan[i].size(), fudousanSizes[i]) << i;

    struct StAt {
        const StandinBlock& block;
        std::size_t offset;
        std::size_t size;  // 1, 4 or 8
        std::int64_t value;
    };
    const auto& ip = c.ippan;
    const auto& fu = c.fudousan;
    const StAt numbers[] = {
        {ip[0], 521, 1, 1},          {ip[0], 534, 8, 11},         {ip[1], 16, 8, 12},          {ip[1], 24, 8, 13},
        {ip[1], 32, 8, 14},          {ip[1], 40, 8, 15},          {ip[1], 128 + 48, 4, 21},    {ip[1], 128 + 52, 4, 22},
        {ip[1], 128 + 56, 8, 23},    {ip[1], 128 + 64, 8, 24},    {ip[1], 128 + 72, 8, 25},    {ip[2], 400 + 48, 4, 31},
        {ip[2], 400 + 52, 4, 32},    {ip[2], 400 + 56, 8, 33},    {ip[2], 400 + 64, 8, 34},    {ip[2], 400 + 72, 8, 35},
        {ip[3], 112 + 88, 8, 41},    {ip[3], 112 + 96, 8, 42},    {ip[3], 112 + 104, 8, 43},   {ip[4], 128 + 103, 1, 2},
        {ip[4], 128 + 104, 8, 51},   {ip[4], 128 + 112, 8, 52},   {ip[4], 128 + 120, 8, 53},   {ip[6], 216 + 64, 8, 61},
        {ip[6], 352, 8, 62},         {ip[6], 712, 8, 63},         {fu[0], 352, 8, 71},         {fu[1], 236 + 4, 4, 7},
        {fu[1], 236 + 164, 4, 20240401}, {fu[1], 236 + 168, 4, 20260331}, {fu[1], 236 + 172, 8, 81},
        {fu[1], 236 + 180, 8, 82},   {fu[1], 236 + 188, 8, 83},   {fu[1], 236 + 196, 8, 84},   {fu[1], 236 + 204, 8, 85},
        {fu[1], 236 + 212, 8, 86},   {fu[1], 236 + 220, 8, 87},   {fu[1], 236 + 228, 8, 88},   {fu[1], 4, 4, 0},
        {fu[1], 472 + 4, 4, -1},     {fu[2], 448 + 104, 8, 91},   {fu[3], 80 + 72, 8, 92},     {fu[3], 160, 4, 3},
        {fu[3], 248 + 72, 8, 93},    {fu[6], 256 + 108, 4, 20250915}, {fu[6], 256 + 112, 8, 94},
        {fu[6], 256 + 120, 8, 95},   {fu[7], 4, 4, 1},            {fu[7], 8, 4, 2},            {fu[7], 12, 4, 3},
        {fu[7], 16, 8, 4},           {fu[7], 28, 4, 5},           {fu[7], 32, 4, 6},           {fu[7], 36, 4, 7},
        {fu[7], 40, 8, 8},           {fu[7], 48, 4, 9},           {fu[7], 52, 4, 10},
    };
    for (const auto& at : numbers) {
        EXPECT_EQ(Read(at.block, at.offset, at.size), at.value) << "offset " << at.offset;
    }
    struct StTextAt {
        const StandinBlock& block;
        std::size_t offset;
        std::size_t width;
        const char* text;
    };
    const StTextAt texts[] = {
        {ip[0], 349, 128, "KD"},      {ip[1], 128 + 0, 41, "F2"},  {ip[1], 128 + 41, 7, "R2"},  {ip[2], 400 + 7, 41, "W6"},
        {ip[3], 112 + 6, 41, "U2"},   {ip[3], 112 + 47, 41, "L2"}, {ip[3], 224 + 6, 41, "ZU"},  {ip[4], 128, 41, "TU"},
        {ip[4], 128 + 41, 41, "TL"},  {ip[4], 128 + 82, 21, "TP"}, {ip[5], 0, 1024, "a\r\nb"},  {ip[6], 216 + 2, 21, "N4"},
        {ip[6], 216 + 23, 41, "P4"},  {ip[6], 360 + 2, 21, "S1"},  {fu[1], 236 + 8, 41, "LA"},  {fu[1], 236 + 49, 41, "LO"},
        {fu[1], 236 + 90, 41, "AD"},  {fu[1], 236 + 131, 11, "KK"}, {fu[1], 236 + 142, 22, "YO"}, {fu[2], 224 + 6, 41, "K3"},
        {fu[3], 80 + 7, 41, "W2"},    {fu[3], 248 + 41, 7, "R"},   {fu[4], 82, 21, "FP"},       {fu[5], 0, 1024, "x"},
        {fu[6], 256 + 5, 41, "RU"},   {fu[6], 256 + 46, 41, "RL"}, {fu[6], 256 + 87, 21, "RW"},
    };
    for (const auto& at : texts) EXPECT_EQ(Text(at.block, at.offset, at.width), at.text) << "offset " << at.offset;
}

TEST(Dataset, HexGivesExactBytes) {
    StStandinCompany c = Company(R"("ippan": {"general": {"hex": "0102"},
                                              "tidai": [{"hex": "FF"}],
                                              "kyuuryou": [{"name": )" + Hex(45) + R"(}]},
                                    "fudousan": {"kasituke": {"hex": "00000000"}})");
    EXPECT_EQ(c.ippan[0].size(), 1024u);  // zero-filled to the block size
    EXPECT_EQ(Read(c.ippan[0], 0, 4), 0x0201);
    EXPECT_EQ(c.ippan[4][0], 0xFF);
    EXPECT_EQ(c.ippan[2][7 + 40], 'A');  // the name cut to its 41 bytes, no terminator
    EXPECT_EQ(c.ippan[2][7 + 41], 0);    // the age after it stays untouched
    EXPECT_EQ(c.fudousan[1].size(), 4u);  // a letting list as given: no terminator row added
}

TEST(Dataset, MissingMembersAreZeroOrEmpty) {
    StStandinCompany c = Company("");
    EXPECT_EQ(c.info.companyName[0], 0);
    EXPECT_TRUE(c.blue[0].pl.empty());
    EXPECT_EQ(c.ippan[5].size(), 1024u);
    ASSERT_EQ(c.fudousan[1].size(), 236u);  // only the terminator row
    EXPECT_EQ(Read(c.fudousan[1], 4, 4), -1);
}
