#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "StandinTestData.h"
#include "StandinTestEnv.h"

namespace {

struct StRun {
    int status;
    std::string out, err;
};

StRun Check(const std::string& file) {
    const std::string base = NativePath(ORBEK_BINARY_DIR "/vkdataset-test");
    const std::string tool = NativePath(ORBEK_BINARY_DIR "/standin/vkdataset");
    StRun run{RunCommand("\"" + tool + "\" check \"" + file + "\" >\"" + base + ".out\" 2>\"" + base + ".err\""), {}, {}};
    for (auto [text, suffix] : {std::pair{&run.out, ".out"}, std::pair{&run.err, ".err"}}) {
        std::stringstream content;
        content << std::ifstream(base + suffix).rdbuf();
        *text = content.str();
    }
    return run;
}

}  // namespace

TEST(VkdatasetTool, ShowsWhatAGoodFileHoldsAndRefusesABadOneWithStatus1) {
    StRun run = Check(NativePath(ORBEK_SOURCE_DIR "/standin/demo/demo-dataset.json"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("companies: 3"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(U8(u8"山田木工所　山田 太郎  (selected)")), std::string::npos);  // UTF-8
    EXPECT_NE(run.out.find("blue general: pl 45, bsAssets 24, bsLiabilities 24 rows"), std::string::npos);
    EXPECT_NE(run.out.find("dataKind 99 (past results)"), std::string::npos);

    const std::string path = NativePath(ORBEK_BINARY_DIR "/vkdataset-bad.json");
    std::ofstream(path) << R"({"format": 1, "companies": [{"dataNo": 1, "dataId": "A"}, {"dataNo": 1, "dataId": "B"}]})";
    run = Check(path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "engine data set " + path + ": $.companies[1].dataNo: dataNo 1 is already used by companies[0]\n");
    std::remove(path.c_str());
}
