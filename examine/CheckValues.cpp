#include <charconv>

#include "examine/Checks.h"
#include "examine/Labels.h"

namespace {

bool IsInteger(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return false;
    std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() && (digits == "0" || digits[0] != '0');
}

bool IsRealDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day < 29 || leap;
}

bool IsDigits(std::string_view text, std::size_t length) {
    return text.size() == length && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int Number(std::string_view digits) {
    int n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return n;
}

bool IsArea(std::string_view text) {
    std::size_t dot = text.find('.');
    return dot != std::string_view::npos && text.size() - dot == 3 && IsInteger(text.substr(0, dot)) &&
           IsDigits(text.substr(dot + 1), 2);
}

// The codes and the values the exporter writes for them.
std::string_view CodesOf(std::string_view name) {
    if (name == "AOSIROKUBUN" || name == "AOIROKOUJO_SENTAKU") return "12";
    if (name == "SYOTOKUSYURUI") return "123";
    if (name == "IKKATU_KURIIRERITU") return "1";
    return "";
}

// Why the text is no value of its kind, or empty.
std::string Fault(const StELEMENT& e, ValueKind kind) {
    const std::string_view t = e.text;
    const bool required = e.name == "JIGYOUNENDOFROM" || e.name == "JIGYOUNENDOTO";
    if (t.empty()) return required || kind == ValueKind::kCode ? "値がありません" : "";
    switch (kind) {
    case ValueKind::kAmount:
    case ValueKind::kCount:
        return IsInteger(t) ? "" : "整数ではありません: " + e.text;
    case ValueKind::kDate:
        return IsDigits(t, 8) && IsRealDate(Number(t.substr(0, 4)), Number(t.substr(4, 2)), Number(t.substr(6, 2)))
                   ? "" : "実在する日付（yyyymmdd）ではありません: " + e.text;
    case ValueKind::kMonth:
        return IsDigits(t, 6) && IsRealDate(Number(t.substr(0, 4)), Number(t.substr(4, 2)), 1)
                   ? "" : "実在する年月（yyyymm）ではありません: " + e.text;
    case ValueKind::kArea:
        return IsArea(t) ? "" : "面積（小数2桁）ではありません: " + e.text;
    case ValueKind::kCode:
        return t.size() == 1 && CodesOf(e.name).find(t[0]) != std::string_view::npos ? "" : "区分の値ではありません: " + e.text;
    default:
        return "";
    }
}

}  // namespace

std::optional<long long> YenOf(std::string_view text) {
    if (text.empty()) return 0;
    if (!IsInteger(text)) return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<StFINDING> CheckValues(const StEXPORT& file) {
    std::vector<StFINDING> findings;
    for (const StELEMENT& e : file.elements) {
        if (!e.leaf) continue;
        std::string fault = Fault(e, LabelOf(e.name).kind);
        if (!fault.empty()) findings.push_back({e.line, e.name, fault});
    }
    const StELEMENT* from = file.Find("JIGYOUNENDOFROM");
    const StELEMENT* to = file.Find("JIGYOUNENDOTO");
    if (from && to && IsDigits(from->text, 8) && IsDigits(to->text, 8) && from->text > to->text) {
        findings.push_back({to->line, to->name, "事業年度の終わりが始まりより前です"});
    }
    return findings;
}
