#include "examine/Checks.h"
#include "examine/Shape.h"

namespace {

std::size_t EndOf(const std::vector<StELEMENT>& v, std::size_t k) {
    std::size_t end = k + 1;
    while (end < v.size() && v[end].depth > v[k].depth) ++end;
    return end;
}

class ClShapeMatch {
public:
    ClShapeMatch(const StEXPORT& file, const StEXPORT& shape) : file_(file.elements), shape_(shape.elements) {}

    // Walks the file against shape[j, jEnd) from file index i; false at the first mismatch.
    bool Match(std::size_t& i, std::size_t j, std::size_t jEnd) {
        while (j < jEnd) {
            if (shape_[j].count > 0) {
                if (!MatchRows(i, j)) return false;
                continue;
            }
            if (i >= file_.size()) return Fail(LastLine(), "", "<" + std::string(shape_[j].name) + "> がありません");
            const StELEMENT& got = file_[i];
            if (got.name != shape_[j].name && IsAbsentPayment(j, got)) {
                j += 2;
                continue;
            }
            if (got.name != shape_[j].name || got.depth != shape_[j].depth) {
                return Fail(got.line, got.name, Expected(shape_[j]) + " のところに " + Expected(got) + " があります");
            }
            if (got.count != 0) findings.push_back({got.line, got.name, "COUNT 属性は一覧の行にだけ書き出されます"});
            ++i;
            ++j;
        }
        return true;
    }

    bool Finish(std::size_t i) {
        if (i < file_.size())
            return Fail(file_[i].line, file_[i].name, "書き出されない要素 " + Expected(file_[i]) + " があります");
        return true;
    }

    std::vector<StFINDING> findings;

private:
    // A list: rows with COUNT 1..n; the letting list varies, every other has
    // the number of rows the exporter always writes.
    bool MatchRows(std::size_t& i, std::size_t& j) {
        const std::size_t first = j;
        const StELEMENT& row = shape_[first];
        const std::size_t bodyEnd = EndOf(shape_, j);
        int expected = 0;
        while (j < shape_.size() && shape_[j].name == row.name && shape_[j].depth == row.depth) {
            ++expected;
            j = EndOf(shape_, j);
        }
        const bool variable = row.name == "FUDOUSAN_UTIWAKE";
        const int capacity = variable ? kMaxLettingRows : expected;
        int rows = 0;
        while (i < file_.size() && file_[i].name == row.name && file_[i].depth == row.depth) {
            const StELEMENT& got = file_[i];
            if (++rows > capacity) {
                return Fail(got.line, got.name, "一覧が上限の " + std::to_string(capacity) + " 行を超えています");
            }
            if (got.count != rows) {
                return Fail(got.line, got.name, "COUNT が " + std::to_string(rows) + " ではありません");
            }
            ++i;
            if (!Match(i, first + 1, bodyEnd)) return false;
        }
        if (!variable && rows < expected) {
            return Fail(i < file_.size() ? file_[i].line : LastLine(), row.name,
                        "<" + std::string(row.name) + "> が " + std::to_string(expected) + " 行ではなく " +
                            std::to_string(rows) + " 行です");
        }
        return true;
    }

    // A land-rent row whose payment is of neither kind has no KENRIKIN and KOUSINRYOU.
    bool IsAbsentPayment(std::size_t j, const StELEMENT& got) const {
        return shape_[j].name == "KENRIKIN" && j + 2 < shape_.size() && shape_[j + 1].name == "KOUSINRYOU" &&
               shape_[j + 2].name == "TINSYAKURYOU" && got.name == "TINSYAKURYOU";
    }

    static std::string Expected(const StELEMENT& e) {
        return "<" + std::string(e.name) + ">（深さ " + std::to_string(e.depth) + "）";
    }
    int LastLine() const { return file_.empty() ? 1 : file_.back().line; }
    bool Fail(int line, std::string_view element, const std::string& message) {
        findings.push_back({line, element, message});
        return false;
    }

    const std::vector<StELEMENT>& file_;
    const std::vector<StELEMENT>& shape_;
};

}  // namespace

std::vector<StFINDING> CheckStructure(const StEXPORT& file) {
    const std::string blueWhite = file.TextOf("AOSIROKUBUN");
    const std::string income = file.TextOf("SYOTOKUSYURUI");
    const std::uint8_t aoSiroKind = blueWhite == "1" ? 3 : blueWhite == "2" ? 4 : 0;
    const std::int16_t incomeKind = income.size() == 1 ? static_cast<std::int16_t>(income[0] - '0') : 0;
    const StEXPORT shape = ExpectedShape(aoSiroKind, incomeKind);
    if (shape.elements.empty()) {
        const StELEMENT* basic = file.Find("BASIC");
        return {{basic ? basic->line : 1, "BASIC",
                 "申告の種類（AOSIROKUBUN）と所得の種類（SYOTOKUSYURUI）から構成が決まりません"}};
    }
    ClShapeMatch match(file, shape);
    std::size_t i = 0;
    if (match.Match(i, 0, shape.elements.size())) match.Finish(i);
    return match.findings;
}
