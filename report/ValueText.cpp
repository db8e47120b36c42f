#include "report/ValueText.h"

#include "common/Sjis.h"
#include "report/Amount.h"
#include "report/ReportBuilder.h"

namespace {
std::string DecimalOrEmpty(std::int64_t value) { return value == 0 ? std::string() : std::to_string(value); }
}  // namespace

std::string AmountText(std::int64_t value) { return DecimalOrEmpty(value / 10000); }

std::string CountText(std::int32_t value) { return DecimalOrEmpty(value); }

std::string ContractMonthText(std::int32_t date) { return DecimalOrEmpty(date / 100); }

std::string PaymentDateText(std::int32_t date) { return DecimalOrEmpty(date); }

std::string AreaText(std::int64_t value) {
    char text[128] = {};
    if (value != 0) ClReportBuilder::FormatArea(value, text, sizeof text, 2);
    return text;
}

std::string ClReportBuilder::CopyBounded(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, sjis::CutLength(text, limit)));
}

bool ClReportBuilder::FormatArea(std::int64_t value, char* dest, std::size_t size, int decimals) {
    ClAmount area = ClAmount::FromTenThousandths(value);
    const char* text = area.Format(decimals, ClAmount::HalfUp);
    if (!text || !dest) return false;
    std::string_view t(text);
    if (t.size() >= size) return false;
    t.copy(dest, t.size());
    dest[t.size()] = '\0';
    return true;
}
