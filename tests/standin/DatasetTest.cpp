#include <gtest/gtest.h>

#include "DatasetDump.h"
#include "support/CaseFile.h"
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

// The refusals of data/refusals.cases, and those whose data sets are made here.
TEST(Dataset, RefusesEveryInvalidCaseNamingTheMember) {
    const std::string c0 = "$.companies[0].";
    std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        // data set, member, problem
        {std::string(200000, '['), "$", "expected an object, found array"},
        {OneCompany(R"("blue": {"monthly": )" + Rows(29, "0") + "}"), c0 + "blue.monthly",
         "more than 28 slots given, the block holds 28"},
        // 64 double-byte characters take 128 bytes: no room for the terminator.
        {OneCompany(R"("white": {"general": [{"kamokuName": ")" + Repeat(U8(u8"山"), 64) + R"("}]})"),
         c0 + "white.general[0].kamokuName", "holds at most 127"},
        {OneCompany(R"("dataId": )" + Hex(17)), c0 + "dataId.hex", "16-byte dataId field"},
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
    };
    for (const StCASE& c : ReadCases("standin/data/refusals.cases")) {
        cases.emplace_back(c.Has("company") ? OneCompany(c.Utf8("company")) : c.Utf8("dataset"), c.Utf8("path"),
                           c.Utf8("problem"));
    }
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
