#include "report/Amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "report/ReportBuilder.h"
#include "report/ValueText.h"
#include "support/CaseFile.h"

namespace {
constexpr int kHalfUp = ClAmount::HalfUp, kUp = ClAmount::Up, kDown = ClAmount::Down;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = std::numeric_limits<std::int64_t>::min();

std::string Fmt(std::int64_t tenThousandths, int decimals, int mode) {
    ClAmount amount = ClAmount::FromTenThousandths(tenThousandths);  // holds the text
    const char* text = amount.Format(decimals, mode);
    return text ? text : "(none)";
}
}  // namespace

TEST(Amount, RoundsSymmetricallyInEveryModeAndPrecision) {
    const std::map<std::string, int> modes = {{"HalfUp", kHalfUp}, {"Up", kUp}, {"Down", kDown}, {"3", 3}};
    for (const StCASE& c : ReadCases("report/data/rounding.cases")) {
        EXPECT_EQ(Fmt(std::stoll(c["amount"]), std::stoi(c["decimals"]), modes.at(c["mode"])), c["text"]) << c.where;
    }
    ClAmount five(5, 0);
    EXPECT_FALSE(five.Round(kHalfUp, 4));
    // Every amount the constructors can make stays far below 10^18 whole units.
    EXPECT_TRUE(ClAmount::FromTenThousandths(kMax).Round(kUp, 0));
}

TEST(Amount, ConstructsSubtractsAndCompares) {
    EXPECT_STREQ(ClAmount(-3, 12500).Format(4, 0), "-4.2500");  // the fraction carries
    const ClAmount limit(650000, 0), income = ClAmount::FromTenThousandths(4000000000);
    EXPECT_TRUE(income < limit);
    EXPECT_TRUE(limit > income);
    EXPECT_FALSE(income > income);
    EXPECT_TRUE(ClAmount(-2, 0) < ClAmount(-1, 0));
    EXPECT_STREQ((income - limit).Format(0, 0), "-250000");
    EXPECT_STREQ((ClAmount(1, 0) - ClAmount::FromTenThousandths(15000)).Format(4, 0), "-0.5000");
    EXPECT_STREQ((ClAmount::FromTenThousandths(kMax) - ClAmount::FromTenThousandths(kMin)).Format(4, 0),
                 "1844674407370955.1615");
}

TEST(Amount, AreaTexts) {
    EXPECT_EQ(AreaText(-123450), "-12.35");  // half away from zero
    EXPECT_EQ(AreaText(49), "0.00");         // not zero: written with its digits
    char small[6] = "keep";
    EXPECT_FALSE(ClReportBuilder::FormatArea(1000000, small, sizeof small, 2));  // "100.00" needs 7
    EXPECT_STREQ(small, "keep");
    EXPECT_TRUE(ClReportBuilder::FormatArea(1000000, small, sizeof small, 0));
    EXPECT_STREQ(small, "100");
}
