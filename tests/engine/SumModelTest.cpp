#include "engine/SumModel.h"

#include <gtest/gtest.h>

#include "platform/TaskMemory.h"

namespace {

StAOSUMINFO Row(std::int32_t rowCode, std::int32_t itemKey) {
    StAOSUMINFO row{};
    row.rowCode = rowCode;
    row.itemKey = itemKey;
    row.amount = rowCode * 10000LL;
    return row;
}

TEST(SumModel, FindSumRowByKeyAndByPosition) {
    StSUMMODEL model;
    for (int i = 1; i <= 50; ++i) model.sumList.push_back(Row(i, i % 7));
    StAOSUMINFO out = Row(-1, -1);
    EXPECT_TRUE(FindSumRow(model, 3, 0, &out));
    EXPECT_EQ(out.rowCode, 3);  // the first row with that key
    EXPECT_TRUE(FindSumRow(model, 43, 1, &out));
    EXPECT_EQ(out.rowCode, 43);
    EXPECT_EQ(out.amount, 430000);

    const StAOSUMINFO before = out;
    EXPECT_FALSE(FindSumRow(model, 0, 1, &out));
    EXPECT_FALSE(FindSumRow(model, 51, 1, &out));
    EXPECT_FALSE(FindSumRow(model, -1, 1, &out));
    EXPECT_FALSE(FindSumRow(model, 99, 0, &out));
    EXPECT_FALSE(FindSumRow(model, 1, 2, &out));
    EXPECT_FALSE(FindSumRow(model, 1, -1, &out));
    EXPECT_EQ(out.rowCode, before.rowCode);  // unchanged on a miss
    EXPECT_FALSE(FindSumRow(model, 1, 1, nullptr));
}

TEST(SumModel, FreeReleasesEngineBlocksAndRows) {
    StSUMMODEL model;
    model.sumList.push_back(Row(1, 1));
    model.ippan.generalBlock = TaskMemAlloc(1024);
    model.ippan.uriageSiireBlock = TaskMemAlloc(720);
    model.fudousan.kasitukeSuuBlock = TaskMemAlloc(56);
    model.tsukibetsu.slots[3] = 5;
    FreeSumModel(model);  // the sanitizer preset finds a block left behind
    EXPECT_TRUE(model.sumList.empty());
    EXPECT_EQ(model.ippan.generalBlock, nullptr);
    EXPECT_EQ(model.fudousan.kasitukeSuuBlock, nullptr);
    EXPECT_EQ(model.tsukibetsu.slots[3], 0);
    FreeSumModel(model);  // twice is harmless
}

}  // namespace
