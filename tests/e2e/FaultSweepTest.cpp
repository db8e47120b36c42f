// Every engine call a data set can make fail, at every position at which the
// run makes it, over a blue general, a blue real-estate and a white data set
// (data/sweep.cases).
// A failure while collecting ends the run with 2 and leaves the existing
// target, its folder and the remembered path as they were; an engine that ends
// a walk early or counts no row is no failure.
#include <filesystem>
#include <map>

#include "E2eFixture.h"
#include "support/CaseFile.h"
#include "standin/StandinDataset.h"

using namespace e2e;

namespace {

bool IsCount(const std::string& op) { return op.find("GetCount_") != std::string::npos; }
// A result that fails the call: a count below zero, else no engine code of success.
const char* FailureResult(const std::string& op) { return IsCount(op) ? "-1" : "9"; }
// The result by which a call delivers no row: a count of 0, a walk at its end; none for other calls.
const char* NoRowsResult(const std::string& op) {
    if (IsCount(op)) return "0";
    return op.find("MoveNext_") != std::string::npos ? "5000" : nullptr;
}
std::string Fault(const std::string& op, int call, const char* result) {
    return R"({"op": ")" + op + R"(", "call": )" + std::to_string(call) + R"(, "result": )" + result + "}";
}

class FaultSweep : public E2eTest {
protected:
    // The target and the remembered-path file with known content, nothing else in the output folder.
    void Reset() {
        std::filesystem::remove_all(out);
        std::filesystem::create_directory(out);
        std::ofstream(target, std::ios::binary) << kOld;
        std::ofstream(envFile, std::ios::binary) << kRemembered;
    }
    // The set's data set with the engine's folder and these faults.
    std::string DataSetOf(const StCASE& set, const std::string& faults) {
        std::string json = ReadFileBytes(ORBEK_SOURCE_DIR "/tests/e2e/data/sweep-" + set["name"] + ".json");
        json.insert(json.rfind('}'), R"(, "appFolders": {"1": ")" + engineFolder + R"("}, "faults": [)" + faults + "]");
        const std::string path = root.path + "/sweep.json";
        std::ofstream(path) << json;
        return path;
    }
    StOUTCOME RunWith(const StCASE& set, const std::string& faults) {
        Reset();
        return Run(set["kind"] + "\npath " + target + "\nexecute\ny\n", DataSetOf(set, faults));
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
    const std::string failed =
        U8(u8"[所得税] 警告\nXMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。");
    for (const StCASE& set : ReadCases("e2e/data/sweep.cases")) {
        StOUTCOME clean = RunWith(set, "");
        ASSERT_EQ(clean.status, 0) << set["name"] << clean.out << clean.err;
        const std::string cleanXml = Read(target);
        EXPECT_EQ(WellFormedProblem(cleanXml), "") << set["name"];
        std::map<std::string, int> seen;  // the collection's calls a fault hit, by operation
        // Every operation of the stand-in's own table; failing to connect is no failure of the collection.
        for (std::size_t index = 0; index < kStandinOpCount; ++index) {
            const auto op = static_cast<EnStandinOp>(index);
            const bool collecting = op != EnStandinOp::Initiate && op != EnStandinOp::ExpSysLink;
            const std::string name(StandinOpInfo(op).name);
            for (int call = 1;; ++call) {
                const std::string what = set["name"] + " " + name + " call " + std::to_string(call);
                StOUTCOME run = RunWith(set, Fault(name, call, FailureResult(name)));
                if (run.status == 0) {  // no such call in this run: the export is the clean one
                    EXPECT_EQ(Read(target), cleanXml) << what;
                    break;
                }
                ASSERT_LT(call, 200) << what;  // a fault that hits every call would never end the sweep
                if (collecting) ++seen[name];
                EXPECT_EQ(run.status, 2) << what;
                EXPECT_EQ(run.out.find(failed) != std::string::npos, collecting) << what << "\n" << run.out;
                ExpectUntouched(what);
            }
        }
        std::string calls;
        for (const auto& [name, n] : seen) calls += (calls.empty() ? "" : ", ") + name + " " + std::to_string(n);
        EXPECT_EQ(calls, set["calls"]) << set["name"];  // a sweep that missed calls proves nothing
        // A count of 0 and a walk that ends early are what an engine may answer: the file is written.
        for (const auto& [name, n] : seen) {
            const char* noRows = NoRowsResult(name);
            if (!noRows) continue;
            const std::string what = set["name"] + " " + name + " with no rows";
            StOUTCOME run = RunWith(set, Fault(name, 1, noRows));
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
