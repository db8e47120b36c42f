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
    SetMagnitude(wholeUnits < 0, Magnitude(wholeUnits) + tenThousandths / kUnit, tenThousandths % kUnit);
}

ClAmount ClAmount::FromTenThousandths(std::int64_t value) {
    ClAmount a;
    std::uint64_t m = Magnitude(value);
    a.SetMagnitude(value < 0, m / kUnit, m % kUnit);
    return a;
}

ClAmount::ClAmount(const ClAmount& other)
    : whole_(other.whole_), fraction_(other.fraction_), sign_(other.sign_), valid_(other.valid_) {}

ClAmount& ClAmount::operator=(const ClAmount& other) {
    whole_ = other.whole_;
    fraction_ = other.fraction_;
    sign_ = other.sign_;
    valid_ = other.valid_;
    return *this;
}

void ClAmount::SetMagnitude(bool negative, std::uint64_t wholePart, std::uint64_t fractionPart) {
    wholePart += fractionPart / kUnit;
    fractionPart %= kUnit;
    whole_ = wholePart;
    fraction_ = static_cast<std::uint32_t>(fractionPart);
    sign_ = (negative && (wholePart != 0 || fractionPart != 0)) ? -1 : 1;
    valid_ = wholePart < kWholeLimit;
}

int ClAmount::Compare(const ClAmount& other) const {
    auto magnitudeOrder = [](const ClAmount& a, const ClAmount& b) {
        if (a.whole_ != b.whole_) return a.whole_ < b.whole_ ? -1 : 1;
        if (a.fraction_ != b.fraction_) return a.fraction_ < b.fraction_ ? -1 : 1;
        return 0;
    };
    bool zeroA = whole_ == 0 && fraction_ == 0;
    bool zeroB = other.whole_ == 0 && other.fraction_ == 0;
    int signA = zeroA ? 0 : sign_;
    int signB = zeroB ? 0 : other.sign_;
    if (signA != signB) return signA < signB ? -1 : 1;
    int order = magnitudeOrder(*this, other);
    return signA < 0 ? -order : order;
}

ClAmount ClAmount::operator-(const ClAmount& other) const {
    ClAmount result;
    if (!valid_ || !other.valid_) {
        result.valid_ = false;
        return result;
    }
    // a - b as a + (-b) in sign and magnitude.
    bool negA = sign_ < 0;
    bool negB = other.sign_ >= 0;  // the sign of -b
    if (negA == negB) {
        std::uint64_t f = std::uint64_t{fraction_} + other.fraction_;
        std::uint64_t w = whole_ + other.whole_;  // both below 10^18: no wrap
        result.SetMagnitude(negA, w, f);
        return result;
    }
    bool aLarger = (whole_ != other.whole_) ? whole_ > other.whole_ : fraction_ >= other.fraction_;
    const ClAmount& big = aLarger ? *this : other;
    const ClAmount& small = aLarger ? other : *this;
    std::uint64_t w = big.whole_ - small.whole_;
    std::uint64_t f = big.fraction_;
    if (f < small.fraction_) {
        f += kUnit;
        --w;
    }
    result.SetMagnitude(aLarger ? negA : negB, w, f - small.fraction_);
    return result;
}

bool ClAmount::operator>(const ClAmount& other) const { return Compare(other) > 0; }
bool ClAmount::operator<(const ClAmount& other) const { return Compare(other) < 0; }

bool ClAmount::Round(int mode, int decimals) {
    if (!valid_ || decimals < 0 || decimals > 3 || mode < HalfUp || mode > Down) return false;
    std::uint32_t step = 1;
    for (int i = decimals; i < 4; ++i) step *= 10;
    std::uint32_t rest = fraction_ % step;
    std::uint64_t f = fraction_;
    if (mode == HalfUp) {
        f = (f + step / 2) / step * step;
    } else if (mode == Up) {
        if (rest != 0) f += step - rest;
    } else {
        f -= rest;
    }
    SetMagnitude(sign_ < 0, whole_, f);
    return valid_;
}

const char* ClAmount::Format(int decimals, int mode) {
    if (decimals < 0 || decimals > 4) return nullptr;
    if (decimals <= 3 && !Round(mode, decimals)) return nullptr;
    if (!valid_) return nullptr;
    if (whole_ == 0 && fraction_ == 0) sign_ = 1;
    int n = std::snprintf(text_, sizeof text_, "%s%llu", sign_ < 0 ? "-" : "", static_cast<unsigned long long>(whole_));
    if (decimals > 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction_));
        text_[n] = '.';
        std::memcpy(text_ + n + 1, digits, static_cast<std::size_t>(decimals));
        text_[n + 1 + decimals] = '\0';
    }
    return text_;
}
