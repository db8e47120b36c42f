// Every engine call a data set can make fail, at every position at which the
// run makes it, over a blue general, a blue real-estate and a white data set.
// A failure while collecting ends the run with 2 and leaves the existing
// target, its folder and the remembered path as they were; an engine that ends
// a walk early or counts no row is no failure.
#include <filesystem>
#include <map>

#include "E2eFixture.h"

using namespace e2e;

namespace {

// A statement row with its item key and amount, named or given as hex bytes.
std::string Row(int rowCode, int itemKey, long long amount, const std::string& name = "\"A\"") {
    return R"({"rowCode": )" + std::to_string(rowCode) + R"(, "itemKey": )" + std::to_string(itemKey) +
           R"(, "kamokuName": )" + name + R"(, "kisyuAmount": 10000, "amount": )" + std::to_string(amount) + "}";
}

// Texts that are not whole characters: an account name whose 128th byte is
// the first byte of 表, a broken pair, bytes that never are a character and
// control bytes.
const std::string kCutName = R"({"hex": ")" + std::string(254, '4') + "95\"}";
constexpr char kBrokenText[] = R"({"hex": "8410428041FD1B5B33316D07A0FF"})";

struct StSWEPTSET {
    const char* name;
    std::string company;  // the selected company's members after its identification
    const char* kind;     // the income kind chosen in the dialog
    int failures;         // the collection's calls a fault can hit: each fails a run of its own
};

// rows statement rows with row codes and keys from first on, none adjusted; an amount each.
std::string Rows(int first, int rows) {
    std::string list;
    for (int i = first; i < first + rows; ++i) list += (list.empty() ? "" : ", ") + Row(i, i, 10000LL * i);
    return list;
}

std::vector<StSWEPTSET> SweptSets() {
    const std::string settings =
        R"("ippan": {"general": {"kanyuuDantaiName": )" + std::string(kBrokenText) +
        R"(, "fudousanRow21Amount": 123450000},
           "uriageSiire": {"uriage": [{"name": )" + kBrokenText + R"(, "amount": 50000}]}})";
    // The blue general report needs a 43rd row (the income before the deduction),
    // also after a statement ended early.
    return {
        {"blue general",
         R"("aoSiroKind": 3, "jigyouKind": 3, "seizoGenkaFlag": 1, "blue": {
            "general": {"pl": [)" + Row(1, 125, 20000, kCutName) + ", " + Rows(101, 43) + R"(],
                        "bsAssets": [)" + Row(1, 201, 30000) + R"(],
                        "bsLiabilities": [)" + Row(2, 225, 40000) + ", " + Row(24, 7, 50000) + R"(]},
            "realEstate": {"pl": [)" + Row(20, 101, 60000) + ", " + Row(21, 102, 70000) + ", " + Row(22, 103, 1) + R"(]},
            "manufacturing": [)" + Rows(301, 44) + R"(],
            "monthly": [110000, 120000]}, )" + settings,
         "1",
         106},
        {"blue real estate",
         R"("aoSiroKind": 3, "jigyouKind": 2, "blue": {"realEstate": {
            "pl": [)" + Row(1, 101, 60000, kCutName) + ", " + Row(2, 102, 70000) + R"(],
            "bsAssets": [)" + Row(1, 201, 30000) + R"(],
            "bsLiabilities": [)" + Row(24, 7, 50000) + R"(]}}, )" + settings,
         "3",
         13},
        {"white",
         R"("aoSiroKind": 4, "jigyouKind": 1, "white": {"general": [)" + Row(1, 1, 60000, kCutName) + ", " +
             Row(37, 5, 70000) + ", " + Row(3, 3, 80000) + R"(]}, )" + settings,
         "1",
         8},
    };
}

// Every operation a data set can make fail, and whether a failure of it is one of the collection.
constexpr std::pair<const char*, bool> kFaultableOps[] = {
    {"ClAccConnect::Initiate", false}, {"ClAccConnect::ExpSysLink", false},
    {"ClSaveAoSiro::GetDataIppan", true}, {"ClSaveAoSiro::GetDataFudousan", true},
    {"ClRuleAo::Ready", true}, {"ClRuleSiro::Ready", true},
    {"ClRuleAo::GetCount_PL", true}, {"ClRuleAo::GetCount_BS_Shisan", true},
    {"ClRuleAo::GetCount_BS_FusaiShihon", true}, {"ClRuleAo::GetCount_SeizoGenka", true},
    {"ClRuleSiro::GetCount_PL", true},
    {"ClRuleAo::MoveFirst_PL", true}, {"ClRuleAo::MoveNext_PL", true},
    {"ClRuleAo::MoveFirst_BS_Shisan", true}, {"ClRuleAo::MoveNext_BS_Shisan", true},
    {"ClRuleAo::MoveFirst_BS_FusaiShihon", true}, {"ClRuleAo::MoveNext_BS_FusaiShihon", true},
    {"ClRuleAo::MoveFirst_SeizoGenka", true}, {"ClRuleAo::MoveNext_SeizoGenka", true},
    {"ClRuleSiro::MoveFirst_PL", true}, {"ClRuleSiro::MoveNext_PL", true},
    {"ClRuleAo::GetTsukibetsuUriageShiire", true},
};

bool IsCount(const std::string& op) { return op.find("GetCount_") != std::string::npos; }

class FaultSweep : public E2eTest {
protected:
    // The target and the remembered-path file with known content, nothing else in the output folder.
    void Reset() {
        std::filesystem::remove_all(out);
        std::filesystem::create_directory(out);
        std::ofstream(target, std::ios::binary) << kOld;
        std::ofstream(envFile, std::ios::binary) << kRemembered;
    }
    std::string DataSetOf(const StSWEPTSET& set, const std::string& faults) {
        const std::string path = root.path + "/sweep.json";
        std::ofstream(path) << R"({"format": 1, "currentUser": "u", "users": [{"userId": "u", "selNo1": 1, "selNo2": 9}],
  "appFolders": {"1": ")" << engineFolder << R"("}, "companies": [{"dataId": "D9", "dataNo": 9,
  "companyName": "Sweep", "fiscalFrom": 20250101, "fiscalTo": 20251231, )"
                            << set.company << "}], \"faults\": [" << faults << "]}";
        return path;
    }
    StOUTCOME RunWith(const StSWEPTSET& set, const std::string& faults) {
        Reset();
        return Run(std::string(set.kind) + "\npath " + target + "\nexecute\ny\n", DataSetOf(set, faults));
    }
    // Nothing of the run is left: the target, its folder and the remembered path as they were.
    void ExpectUntouched(const std::string& what) {
        EXPECT_EQ(Read(target), kOld) << what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 1) << what;  // no temporary file
        EXPECT_EQ(Read(envFile), kRemembered) << what;
    }

    static constexpr char kOld[] = "<?xml version=\"1.0\"?>\r\n<OLD/>\r\n";
    const std::string target = out + "/target.xml";
    const std::string envFile = engineFolder + "Orbek17Plus.env";
    const std::string kRemembered = "someone/1/2:0/0/1//srv/elsewhere.xml\n";
};

TEST_F(FaultSweep, EveryFailureWhileCollectingEndsTheRunAndLeavesEverythingAsItWas) {
    int written = 0;
    const std::string failed = Utf8(u8"[所得税] 警告\nXMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。");
    for (const StSWEPTSET& set : SweptSets()) {
        StOUTCOME clean = RunWith(set, "");
        ASSERT_EQ(clean.status, 0) << set.name << clean.out << clean.err;
        const std::string cleanXml = Read(target);
        EXPECT_EQ(WellFormedProblem(cleanXml), "") << set.name;
        std::map<std::string, int> seen;
        int runs = 0;
        for (const auto& [op, collecting] : kFaultableOps) {
            const std::string result = IsCount(op) ? "-1" : "9";  // below zero, or no engine code of success
            for (int call = 1;; ++call) {
                const std::string what = std::string(set.name) + " " + op + " call " + std::to_string(call);
                StOUTCOME run = RunWith(set, R"({"op": ")" + std::string(op) + R"(", "call": )" +
                                                 std::to_string(call) + R"(, "result": )" + result + "}");
                ++runs;
                if (run.status == 0) {  // no such call in this run: the export is the clean one
                    EXPECT_EQ(Read(target), cleanXml) << what;
                    break;
                }
                ASSERT_LT(call, 200) << what;  // a fault that hits every call would never end the sweep
                ++seen[op];
                EXPECT_EQ(run.status, 2) << what;
                EXPECT_EQ(run.out.find(failed) != std::string::npos, collecting) << what << "\n" << run.out;
                ExpectUntouched(what);
            }
        }
        seen.erase("ClAccConnect::Initiate");
        seen.erase("ClAccConnect::ExpSysLink");
        int failures = 0;
        std::printf("%s: %d runs; calls seen:", set.name, runs);
        for (const auto& [op, n] : seen) {
            std::printf(" %s %d", op.c_str(), n);
            failures += n;
        }
        std::printf("\n");
        EXPECT_EQ(failures, set.failures) << set.name;  // a sweep that missed calls proves nothing
        // A count of 0 and a walk that ends early are what an engine may answer: the file is written.
        for (const auto& [op, n] : seen) {
            const bool count = IsCount(op);
            if (!count && op.find("MoveNext_") == std::string::npos) continue;
            const std::string what = std::string(set.name) + " " + op + " with no rows";
            StOUTCOME run = RunWith(set, R"({"op": ")" + op + R"(", "call": 1, "result": )" + (count ? "0" : "5000") + "}");
            EXPECT_EQ(run.status, 0) << what << run.out;
            const std::string xml = Read(target);
            EXPECT_EQ(xml.rfind(kProlog, 0), 0u) << what;
            EXPECT_EQ(WellFormedProblem(xml), "") << what;
            EXPECT_NE(Read(envFile), kRemembered) << what;
            ++written;
        }
    }
    EXPECT_EQ(written, 16);
}

}  // namespace
