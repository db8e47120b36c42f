#include "engine/SaveBlocks.h"

#include <gtest/gtest.h>

#include <cstring>

#include "services/TaskMemory.h"

TEST(SaveBlocks, ReadsStayInsideTheBlockAndAMissingBlockReadsAsZeros) {
    void* block = TaskMemAlloc(16);
    ASSERT_NE(block, nullptr);
    std::memcpy(static_cast<char*>(block) + 2, "ABCDEFGH", 8);  // no terminator inside the 4-byte field
    ASSERT_TRUE(StoreAmount(block, 8, -123456789012LL));
    const ClBlockView view = ClBlockView::Of(block);
    EXPECT_EQ(view.Text(2, 4), "ABCD");
    EXPECT_EQ(view.Amount(8), -123456789012LL);
    EXPECT_EQ(view.Amount(9), 0);  // would cross the end
    EXPECT_EQ(view.Count(14), 0);
    EXPECT_EQ(view.Text(14, 10).size(), 2u);  // cut at the block end
    EXPECT_FALSE(StoreAmount(block, 12, 1));
    EXPECT_EQ(view.Sub(12, 8).size(), 4u);
    TaskMemFree(block);

    const ClBlockView missing = ClBlockView::Of(nullptr);
    EXPECT_EQ(missing.Amount(0), 0);
    EXPECT_EQ(missing.Byte(521), 0);
    EXPECT_TRUE(missing.Text(349, 128).empty());
}
