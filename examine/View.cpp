#include "examine/View.h"

#include <set>

#include "examine/Checks.h"
#include "examine/Labels.h"
#include "common/Sjis.h"

namespace {

constexpr int kSectionDepth = 3;

struct StRANGE {
    std::size_t begin, end;  // the children of one element
};

std::size_t EndOf(const std::vector<StELEMENT>& v, std::size_t k) {
    std::size_t end = k + 1;
    while (end < v.size() && v[end].depth > v[k].depth) ++end;
    return end;
}

bool IsNumeric(EnValueKind kind) {
    return kind == EnValueKind::Amount || kind == EnValueKind::Count || kind == EnValueKind::Area;
}

std::string Shown(const StELEMENT& e) {
    const std::string t(e.text);
    switch (LabelOf(e.name).kind) {
        case EnValueKind::Amount:
            return GroupedYen(t);
        case EnValueKind::Date:
            return t.size() == 8 ? t.substr(0, 4) + "/" + t.substr(4, 2) + "/" + t.substr(6) : t;
        case EnValueKind::Month:
            return t.size() == 6 ? t.substr(0, 4) + "/" + t.substr(4) : t;
        default:
            return ShownEscaped(t);
    }
}

class ClViewBuilder {
public:
    ClViewBuilder(const StEXPORT& file, const std::vector<StFINDING>& findings, bool allRows)
        : v_(file.elements), allRows_(allRows) {
        for (const StFINDING& f : findings) {
            if (!f.warning) failedLines_.insert(f.line);
        }
    }

    void Section(std::size_t k, StVIEW& view) {
        const StRANGE r{k + 1, EndOf(v_, k)};
        const std::string title = SectionTitle(v_[k].name);
        if (v_[k].name == "TUKIBETUURIAGESHIIRE") return view.tables.push_back(Monthly(title, r));
        if (v_[k].name == "TAISYAKUTAISYOUHYO") return view.tables.push_back(Balance(title, r));
        StTABLE list = List(title, r);
        const bool isList = !list.header.empty();
        if (isList) view.tables.push_back(std::move(list));
        StTABLE items = Items(isList ? title + "（続き）" : title, r);
        if (!items.rows.empty() || !isList) view.tables.push_back(std::move(items));
    }

private:
    StROW Row(std::vector<std::string> cells, std::initializer_list<const StELEMENT*> sources) {
        StROW row{std::move(cells), false};
        for (const StELEMENT* e : sources) row.failed = row.failed || (e && failedLines_.count(e->line));
        return row;
    }

    // The section's own leaves as label and value; an account name labels the amount after it.
    StTABLE Items(const std::string& title, StRANGE r) {
        StTABLE t{title, {"項目", "金額・内容"}, {false, true}, {}, 0};
        const StELEMENT* kamoku = nullptr;
        bool numbers = true;  // the values are right-aligned when all are figures
        for (std::size_t i = r.begin; i < r.end; ++i) {
            const StELEMENT& e = v_[i];
            if (e.depth != kSectionDepth + 1 || !e.leaf) continue;
            if (e.name.ends_with("_KAMOKU")) {
                kamoku = &e;
                continue;
            }
            const bool named = kamoku && kamoku->name == std::string(e.name) + "_KAMOKU" && !kamoku->text.empty();
            t.rows.push_back(Row({named ? ShownEscaped(kamoku->text) : LabelOf(e.name).label, Shown(e)}, {&e, kamoku}));
            numbers = numbers && (IsNumeric(LabelOf(e.name).kind) || LabelOf(e.name).kind == EnValueKind::Code);
            kamoku = nullptr;
        }
        t.numeric[1] = numbers;
        if (!numbers) t.header[1] = "内容";
        return t;
    }

    // The rows of a list (elements with COUNT), one column per field of the first row.
    StTABLE List(const std::string& title, StRANGE r) {
        StTABLE t{title, {}, {}, {}, 0};
        std::size_t total = 0;
        for (std::size_t i = r.begin; i < r.end; i = EndOf(v_, i)) {
            if (v_[i].leaf) continue;
            ++total;
            if (t.header.empty()) {
                t.header.push_back("行");
                t.numeric.push_back(true);
                for (std::size_t c = i + 1; c < EndOf(v_, i); ++c) {
                    t.header.push_back(LabelOf(v_[c].name).label);
                    t.numeric.push_back(IsNumeric(LabelOf(v_[c].name).kind));
                }
            }
            if (!allRows_ && t.rows.size() >= kShownRows) continue;
            StROW row{{std::to_string(v_[i].count)}, failedLines_.count(v_[i].line) > 0};
            for (std::size_t c = i + 1; c < EndOf(v_, i); ++c) {
                row.cells.push_back(Shown(v_[c]));
                row.failed = row.failed || failedLines_.count(v_[c].line);
            }
            t.rows.push_back(std::move(row));
        }
        if (total > 0) t.title += "（" + std::to_string(total) + "件）";
        t.omitted = total - t.rows.size();
        return t;
    }

    StTABLE Monthly(const std::string& title, StRANGE r) {
        StTABLE t{title, {"月", "売上（収入）金額", "仕入金額"}, {false, true, true}, {}, 0};
        auto find = [&](const std::string& name) -> const StELEMENT* {
            for (std::size_t i = r.begin; i < r.end; ++i)
                if (v_[i].name == name) return &v_[i];
            return nullptr;
        };
        auto text = [](const StELEMENT* e) { return e ? Shown(*e) : std::string(); };
        long long sales = 0, purchases = 0;
        for (int m = 1; m <= 12; ++m) {
            const StELEMENT* s = find("URIAGEKINGAKU" + std::to_string(m));
            const StELEMENT* p = find("SIIREKINGAKU" + std::to_string(m));
            sales += s ? YenOf(s->text).value_or(0) : 0;
            purchases += p ? YenOf(p->text).value_or(0) : 0;
            t.rows.push_back(Row({std::to_string(m) + "月", text(s), text(p)}, {s, p}));
        }
        for (const char* name : {"KAJISYOUHI", "ZATUSYUNYU"}) {
            const StELEMENT* e = find(name);
            sales += e ? YenOf(e->text).value_or(0) : 0;
            t.rows.push_back(Row({LabelOf(name).label, text(e), ""}, {e}));
        }
        t.rows.push_back({{"計", GroupedYen(std::to_string(sales)), GroupedYen(std::to_string(purchases))}, false});
        return t;
    }

    // One row per account: its name (or the account name the file carries), opening and closing.
    StTABLE Balance(const std::string& title, StRANGE r) {
        StTABLE t{title, {"科目", "期首", "期末"}, {false, true, true}, {}, 0};
        std::string stem;
        for (std::size_t i = r.begin; i < r.end; ++i) {
            const StELEMENT& e = v_[i];
            const std::size_t cut = e.name.rfind('_');
            const std::string_view column = cut == std::string::npos ? "" : e.name.substr(cut + 1);
            const std::string_view s = cut == std::string::npos ? e.name : e.name.substr(0, cut);
            if (t.rows.empty() || s != stem) {
                stem = s;
                t.rows.push_back({{LabelOf(s).label, "", ""}, false});
            }
            StROW& row = t.rows.back();
            row.failed = row.failed || failedLines_.count(e.line);
            if (column == "KAMOKU" && !e.text.empty()) row.cells[0] = ShownEscaped(e.text);
            if (column == "KISYU") row.cells[1] = Shown(e);
            if (column == "KIMATU") row.cells[2] = Shown(e);
        }
        return t;
    }

    const std::vector<StELEMENT>& v_;
    bool allRows_;
    std::set<int> failedLines_;
};

std::string ReturnKind(const std::string& code) {
    return code == "1" ? "青色申告" : code == "2" ? "白色申告" : "不明（" + code + "）";
}

std::string IncomeKind(const std::string& code) {
    if (code == "1") return "営業所得用（一般用）";
    if (code == "2") return "その他所得用（一般用）";
    if (code == "3") return "不動産所得用";
    return "不明（" + code + "）";
}

std::string Date(const std::string& t) {
    return t.size() == 8 ? t.substr(0, 4) + "年" + t.substr(4, 2) + "月" + t.substr(6) + "日" : t;
}

}  // namespace

std::string GroupedYen(std::string_view text) {
    const bool negative = text.starts_with('-');
    std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return negative ? "△" + out : out;
}

std::string ShownEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::size_t DisplayWidth(std::string_view sjis) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < sjis.size();) {
        const std::size_t n = sjis::CharLengthAt(sjis, i);
        width += n;  // in code page 932 a double-byte character is a full-width one
        i += n;
    }
    return width;
}

std::string FindingText(const StFINDING& f) {
    return std::to_string(f.line) + "行目" + (f.element.empty() ? "" : " <" + f.element + ">") + ": " +
           (f.warning ? "注意 " : "") + f.message;
}

std::size_t FailedChecks(const std::vector<StFINDING>& findings) {
    std::size_t n = 0;
    for (const StFINDING& f : findings) n += !f.warning;
    return n;
}

StVIEW BuildView(const StEXPORT& file, const std::vector<StFINDING>& findings, bool allRows) {
    StVIEW view;
    view.findings = findings;
    view.head = {
        {"会社名", ShownEscaped(file.TextOf("KOMONSAKINAME"))},
        {"事業年度", Date(file.TextOf("JIGYOUNENDOFROM")) + " ～ " + Date(file.TextOf("JIGYOUNENDOTO"))},
        {"申告の種類", ReturnKind(file.TextOf("AOSIROKUBUN"))},
        {"所得の種類", IncomeKind(file.TextOf("SYOTOKUSYURUI"))},
        {"作成したプログラム", ShownEscaped(file.TextOf("PROGRAMNAME") + " " + file.TextOf("PROGRAMVER") + "（連動 " +
                                            file.TextOf("CONNECTEDPROGRAMVER") + "）")},
    };
    ClViewBuilder builder(file, findings, allRows);
    for (std::size_t k = 0; k < file.elements.size(); ++k) {
        if (file.elements[k].depth == kSectionDepth) builder.Section(k, view);
    }
    return view;
}
