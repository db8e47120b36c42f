// The blue-return special deduction.
#include "ReportFixture.h"

namespace {
// A blue company whose 43rd summary row holds the income before the deduction.
std::string Koujo(std::int64_t realEstate, std::int64_t before, int choice) {
    std::string rows;
    for (int i = 1; i <= 42; ++i) rows += R"({"itemKey": )" + std::to_string(1000 + i) + R"(, "amount": 10000}, )";
    return ReportCompany(3, R"("blue": {"general": {"pl": [)" + rows + R"({"itemKey": 43, "amount": )" +
                                std::to_string(before) + R"(}]}}, "ippan": {"general": {"fudousanRow21Amount": )" +
                                std::to_string(realEstate) + R"(, "aoKoujoSentaku": )" + std::to_string(choice) + "}}");
}
}  // namespace

TEST(AoiroKoujo, TakesTheDeductionFromRealEstateFirst) {
    const struct {
        std::int64_t realEstate, before;
        std::uint8_t choice;
        const char *r, *b, *sentaku, *applied, *other;  // the choice 0 is written 2
    } cases[] = {
        {Yen(400000), Yen(3000000), 1, "400000", "3000000", "1", "250000", ""},
        {0, Yen(300000), 1, "0", "300000", "1", "300000", ""},
        {Yen(150000), Yen(3000000), 0, "150000", "3000000", "2", "", "0"},  // the digit 0, not empty
        {Yen(50000), Yen(3000000), 0, "50000", "3000000", "2", "", "50000"},
        {-Yen(200000), Yen(3000000), 1, "0", "3000000", "1", "650000", ""},  // a loss leaves the whole limit
        {0, -Yen(10000), 1, "0", "0", "1", "0", ""},                         // and a loss before gives 0
        {0, Yen(1234) + 5000, 1, "0", "1235", "1", "1235", ""},              // rounded half up
        {Yen(649999) + 5000, Yen(10), 1, "650000", "10", "1", "0", ""},
    };
    for (const auto& c : cases) {
        ReportFixture f(Koujo(c.realEstate, c.before, c.choice));
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteAoiroKoujo(run.writer), 1);
        EXPECT_TRUE(SameReportBytes(
            Line("FUDOUSANSYOTOKU", c.r) + Line("AOIROKOUJOMAESYOTOKU", c.b) + Line("AOIROKOUJO_SENTAKU", c.sentaku) +
                Line("AOIROKOUJO_KOUJYOGAKU", c.applied) + Line("JOUKIIGAI_KOUJYOGAKU", c.other),
            run.Text()))
            << c.realEstate << " / " << c.before;
    }
}

// A choice neither 0 nor 1 fails both sections that write it, the second
// before it writes anything.
TEST(AoiroKoujo, AnUnknownChoiceFailsTheSection) {
    ReportFixture f(Koujo(Yen(1), Yen(2), 2));
    BuilderRun deduction(f), statement(f);
    EXPECT_EQ(deduction.builder.WriteAoiroKoujo(deduction.writer), 0);
    EXPECT_FALSE(statement.builder.WriteAoiroKoujoSentaku(statement.writer));
    EXPECT_EQ(statement.Text(), "");
}
