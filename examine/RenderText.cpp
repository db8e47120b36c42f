#include <algorithm>

#include "examine/Render.h"

namespace {

std::string Pad(const std::string& text, std::size_t width, bool right) {
    const std::size_t used = DisplayWidth(text);
    const std::string fill(width > used ? width - used : 0, ' ');
    return right ? fill + text : text + fill;
}

void Table(const StTABLE& t, std::string& out) {
    out += "\n■ " + t.title + "\n";
    std::vector<std::size_t> widths(t.header.size());
    for (std::size_t c = 0; c < t.header.size(); ++c) widths[c] = DisplayWidth(t.header[c]);
    for (const StROW& row : t.rows) {
        for (std::size_t c = 0; c < row.cells.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row.cells[c]));
        }
    }
    auto line = [&](const std::vector<std::string>& cells, bool failed) {
        std::string text = failed ? "! " : "  ";
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            text += (c ? "  " : "") + Pad(cells[c], widths[c], t.numeric[c]);
        }
        while (text.ends_with(' ')) text.pop_back();
        out += text + "\n";
    };
    line(t.header, false);
    for (const StROW& row : t.rows) line(row.cells, row.failed);
    if (t.omitted > 0) out += "  … ほか " + std::to_string(t.omitted) + " 行（--all ですべて表示）\n";
}

}  // namespace

std::string RenderText(const StVIEW& view) {
    std::string out;
    std::size_t width = 0;
    for (const auto& [label, value] : view.head) width = std::max(width, DisplayWidth(label));
    for (const auto& [label, value] : view.head) out += Pad(label, width, false) + "  " + value + "\n";
    for (const StTABLE& t : view.tables) Table(t, out);
    out += "\n■ 検査\n";
    if (FailedChecks(view.findings) == 0) out += "  すべての検査に合格しました\n";
    for (const StFINDING& f : view.findings) out += "  " + FindingText(f) + "\n";
    return out;
}
