#pragma once
// Runs the built programs the way a user or the accounting application does:
// a data set for the stand-in engine, commands on standard input, a notice
// channel as the caller. Everything a run writes stays below one temporary folder.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Launch.h"
#include "support/TestSupport.h"

namespace e2e {

// What the user reads (UTF-8).
inline const std::string kCancelled = U8(u8"｢所得税｣の集計を中止します。");
inline const std::string kOverwrite = U8(u8"同名のファイルが存在します。");
inline const std::string kProlog = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";

// Empty when the bytes are a well-formed XML document read as code page 932
// by a strict parser, else what the parser found.
inline std::string WellFormedProblem(const std::string& bytes) {
    xmlResetLastError();
    xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "export.xml", "CP932",
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    const xmlError* error = xmlGetLastError();
    std::string problem = error && error->message ? error->message : (doc ? "" : "not read");
    if (doc) xmlFreeDoc(doc);
    return problem;
}

}  // namespace e2e

class E2eTest : public ::testing::Test {
protected:
    E2eTest() {
        for (const char* sub : {"/home", "/xdg", "/tmp", "/out", "/engine"}) ::mkdir((root.path + sub).c_str(), 0755);
        out = root.path + "/out";
        engineFolder = root.path + "/engine/";
    }

    // Every file a run exported, wherever it went, reads back as well-formed XML.
    void TearDown() override {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(root.path, error);
             it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (!it->is_regular_file() || it->path().extension() != ".xml") continue;
            const std::string bytes = Read(it->path().string());
            if (bytes.rfind(e2e::kProlog, 0) == 0) {
                EXPECT_EQ(e2e::WellFormedProblem(bytes), "") << it->path();
            }
        }
    }

    static std::string Program(const std::string& name = "Orbek17Plus") { return ORBEK_BINARY_DIR "/bin/" + name; }

    // A data set with the company "山田商店" (data 3, white return, both
    // categories) and a past-results data 4; selected is the data the user
    // selected; extra is more top-level JSON (UTF-8), such as faults.
    std::string DataSet(int selected = 3, const std::string& extra = "") {
        const std::string path = root.path + "/dataset-" + std::to_string(++dataSets_) + ".json";
        std::ofstream(path) << UserDataSet(
            selected, U8(u8R"(
  {"dataId": "D0003", "dataNo": 3, "companyName": "山田商店", "fiscalFrom": 20250101,
   "fiscalTo": 20251231, "aoSiroKind": 4, "jigyouKind": 3,
   "white": {"general": [{"rowCode": 1, "itemKey": 1, "kamokuName": "売上", "amount": 12345670000}]}},
  {"dataId": "D0004", "dataNo": 4, "companyName": "過去商店", "dataKind": 99, "aoSiroKind": 4,
   "jigyouKind": 1})"),
            R"("appFolders": {"1": ")" + engineFolder + "\"}" + (extra.empty() ? "" : ", " + extra));
        return path;
    }

    StOUTCOME Run(const std::string& input, const std::string& dataSet, std::vector<std::string> args = {},
                  bool caller = false, const std::string& program = Program()) {
        StLAUNCH launch{program,
                        std::move(args),
                        input,
                        {"PATH=/usr/bin:/bin", "LANG=C.UTF-8", "HOME=" + root.path + "/home",
                         "XDG_DATA_HOME=" + root.path + "/xdg", "TMPDIR=" + root.path + "/tmp"},
                        caller};
        if (!dataSet.empty()) launch.env.push_back("VK_DATASET=" + dataSet);
        return Launch(launch);
    }

    static std::string Read(const std::string& path) { return ReadFileBytes(path); }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    // How often what occurs in text.
    static std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

    TempFolder root;
    std::string out;           // a folder for output files
    std::string engineFolder;  // the engine's folder type 1, with "/"

private:
    int dataSets_ = 0;
};
