#include <charconv>
#include <unordered_map>

#include "examine/Checks.h"
#include "examine/Labels.h"
#include "examine/View.h"

namespace {

// The engine holds amounts as signed 64-bit ten-thousandths of a yen; the
// file carries whole yen, so no amount it can hold is beyond this.
constexpr long long kMaxYen = 922337203685477LL;
constexpr long long kMaxCount = 2147483647LL;  // counts are signed 32-bit in the engine
constexpr long long kMaxMonthsWorked = 12;

bool IsDigits(std::string_view text, std::size_t length) {
    return text.size() == length && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsRealDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day < 29 || leap;
}

int Number(std::string_view digits) {
    int n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return n;
}

// Why the text is not an integer as the exporter writes one, within
// [-max, max], or empty; display is the value as the message shows it.
std::string IntegerFault(std::string_view text, long long max, std::string_view display) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return "整数ではありません: " + ShownEscaped(display);
    }
    if (text == "-0") return "「-0」は書き出されない値です";
    if (digits.size() > 1 && digits[0] == '0') return "先頭に 0 がある数は書き出されません: " + ShownEscaped(display);
    long long value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || value > max)
        return "範囲外の値です（絶対値 " + std::to_string(max) + " まで）: " + ShownEscaped(display);
    return {};
}

// Counts, ages, months and areas are never negative.
std::string NonNegativeFault(std::string_view text) {
    return text.starts_with('-') ? "負の値です: " + ShownEscaped(text) : "";
}

std::string AreaFault(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || text.size() - dot != 3 || !IsDigits(text.substr(dot + 1), 2)) {
        return "面積（小数2桁）ではありません: " + ShownEscaped(text);
    }
    const std::string_view whole = text.substr(text.starts_with('-') ? 1 : 0, dot - (text.starts_with('-') ? 1 : 0));
    std::string fault = IntegerFault(whole, kMaxYen, text);
    return fault.empty() ? NonNegativeFault(text) : fault;
}

std::string CountFault(const StELEMENT& e) {
    std::string fault = IntegerFault(e.text, kMaxCount, e.text);
    if (fault.empty()) fault = NonNegativeFault(e.text);
    if (fault.empty() && e.name == "JUUJITUKISUU" && YenOf(e.text).value_or(0) > kMaxMonthsWorked) {
        fault = "従事月数は 0～12 です: " + ShownEscaped(e.text);
    }
    return fault;
}

// The codes and the values the exporter writes for them.
std::string_view CodesOf(std::string_view name) {
    if (name == "AOSIROKUBUN" || name == "AOIROKOUJO_SENTAKU") return "12";
    if (name == "SYOTOKUSYURUI") return "123";
    if (name == "IKKATU_KURIIRERITU") return "1";
    return "";
}

// Why the text is no value of its kind, or empty.
std::string Fault(const StELEMENT& e, EnValueKind kind) {
    const std::string_view t = e.text;
    const bool required = e.name == "JIGYOUNENDOFROM" || e.name == "JIGYOUNENDOTO";
    if (t.empty()) return required || kind == EnValueKind::Code ? "値がありません" : "";
    switch (kind) {
        case EnValueKind::Amount:
            return IntegerFault(t, kMaxYen, t);
        case EnValueKind::Count:
            return CountFault(e);
        case EnValueKind::Date:
            return IsDigits(t, 8) && IsRealDate(Number(t.substr(0, 4)), Number(t.substr(4, 2)), Number(t.substr(6, 2)))
                       ? ""
                       : "実在する日付（yyyymmdd）ではありません: " + ShownEscaped(t);
        case EnValueKind::Month:
            return IsDigits(t, 6) && IsRealDate(Number(t.substr(0, 4)), Number(t.substr(4, 2)), 1)
                       ? ""
                       : "実在する年月（yyyymm）ではありません: " + ShownEscaped(t);
        case EnValueKind::Area:
            return AreaFault(t);
        case EnValueKind::Code:
            return t.size() == 1 && CodesOf(e.name).find(t[0]) != std::string_view::npos
                       ? ""
                       : "区分の値ではありません: " + ShownEscaped(t);
        default:
            return "";
    }
}

// TAB, CR and LF in a one-line text: the exporter passes them on as the
// engine gives them, so they are worth a look but do not fail the file.
void CheckLineBreaks(const StELEMENT& e, std::vector<StFINDING>& findings) {
    if (e.text.find_first_of("\t\r\n") == std::string::npos) return;
    findings.push_back({e.line, e.name, "1行の文字列にタブか改行があります: " + ShownEscaped(e.text), true});
}

}  // namespace

std::optional<long long> YenOf(std::string_view text) {
    if (text.empty()) return 0;
    if (!IntegerFault(text, kMaxYen, "").empty()) return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<StFINDING> CheckValues(const StEXPORT& file) {
    std::vector<StFINDING> findings;
    // Elements share their names (one copy per export), so each name's kind is found once.
    std::unordered_map<const char*, EnValueKind> kinds;
    for (const StELEMENT& e : file.elements) {
        if (!e.leaf) continue;
        auto known = kinds.find(e.name.data());
        if (known == kinds.end()) known = kinds.emplace(e.name.data(), LabelOf(e.name).kind).first;
        const EnValueKind kind = known->second;
        std::string fault = Fault(e, kind);
        if (!fault.empty()) findings.push_back({e.line, e.name, fault});
        if (kind == EnValueKind::Text) CheckLineBreaks(e, findings);
    }
    const StELEMENT* from = file.Find("JIGYOUNENDOFROM");
    const StELEMENT* to = file.Find("JIGYOUNENDOTO");
    if (from && to && IsDigits(from->text, 8) && IsDigits(to->text, 8) && from->text > to->text) {
        findings.push_back({to->line, to->name, "事業年度の終わりが始まりより前です"});
    }
    return findings;
}
