#include "report/Amount.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "report/ReportBuilder.h"
#include "report/ValueText.h"

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
    using Case = std::tuple<std::int64_t, int, int, const char*>;  // the amount, decimals, mode, text
    for (auto [value, decimals, mode, text] :
         {Case{-12345678, 0, kHalfUp, "-1235"},
          {12345678, 1, kHalfUp, "1234.6"},
          {12345678, 3, kHalfUp, "1234.568"},
          {12345678, 4, kHalfUp, "1234.5678"},
          {-12341001, 2, kUp, "-1234.11"},
          {-12349999, 3, kDown, "-1234.999"},
          // Half a yen goes up, just below half down; the carry reaches the whole units.
          {12345000, 0, kHalfUp, "1235"},
          {12344999, 0, kHalfUp, "1234"},
          {99999999, 2, kHalfUp, "10000.00"},
          // Zero, also after rounding a small negative, has no sign.
          {0, 0, kHalfUp, "0"},
          {-4999, 0, kHalfUp, "0"},
          {-1, 2, kDown, "0.00"},
          // The extremes stay exact; bad arguments give no text.
          {kMax, 4, kHalfUp, "922337203685477.5807"},
          {kMin, 4, kHalfUp, "-922337203685477.5808"},
          {1, 5, kHalfUp, "(none)"},
          {1, 0, 3, "(none)"}}) {
        EXPECT_EQ(Fmt(value, decimals, mode), text) << value << "/" << decimals;
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
