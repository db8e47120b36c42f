#include "examine/Diff.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "examine/Labels.h"
#include "examine/RowAlignment.h"
#include "examine/View.h"

namespace {

constexpr int kSectionDepth = 3;

std::size_t EndOf(const std::vector<StELEMENT>& v, std::size_t k) {
    std::size_t end = k + 1;
    while (end < v.size() && v[end].depth > v[k].depth) ++end;
    return end;
}

std::string Value(const StELEMENT& e) {
    return LabelOf(e.name).kind == EnValueKind::Amount ? GroupedYen(e.text) : ShownEscaped(e.text);
}

struct StROWREF {
    std::size_t begin, end;  // the row element and its fields
    std::uint64_t hash;
};

struct StLIST {
    std::string where;
    std::vector<StROWREF> rows;
};

// An export as figures (leaves outside list rows, by section and name) and
// lists (rows by section and row element), pointing into its elements.
struct StFIGURE {
    std::size_t index;
    std::string section;
};

struct StFIGURES {
    std::unordered_map<std::string, StFIGURE> figures;  // by section and element name
    std::vector<std::string> figureOrder;
    std::unordered_map<std::string, StLIST> lists;
    std::vector<std::string> listOrder;
};

std::uint64_t RowHash(const std::vector<StELEMENT>& v, std::size_t begin, std::size_t end) {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t i = begin + 1; i < end; ++i) {
        h = (h ^ std::hash<std::string_view>{}(v[i].name)) * 1099511628211ULL;
        h = (h ^ std::hash<std::string_view>{}(v[i].text)) * 1099511628211ULL;
    }
    return h;
}

std::string SectionWhere(const StELEMENT& e) {
    return e.depth == kSectionDepth ? SectionTitle(e.name) : LabelOf(e.name).label;
}

StFIGURES Figures(const StEXPORT& file) {
    StFIGURES f;
    const auto& v = file.elements;
    std::string section, sectionKey;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const StELEMENT& e = v[i];
        if (!e.leaf && e.count > 0) {  // a list row: its fields belong to it
            const std::size_t end = EndOf(v, i);
            const std::string key = sectionKey + "/" + std::string(e.name);
            auto [it, fresh] = f.lists.try_emplace(key, StLIST{section, {}});
            if (fresh) f.listOrder.push_back(key);
            it->second.rows.push_back({i, end, RowHash(v, i, end)});
            i = end - 1;
            continue;
        }
        if (!e.leaf && e.depth <= kSectionDepth) {
            section = SectionWhere(e);
            sectionKey = e.name;
        }
        if (!e.leaf) continue;
        const std::string key = sectionKey + "/" + std::string(e.name);
        if (f.figures.emplace(key, StFIGURE{i, section}).second) f.figureOrder.push_back(key);
    }
    return f;
}

class ClDiff {
public:
    ClDiff(const StEXPORT& before, const StEXPORT& after) : a_(before.elements), b_(after.elements) {}

    void Figures(const StFIGURES& a, const StFIGURES& b) {
        for (const std::string& key : b.figureOrder) {
            const StFIGURE& f = b.figures.at(key);
            const StELEMENT& e = b_[f.index];
            auto it = a.figures.find(key);
            if (it == a.figures.end())
                changes.push_back({Where(f, e), "", Value(e), false, true});
            else if (a_[it->second.index].text != e.text)
                changes.push_back({Where(f, e), Value(a_[it->second.index]), Value(e)});
        }
        for (const std::string& key : a.figureOrder) {
            const StFIGURE& f = a.figures.at(key);
            if (!b.figures.count(key)) changes.push_back({Where(f, a_[f.index]), Value(a_[f.index]), "", true, false});
        }
    }

    void Lists(const StFIGURES& a, const StFIGURES& b) {
        static const StLIST kNone;
        for (const std::string& key : b.listOrder) {
            auto it = a.lists.find(key);
            List(it == a.lists.end() ? kNone : it->second, b.lists.at(key));
        }
        for (const std::string& key : a.listOrder) {
            if (!b.lists.count(key)) List(a.lists.at(key), StLIST{a.lists.at(key).where, {}});
        }
    }

    std::vector<StCHANGE> changes;

private:
    // Rows equal in content are matched; in each run between matches a removed
    // row and an added one are taken as one changed row, field by field.
    void List(const StLIST& a, const StLIST& b) {
        const std::string& where = b.where.empty() ? a.where : b.where;
        auto equal = [&](std::size_t i, std::size_t j) {
            return a.rows[i].hash == b.rows[j].hash && SameRow(a.rows[i], b.rows[j]);
        };
        const std::vector<StEDIT> edits = AlignRows(a.rows.size(), b.rows.size(), equal);
        for (const StEDIT& run : edits) {
            const std::size_t paired = std::min(run.removed, run.added);
            for (std::size_t k = 0; k < paired; ++k) ChangedRow(where, a.rows[run.before + k], b.rows[run.after + k]);
            for (std::size_t k = paired; k < run.removed; ++k) {
                const StROWREF& r = a.rows[run.before + k];
                changes.push_back({RowWhere(where, a_[r.begin]), RowText(a_, r), "", true, false});
            }
            for (std::size_t k = paired; k < run.added; ++k) {
                const StROWREF& r = b.rows[run.after + k];
                changes.push_back({RowWhere(where, b_[r.begin]), "", RowText(b_, r), false, true});
            }
        }
    }

    bool SameRow(const StROWREF& x, const StROWREF& y) const {
        if (x.end - x.begin != y.end - y.begin) return false;
        for (std::size_t k = 1; k < x.end - x.begin; ++k) {
            if (a_[x.begin + k].name != b_[y.begin + k].name || a_[x.begin + k].text != b_[y.begin + k].text)
                return false;
        }
        return true;
    }

    void ChangedRow(const std::string& where, const StROWREF& x, const StROWREF& y) {
        const std::string row = RowWhere(where, b_[y.begin]);
        std::unordered_map<std::string_view, const StELEMENT*> old;
        for (std::size_t k = x.begin + 1; k < x.end; ++k) old.emplace(a_[k].name, &a_[k]);
        for (std::size_t k = y.begin + 1; k < y.end; ++k) {
            auto it = old.find(b_[k].name);
            const std::string field = row + " " + LabelOf(b_[k].name).label;
            if (it == old.end())
                changes.push_back({field, "", Value(b_[k]), false, true});
            else if (it->second->text != b_[k].text)
                changes.push_back({field, Value(*it->second), Value(b_[k])});
            if (it != old.end()) old.erase(it);
        }
        for (std::size_t k = x.begin + 1; k < x.end; ++k) {
            if (old.count(a_[k].name))
                changes.push_back({row + " " + LabelOf(a_[k].name).label, Value(a_[k]), "", true, false});
        }
    }

    static std::string RowWhere(const std::string& where, const StELEMENT& row) {
        return where + " " + std::to_string(row.count) + "行目";
    }

    static std::string RowText(const std::vector<StELEMENT>& v, const StROWREF& r) {
        std::string text;
        for (std::size_t k = r.begin + 1; k < r.end; ++k) text += (k > r.begin + 1 ? " / " : "") + Value(v[k]);
        return text;
    }

    static std::string Where(const StFIGURE& f, const StELEMENT& e) { return f.section + " " + LabelOf(e.name).label; }

    const std::vector<StELEMENT>& a_;
    const std::vector<StELEMENT>& b_;
};

}  // namespace

bool SameKindOfExport(const StEXPORT& before, const StEXPORT& after, std::string& reason) {
    auto differs = [&](const char* name) { return before.TextOf(name) != after.TextOf(name); };
    if (differs("AOSIROKUBUN"))
        reason = "申告の種類（青色・白色）が違います";
    else if (differs("SYOTOKUSYURUI"))
        reason = "所得の種類が違います";
    else if (differs("JIGYOUNENDOFROM") || differs("JIGYOUNENDOTO"))
        reason = "事業年度が違います";
    return reason.empty();
}

std::vector<StCHANGE> DiffExports(const StEXPORT& before, const StEXPORT& after) {
    const StFIGURES a = Figures(before), b = Figures(after);
    ClDiff diff(before, after);
    diff.Figures(a, b);
    diff.Lists(a, b);
    return std::move(diff.changes);
}

std::string RenderChanges(const std::vector<StCHANGE>& changes) {
    std::string out;
    for (const StCHANGE& c : changes) {
        out += (c.added ? "+ " : c.removed ? "- " : "~ ") + c.where + ": ";
        out += c.added ? "（なし） → " + c.after : c.removed ? c.before + " → （なし）" : c.before + " → " + c.after;
        out += "\n";
    }
    out += changes.empty() ? "違いはありません\n" : std::to_string(changes.size()) + " 件の違いがあります\n";
    return out;
}
