#include "engine/SumModel.h"

#include <gtest/gtest.h>

#include "services/TaskMemory.h"

TEST(SumModel, FindSumRowByKeyAndByPosition) {
    StSUMMODEL model;
    for (int i = 1; i <= 5; ++i) model.sumList.push_back({i, i % 3, {}, 0, 0, {}});
    StAOSUMINFO out{};
    EXPECT_TRUE(FindSumRow(model, 1, 0, &out));
    EXPECT_EQ(out.rowCode, 1);  // the first row with that key
    EXPECT_TRUE(FindSumRow(model, 5, 1, &out));
    EXPECT_EQ(out.rowCode, 5);
    for (auto [key, mode] : {std::pair{0, 1}, {6, 1}, {-1, 1}, {9, 0}, {1, 2}, {1, -1}}) {
        EXPECT_FALSE(FindSumRow(model, key, static_cast<std::int16_t>(mode), &out)) << key << "/" << mode;
    }
    EXPECT_EQ(out.rowCode, 5);  // unchanged on a miss
    EXPECT_FALSE(FindSumRow(model, 1, 1, nullptr));
}

TEST(SumModel, FreeReleasesEngineBlocksAndRows) {
    StSUMMODEL model;
    model.ippan.generalBlock = TaskMemAlloc(1024);
    model.fudousan.kasitukeSuuBlock = TaskMemAlloc(56);
    FreeSumModel(model);  // the sanitizer preset finds a block left behind
    EXPECT_EQ(model.fudousan.kasitukeSuuBlock, nullptr);
    FreeSumModel(model);  // twice is harmless
}
