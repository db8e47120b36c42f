#include <gtest/gtest.h>

#include <cstdlib>

#include "StandinTestEnv.h"
#include "standin/StandinCore.h"
#include "standin/StandinEngine.h"

namespace {

StStandinDataset Demo() {
    StStandinDataset data;
    StDatasetError error;
    EXPECT_TRUE(ParseDataset(DemoDatasetJson(), data, error)) << error.path << ": " << error.problem;
    return data;
}

const StStandinCompany* ByNo(const StStandinDataset& data, std::int32_t dataNo) {
    for (const auto& company : data.companies) {
        if (company.info.dataNo == dataNo) return &company;
    }
    return nullptr;
}

}  // namespace

TEST(Demo, WithoutVkDatasetTheEngineRunsOnTheDemo) {
    ClScopedEnv noFile("VK_DATASET", nullptr);
    VkStandinEngine engine;
    VkBindEngine(&engine);
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    const StDATAINFO* info = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    EXPECT_STREQ(info->companyName, "山田木工所　山田 太郎");
    EXPECT_EQ(info->dataNo, 1);
    VkBindEngine(nullptr);
}

TEST(Demo, CoversEveryPartOfTheReport) {
    StStandinDataset data = Demo();
    ASSERT_EQ(data.users.size(), 2u);
    EXPECT_NE(data.users[0].selNo2, data.users[1].selNo2);

    const StStandinCompany* blue = ByNo(data, data.users[0].selNo2);
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->info.aoSiroKind, 3);
    EXPECT_EQ(blue->info.jigyouKind, 3);
    EXPECT_NE(blue->info.seizoGenkaFlag, 0);
    // The deduction reads the 43rd row of the general statement: the income before it.
    ASSERT_GE(blue->blue[0].pl.size(), 43u);
    // (Copies: the engine's records are packed, their fields not aligned.)
    StAOSUMINFO first = blue->blue[0].pl[0], before = blue->blue[0].pl[42];
    StAOSUMINFO income = blue->blue[0].bsLiabilities.back();
    EXPECT_EQ(first.rowCode, 1);
    EXPECT_EQ(before.rowCode, 43);
    EXPECT_EQ(income.rowCode, 24);
    EXPECT_EQ(std::int64_t{income.amount}, std::int64_t{before.amount});
    bool row21 = false;
    for (const auto& row : blue->blue[1].pl) row21 = row21 || row.rowCode == 21;
    EXPECT_TRUE(row21);
    EXPECT_FALSE(blue->manufacturing.empty());
    StAOSUMINFO_TSUKIBETSU monthly = blue->monthly;
    EXPECT_NE(std::int64_t{monthly.slots[11]}, 0);
    EXPECT_NE(std::int64_t{monthly.slots[26]}, 0);
    EXPECT_GE(blue->settingsLists.size(), 13u);
    for (const auto& list : blue->settingsLists) EXPECT_GT(list.rows, 0u) << list.name;

    const StStandinCompany* white = ByNo(data, data.users[1].selNo2);
    ASSERT_NE(white, nullptr);
    EXPECT_EQ(white->info.aoSiroKind, 4);
    EXPECT_FALSE(white->white[0].empty());
    EXPECT_FALSE(white->white[1].empty());

    bool past = false;
    for (const auto& company : data.companies) past = past || company.info.dataKind == 99;
    EXPECT_TRUE(past);
}
