#include "report/Amount.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr std::uint64_t kUnit = 10000;  // ten-thousandths per whole unit

std::uint64_t Magnitude(std::int64_t value) {
    // Two's complement negation in unsigned arithmetic also holds for INT64_MIN.
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}
}  // namespace

ClAmount::ClAmount(std::int32_t wholeUnits, std::uint32_t tenThousandths) {
    SetMagnitude(wholeUnits < 0, Magnitude(wholeUnits) + tenThousandths / kUnit,
                 tenThousandths % kUnit);
}

ClAmount ClAmount::FromTenThousandths(std::int64_t value) {
    ClAmount a;
    std::uint64_t m = Magnitude(value);
    a.SetMagnitude(value < 0, m / kUnit, m % kUnit);
    return a;
}

ClAmount::ClAmount(const ClAmount& other)
    : whole(other.whole), fraction(other.fraction), sign(other.sign), valid(other.valid) {}

ClAmount& ClAmount::operator=(const ClAmount& other) {
    whole = other.whole;
    fraction = other.fraction;
    sign = other.sign;
    valid = other.valid;
    return *this;
}

void ClAmount::SetMagnitude(bool negative, std::uint64_t wholePart, std::uint64_t fractionPart) {
    wholePart += fractionPart / kUnit;
    fractionPart %= kUnit;
    whole = wholePart;
    fraction = static_cast<std::uint32_t>(fractionPart);
    sign = (negative && (wholePart != 0 || fractionPart != 0)) ? -1 : 1;
    valid = wholePart < kWholeLimit;
}

int ClAmount::Compare(const ClAmount& other) const {
    auto magnitudeOrder = [](const ClAmount& a, const ClAmount& b) {
        if (a.whole != b.whole) return a.whole < b.whole ? -1 : 1;
        if (a.fraction != b.fraction) return a.fraction < b.fraction ? -1 : 1;
        return 0;
    };
    bool zeroA = whole == 0 && fraction == 0;
    bool zeroB = other.whole == 0 && other.fraction == 0;
    int signA = zeroA ? 0 : sign;
    int signB = zeroB ? 0 : other.sign;
    if (signA != signB) return signA < signB ? -1 : 1;
    int order = magnitudeOrder(*this, other);
    return signA < 0 ? -order : order;
}

ClAmount ClAmount::operator-(const ClAmount& other) const {
    ClAmount result;
    if (!valid || !other.valid) {
        result.valid = false;
        return result;
    }
    // a - b as a + (-b) in sign and magnitude.
    bool negA = sign < 0;
    bool negB = other.sign >= 0;  // the sign of -b
    if (negA == negB) {
        std::uint64_t f = std::uint64_t{fraction} + other.fraction;
        std::uint64_t w = whole + other.whole;  // both below 10^18: no wrap
        result.SetMagnitude(negA, w, f);
        return result;
    }
    bool aLarger = (whole != other.whole) ? whole > other.whole : fraction >= other.fraction;
    const ClAmount& big = aLarger ? *this : other;
    const ClAmount& small = aLarger ? other : *this;
    std::uint64_t w = big.whole - small.whole;
    std::uint64_t f = big.fraction;
    if (f < small.fraction) {
        f += kUnit;
        --w;
    }
    result.SetMagnitude(aLarger ? negA : negB, w, f - small.fraction);
    return result;
}

bool ClAmount::operator>(const ClAmount& other) const { return Compare(other) > 0; }
bool ClAmount::operator<(const ClAmount& other) const { return Compare(other) < 0; }

bool ClAmount::Round(int mode, int decimals) {
    if (!valid || decimals < 0 || decimals > 3 || mode < kHalfUp || mode > kDown) return false;
    std::uint32_t step = 1;
    for (int i = decimals; i < 4; ++i) step *= 10;
    std::uint32_t rest = fraction % step;
    std::uint64_t f = fraction;
    if (mode == kHalfUp) {
        f = (f + step / 2) / step * step;
    } else if (mode == kUp) {
        if (rest != 0) f += step - rest;
    } else {
        f -= rest;
    }
    SetMagnitude(sign < 0, whole, f);
    return valid;
}

const char* ClAmount::Format(int decimals, int mode) {
    if (decimals < 0 || decimals > 4) return nullptr;
    if (decimals <= 3 && !Round(mode, decimals)) return nullptr;
    if (!valid) return nullptr;
    if (whole == 0 && fraction == 0) sign = 1;
    int n = std::snprintf(text, sizeof text, "%s%llu", sign < 0 ? "-" : "",
                          static_cast<unsigned long long>(whole));
    if (decimals > 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction));
        text[n] = '.';
        std::memcpy(text + n + 1, digits, static_cast<std::size_t>(decimals));
        text[n + 1 + decimals] = '\0';
    }
    return text;
}
