#include <gtest/gtest.h>

#include "DatasetDump.h"
#include "support/TestSupport.h"
#include "standin/StandinDataset.h"

namespace {

StDATASETERROR Refusal(const std::string& json) {
    StSTANDINDATASET data;
    StDATASETERROR error;
    if (ParseDataset(json, data, error)) error = {"(accepted)", ""};
    return error;
}

std::string Repeat(const std::string& text, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += text;
    return out;
}

// bytes letters A (or the byte given) as hex.
std::string Hex(std::size_t bytes, char byte = 'A') { return HexText(std::string(bytes, byte)); }
std::string Rows(std::size_t n, const std::string& row) { return "[" + Repeat(row + ", ", n - 1) + row + "]"; }

StSTANDINCOMPANY Company(const std::string& members) {
    StSTANDINDATASET data;
    StDATASETERROR error;
    EXPECT_TRUE(ParseDataset(OneCompany(members), data, error)) << error.path << ": " << error.problem;
    return data.companies.empty() ? StSTANDINCOMPANY{} : data.companies[0];
}

}  // namespace

TEST(Dataset, RefusesEveryInvalidCaseNamingTheMember) {
    const std::string c0 = "$.companies[0].";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // data set, member, problem
        {R"({"format": 1, "users": [{"userId": "a"}]})", "$",
         "not JSON: line 1, column 38: invalid string: control character"},
        {std::string(200000, '['), "$", "expected an object, found array"},
        {R"({"format": 01})", "$", "line 1, column 13: a number starts with a zero"},
        {R"({"format": 1} x)", "$", "column 15: 'x' starts no JSON value"},
        {R"({"format": 1}})", "$", "unexpected '}'; expected end of input"},
        {R"({"format": tru})", "$", "invalid literal; expected true"},
        {R"({"format": 1, "currentUser": "\ud800"})", "$", "bad escape"},  // a lone surrogate
        {R"({"format": 1, "currentUser": "\q"})", "$", "bad escape"},
        {"{\"format\": 1, \"currentUser\": \"\xE5\xB1\"}", "$", "ill-formed UTF-8"},      // cut short
        {"{\"format\": 1, \"currentUser\": \"\xE0\x80\xAF\"}", "$", "ill-formed UTF-8"},  // overlong
        {"{\"format\": 1, \"currentUser\": \"\xED\xA0\x80\"}", "$", "ill-formed UTF-8"},  // a surrogate
        {R"({"format": 1, "currentUser": "\ud842\udfb7"})", "$.currentUser", "has no code page 932 form"},
        {R"({"format": 1, "companies": [{"dataNo": 1, "dataId": "A", "ippan": {"kyuuryou": [[[[[]]]]]}}]})",
         "$.companies[0].ippan.kyuuryou[0]", "expected an object, found array"},
        {R"({"format": 1.0})", "$.format", "only format 1 is known: give \"format\": 1, found 1.0"},
        {"{}", "$", "format"},
        {R"({"format": 1, "fromat": 1})", "$.fromat", "unknown member"},
        {R"({"format": 1, "users": [{"userId": "a", "userId": "b"}]})", "$.users[0].userId", "twice"},
        {OneCompany(R"("seizoGenkaFlag": "1")"), c0 + "seizoGenkaFlag", "expected an integer"},
        {OneCompany(R"("aoSiroKind": 256)"), c0 + "aoSiroKind", "out of range"},
        {OneCompany(R"("blue": {"monthly": [1.5]})"), c0 + "blue.monthly[0]", "not a 64-bit integer"},
        {OneCompany(R"("blue": {"monthly": )" + Rows(29, "0") + "}"), c0 + "blue.monthly",
         "more than 28 slots given, the block holds 28"},
        {OneCompany(R"("blue": {"general": {"pl": [{"kamokuname": "x"}]}})"), c0 + "blue.general.pl[0].kamokuname",
         "unknown member"},
        {OneCompany(U8(u8R"("companyName": "山😀")")), c0 + "companyName", "has no code page 932 form"},
        {OneCompany(R"("companyName": "a\u0000b")"), c0 + "companyName", "U+0000"},
        // 64 double-byte characters take 128 bytes: no room for the terminator.
        {OneCompany(R"("white": {"general": [{"kamokuName": ")" + Repeat(U8(u8"山"), 64) + R"("}]})"),
         c0 + "white.general[0].kamokuName", "holds at most 127"},
        {OneCompany(R"("dataId": "ABCDEFGHIJKLMNOPQ")"), c0 + "dataId", "at most 16"},
        {OneCompany(R"("dataId": )" + Hex(17)), c0 + "dataId.hex", "16-byte dataId field"},
        {OneCompany(R"("companyName": {"hex": "414"})"), c0 + "companyName.hex", "odd number"},
        {OneCompany(R"("ippan": {"general": )" + Hex(1025) + "}"), c0 + "ippan.general.hex",
         "1025 bytes do not fit the 1024-byte block"},
        {OneCompany(R"("ippan": {"kyuuryou": )" + Rows(7, "{}") + "}"), c0 + "ippan.kyuuryou",
         "more than 6 rows given, the block holds 6"},
        {OneCompany(R"("fudousan": {"kariireZeirisi": {"zeirisi": )" + Rows(3, "{}") + "}}"),
         c0 + "fudousan.kariireZeirisi.zeirisi", "holds 2"},
        {OneCompany(R"("fudousan": {"kasituke": )" + Rows(10000, "{}") + "}"), c0 + "fudousan.kasituke",
         "more than 9999 rows given, the block holds 9999"},
        {OneCompany(R"("fudousan": {"kasituke": )" + Hex(10000 * 236 + 1) + "}"), c0 + "fudousan.kasituke.hex",
         "2360001 bytes do not fit the 2360000-byte letting list"},
        {OneCompany(R"("fudousan": {"tidai": [)" + Hex(129) + "]}"), c0 + "fudousan.tidai[0].hex",
         "129 bytes do not fit the 128-byte row"},
        {OneCompany(R"("ippan": {"tokusyuJijou": ")" + std::string(1024, 'x') + "\"}"), c0 + "ippan.tokusyuJijou",
         "holds at most 1023"},
        {R"({"format": 1, "companies": [{"dataNo": 3, "dataId": "A"}, {"dataNo": 4, "dataId": {"hex": "4100FF"}}]})",
         "$.companies[1].dataId", "already used by companies[0]"},  // the engine compares up to the first zero
        {R"({"format": 1, "companies": [{"dataNo": 3}]})", "$.companies[0]", "a company needs a \"dataId\""},
        {R"({"format": 1, "companies": [{"dataNo": 3, "dataId": ""}]})", "$.companies[0].dataId",
         "the dataId is empty"},
        {R"({"format": 1, "companies": [{"dataId": {"hex": "00FF"}}]})", "$.companies[0].dataId",
         "the dataId is empty"},
        {R"({"format": 1, "appFolders": {"1": "/home/me/data"}})", R"($.appFolders["1"])", "must end with"},
        {R"({"format": 1, "appFolders": {"1": ""}})", R"($.appFolders["1"])", "must end with"},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::MoveNext", "result": 1}]})", "$.faults[0].op", "no operation"},
        {R"({"format": 1, "faults": [{"result": 1}]})", "$.faults[0]", "needs \"op\""},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::Ready", "sumType": 0}]})", "$.faults[0].sumType",
         "takes no sum type"},
        {R"({"format": 1, "faults": [{"op": "ClRuleAo::GetCount_PL", "sumType": 2}]})", "$.faults[0].sumType",
         "out of range"},
    };
    for (const auto& [json, path, problem] : cases) {
        StDATASETERROR error = Refusal(json);
        EXPECT_EQ(error.path, path) << json;
        EXPECT_NE(error.problem.find(problem), std::string::npos) << json << "\n -> " << error.problem;
    }
    EXPECT_EQ(DatasetErrorLine("/data/a.json", {"$.companies[0]", "bad\nthing"}),
              "engine data set /data/a.json: $.companies[0]: bad thing");
}

// Escapes, and texts and hex cut to their fields with no terminator: what the
// golden data sets below do not show (they show the code page 932 texts,
// the full-width dataId, the blocks and lists filled or given as hex).
TEST(Dataset, EscapesAndCutsToTheField) {
    StSTANDINCOMPANY c = Company(R"("companyName": "\u5c71\t\"\/\\x", "ippan": {"kyuuryou": [{"name": )" + Hex(45) +
                                 R"(}]}, "blue": {"general": {"pl": [{"kamokuName": )" + Hex(130, '\xBB') + "}]}}");
    EXPECT_STREQ(c.info.companyName, "山\t\"/\\x");
    ASSERT_EQ(c.blue[0].pl.size(), 1u);
    EXPECT_EQ(std::string(c.blue[0].pl[0].kamokuName, 128), std::string(128, '\xBB'));  // hex cut to 128
    EXPECT_EQ(c.ippan[2][7 + 40], 'A');  // the name cut to its 41 bytes, no terminator
    EXPECT_EQ(c.ippan[2][7 + 41], 0);    // the age after it stays untouched
}

// Loading keeps every record and block byte for byte: the demo and a data set
// with every member, against dumps taken when they were known to be right
// (every member's field checked at the engine's offset). A member put in the
// wrong field, or a field at a wrong offset, changes the dump.
TEST(Dataset, LoadsTheGoldenDataSetsByteForByte) {
    const std::pair<const char*, const char*> sets[] = {
        {ORBEK_SOURCE_DIR "/standin/demo/demo-dataset.json",
         ORBEK_SOURCE_DIR "/tests/standin/golden/demo-dataset.dump"},
        {ORBEK_SOURCE_DIR "/tests/standin/golden/every-member.json",
         ORBEK_SOURCE_DIR "/tests/standin/golden/every-member.dump"},
    };
    for (const auto& [json, dumpFile] : sets) {
        StSTANDINDATASET data;
        StDATASETERROR error;
        ASSERT_TRUE(LoadDatasetFile(json, data, error)) << error.path << ": " << error.problem;
        EXPECT_EQ(DumpDataset(data), ReadFileBytes(dumpFile)) << json;
    }
}
