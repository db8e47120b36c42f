#include "report/Amount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "report/ReportBuilder.h"
#include "report/ValueText.h"

namespace {
std::string Fmt(std::int64_t tenThousandths, int decimals, int mode) {
    ClAmount a = ClAmount::FromTenThousandths(tenThousandths);
    const char* t = a.Format(decimals, mode);
    return t ? t : "(none)";
}
}  // namespace

TEST(Amount, RoundsSymmetricallyInEveryModeAndPrecision) {
    // 1234.5678 and -1234.5678
    EXPECT_EQ(Fmt(12345678, 0, ClAmount::kHalfUp), "1235");
    EXPECT_EQ(Fmt(-12345678, 0, ClAmount::kHalfUp), "-1235");
    EXPECT_EQ(Fmt(12345678, 1, ClAmount::kHalfUp), "1234.6");
    EXPECT_EQ(Fmt(12345678, 2, ClAmount::kHalfUp), "1234.57");
    EXPECT_EQ(Fmt(12345678, 3, ClAmount::kHalfUp), "1234.568");
    EXPECT_EQ(Fmt(12345678, 4, ClAmount::kHalfUp), "1234.5678");
    EXPECT_EQ(Fmt(12341001, 0, ClAmount::kUp), "1235");
    EXPECT_EQ(Fmt(-12341001, 2, ClAmount::kUp), "-1234.11");
    EXPECT_EQ(Fmt(12349999, 0, ClAmount::kDown), "1234");
    EXPECT_EQ(Fmt(-12349999, 3, ClAmount::kDown), "-1234.999");
    // Half a yen goes up; just below half goes down; the carry reaches the whole units.
    EXPECT_EQ(Fmt(12345000, 0, ClAmount::kHalfUp), "1235");
    EXPECT_EQ(Fmt(12344999, 0, ClAmount::kHalfUp), "1234");
    EXPECT_EQ(Fmt(99999999, 2, ClAmount::kHalfUp), "10000.00");
    // Zero, also after rounding a small negative, has no sign.
    EXPECT_EQ(Fmt(0, 0, ClAmount::kHalfUp), "0");
    EXPECT_EQ(Fmt(-4999, 0, ClAmount::kHalfUp), "0");
    EXPECT_EQ(Fmt(-1, 2, ClAmount::kDown), "0.00");
    // Bad arguments give no text.
    EXPECT_EQ(Fmt(1, 5, ClAmount::kHalfUp), "(none)");
    EXPECT_EQ(Fmt(1, 0, 3), "(none)");
    ClAmount a(5, 0);
    EXPECT_FALSE(a.Round(ClAmount::kHalfUp, 4));
}

TEST(Amount, ConstructsSubtractsAndCompares) {
    EXPECT_STREQ(ClAmount(3, 12500).Format(4, 0), "4.2500");  // the fraction carries
    EXPECT_STREQ(ClAmount(-3, 2500).Format(2, 0), "-3.25");
    ClAmount limit(650000, 0);
    ClAmount r = ClAmount::FromTenThousandths(4000000000);
    EXPECT_TRUE(r < limit);
    EXPECT_TRUE(limit > r);
    EXPECT_FALSE(r > r);
    EXPECT_STREQ((limit - r).Format(0, 0), "250000");
    EXPECT_STREQ((r - limit).Format(0, 0), "-250000");
    EXPECT_STREQ((ClAmount(1, 0) - ClAmount::FromTenThousandths(15000)).Format(4, 0), "-0.5000");
    EXPECT_STREQ((ClAmount(-1, 0) - ClAmount(2, 5000)).Format(1, 0), "-3.5");
    EXPECT_TRUE(ClAmount(-2, 0) < ClAmount(-1, 0));
    EXPECT_TRUE(ClAmount::FromTenThousandths(-1) < ClAmount(0, 0));
    ClAmount copy = ClAmount::FromTenThousandths(-7);
    EXPECT_STREQ(ClAmount(copy).Format(4, 0), "-0.0007");
}

TEST(Amount, ExtremeValuesStayExact) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Fmt(kMax, 4, 0), "922337203685477.5807");
    EXPECT_EQ(Fmt(kMin, 4, 0), "-922337203685477.5808");
    ClAmount span = ClAmount::FromTenThousandths(kMax) - ClAmount::FromTenThousandths(kMin);
    EXPECT_STREQ(span.Format(4, 0), "1844674407370955.1615");
    // Every amount the constructors can make stays far below 10^18 whole units.
    ClAmount big = ClAmount::FromTenThousandths(kMax);
    EXPECT_TRUE(big.Round(ClAmount::kUp, 0));
}

TEST(Amount, AreaTexts) {
    EXPECT_EQ(AreaText(123450), "12.35");     // 12.345 m2
    EXPECT_EQ(AreaText(1000000), "100.00");
    EXPECT_EQ(AreaText(1234567), "123.46");
    EXPECT_EQ(AreaText(-123450), "-12.35");
    EXPECT_EQ(AreaText(49), "0.00");          // not zero: written with its digits
    EXPECT_EQ(AreaText(0), "");
    char small[6] = "keep";
    EXPECT_FALSE(ClReportBuilder::FormatArea(1000000, small, sizeof small, 2));  // "100.00" needs 7
    EXPECT_STREQ(small, "keep");
    EXPECT_TRUE(ClReportBuilder::FormatArea(1000000, small, sizeof small, 0));
    EXPECT_STREQ(small, "100");
}
