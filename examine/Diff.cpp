#include "examine/Diff.h"

#include <unordered_map>

#include "examine/Labels.h"
#include "examine/View.h"

namespace {

struct StFIGURE {
    std::string key;    // section / row / element: the same figure in both files
    std::string where;
    const StELEMENT* element;
};

std::vector<StFIGURE> Figures(const StEXPORT& file) {
    std::vector<StFIGURE> figures;
    std::string section, sectionKey, row, rowKey;
    for (const StELEMENT& e : file.elements) {
        if (e.depth <= 3 && !e.leaf) {
            section = e.depth == 3 ? SectionTitle(e.name) : LabelOf(e.name).label;
            sectionKey = e.name;
            row.clear(), rowKey.clear();
        } else if (!e.leaf) {
            row = e.count > 0 ? " " + std::to_string(e.count) + "行目" : "";
            rowKey = e.name + "#" + std::to_string(e.count);
        }
        if (!e.leaf) continue;
        if (e.depth <= 4) row.clear(), rowKey.clear();
        figures.push_back({sectionKey + "/" + rowKey + "/" + e.name, section + row + " " + LabelOf(e.name).label, &e});
    }
    return figures;
}

std::string Value(const StELEMENT& e) {
    return LabelOf(e.name).kind == ValueKind::kAmount ? GroupedYen(e.text) : e.text;
}

}  // namespace

std::vector<StCHANGE> DiffExports(const StEXPORT& before, const StEXPORT& after) {
    const std::vector<StFIGURE> old = Figures(before);
    std::unordered_map<std::string, const StFIGURE*> byKey;
    for (const StFIGURE& f : old) byKey.emplace(f.key, &f);
    std::vector<StCHANGE> changes;
    for (const StFIGURE& f : Figures(after)) {
        auto it = byKey.find(f.key);
        if (it == byKey.end()) {
            changes.push_back({f.where, "", Value(*f.element), false, true});
            continue;
        }
        if (it->second->element->text != f.element->text) {
            changes.push_back({f.where, Value(*it->second->element), Value(*f.element)});
        }
        byKey.erase(it);
    }
    for (const StFIGURE& f : old) {
        if (byKey.count(f.key)) changes.push_back({f.where, Value(*f.element), "", true, false});
    }
    return changes;
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
