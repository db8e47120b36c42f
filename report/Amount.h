#pragma once
// A signed fixed-point amount with four decimal places (ten-thousandths), as
// the deduction computation and the area texts need it: compared, subtracted,
// rounded symmetrically around zero and formatted.
//
// An overflow (a magnitude of 10^18 whole units or more, or a difference that
// does not fit) makes the amount invalid instead of throwing: an invalid
// amount formats to no text, so no wrong figure can reach the report.
#include <cstdint>

class ClAmount {
public:
    enum EnRoundMode : int { HalfUp = 0, Up = 1, Down = 2 };

    ClAmount() = default;
    // whole units plus a fraction in ten-thousandths; 10000 or more carries.
    ClAmount(std::int32_t wholeUnits, std::uint32_t tenThousandths);
    // A 64-bit count of ten-thousandths, the unit of the engine's amounts.
    static ClAmount FromTenThousandths(std::int64_t value);

    ClAmount(const ClAmount& other);
    ClAmount& operator=(const ClAmount& other);
    virtual ~ClAmount() = default;

    ClAmount operator-(const ClAmount& other) const;
    bool operator>(const ClAmount& other) const;
    bool operator<(const ClAmount& other) const;

    // mode 0 half up, 1 up, 2 down; decimals 0 to 3. False (amount unchanged)
    // for another mode or decimals; false and the amount invalid on overflow.
    bool Round(int mode, int decimals);
    // decimals 0 to 3 round first with mode; 4 shows the amount as it is.
    // Null for decimals above 4, a failed rounding or an invalid amount.
    const char* Format(int decimals, int mode);

    bool Valid() const { return valid_; }

private:
    static constexpr std::uint64_t kWholeLimit = 1000000000000000000ULL;  // 10^18

    void SetMagnitude(bool negative, std::uint64_t wholePart, std::uint64_t fractionPart);
    // Compares sign x (whole, fraction); both amounts valid.
    int Compare(const ClAmount& other) const;

    std::uint64_t whole_ = 0;
    std::uint32_t fraction_ = 0;  // 0 to 9999
    std::int16_t sign_ = 1;
    bool valid_ = true;
    char text_[28] = {};
};
