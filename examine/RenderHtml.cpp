// One page with everything inline, laid out like printed statements: no
// scripts, no fonts or images from elsewhere, A4 when printed.
#include <algorithm>

#include "examine/Render.h"
#include "services/CodePage.h"

namespace {

// Source literals are code page 932; the page is UTF-8.
std::string Html(const std::string& sjis) {
    std::string out;
    for (char c : SjisToUtf8Lossy(sjis)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Portrait A4 by default; lists of many columns go on landscape pages of
// their own. Tables take the page's width with fixed column widths measured
// from their content, so nothing runs off the page; only long text columns
// wrap. Table headings repeat on every printed page (thead).
constexpr const char* kStyle = R"(
@page { size: A4; margin: 12mm 10mm; }
@page wide { size: A4 landscape; margin: 10mm 8mm; }
body { font-family: "Noto Sans CJK JP", "IPAPGothic", "IPAGothic", "Meiryo", sans-serif; font-size: 10pt; color: #111; margin: 1.5em auto; max-width: 190mm; }
h1 { font-size: 15pt; border-bottom: 2px solid #333; padding-bottom: .2em; }
h2 { font-size: 11pt; margin: 1em 0 .3em; border-left: 5px solid #355; padding-left: .4em; break-after: avoid; }
table { border-collapse: collapse; margin-bottom: .6em; width: 100%; table-layout: fixed; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
th, td { border: 1px solid #999; padding: .1em .35em; overflow-wrap: anywhere; vertical-align: top; }
th { background: #eef2f2; font-weight: normal; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
section.wide { page: wide; max-width: none; }
section.wide table { font-size: 7.5pt; line-height: 1.25; }
section.wide th, section.wide td { padding: .05em .2em; }
dl.head { display: grid; grid-template-columns: max-content auto; gap: .2em 1.2em; }
dl.head dt { color: #444; } dl.head dd { margin: 0; font-weight: bold; }
tr.failed td, li.failed { background: #ffd9d9; }
li.warning { background: #fff3c4; }
p.ok { color: #075; font-weight: bold; } p.ng { color: #b00; font-weight: bold; }
p.more { color: #555; font-size: 9pt; }
@media screen { section.wide { width: 277mm; margin-left: calc((190mm - 277mm) / 2); } }
@media print { body { margin: 0; max-width: none; } }
)";

// A list with more columns than this goes on a landscape page.
constexpr std::size_t kPortraitColumns = 7;
// A text column is not measured wider than this (its text wraps beyond).
constexpr std::size_t kWidestText = 32;

// Each column's share of the width: its widest cell (numbers whole, texts up
// to kWidestText), its heading counting up to headingCap columns, as it wraps.
std::vector<std::size_t> ColumnWidths(const StTABLE& t, std::size_t headingCap) {
    std::vector<std::size_t> widths(t.header.size(), 2);
    for (std::size_t c = 0; c < t.header.size(); ++c)
        widths[c] = std::max<std::size_t>(2, std::min(DisplayWidth(t.header[c]), headingCap));
    for (const StROW& row : t.rows) {
        for (std::size_t c = 0; c < row.cells.size() && c < widths.size(); ++c) {
            const bool numeric = c < t.numeric.size() && t.numeric[c];
            widths[c] = std::max(
                widths[c], numeric ? DisplayWidth(row.cells[c]) : std::min(DisplayWidth(row.cells[c]), kWidestText));
        }
    }
    return widths;
}

void Table(const StTABLE& t, std::string& out) {
    const bool wide = t.header.size() > kPortraitColumns;
    out += wide ? "<section class=\"wide\">\n" : "<section>\n";
    const std::vector<std::size_t> widths = ColumnWidths(t, wide ? 8 : 12);  // a wide list's headings wrap
    std::size_t total = 0;
    for (std::size_t w : widths) total += w;
    // A narrow table is as wide as its content (a column of text about 0.6 em, and the padding).
    const std::size_t em = total * 62 / 100 + widths.size() + 1;
    out += "<h2>" + Html(t.title) + "</h2>\n<table style=\"width:min(100%," + std::to_string(em) + "em)\">\n<colgroup>";
    for (std::size_t w : widths) {
        const std::size_t permille = w * 1000 / std::max<std::size_t>(total, 1);
        out += "<col style=\"width:" + std::to_string(permille / 10) + "." + std::to_string(permille % 10) + "%\">";
    }
    out += "</colgroup>\n<thead><tr>";
    for (const std::string& h : t.header) out += "<th>" + Html(h) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const StROW& row : t.rows) {
        out += row.failed ? "<tr class=\"failed\">" : "<tr>";
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            out += (c < t.numeric.size() && t.numeric[c] ? "<td class=\"n\">" : "<td>") + Html(row.cells[c]) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
    if (t.omitted > 0)
        out +=
            "<p class=\"more\">" + Html("… ほか " + std::to_string(t.omitted) + " 行（--all ですべて表示）") + "</p>\n";
    out += "</section>\n";
}

}  // namespace

std::string RenderHtml(const StVIEW& view) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      Html(view.head.empty() ? "" : view.head.front().second) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n<h1>" + Html("所得税情報ファイルの内容") +
                      "</h1>\n<dl class=\"head\">\n";
    for (const auto& [label, value] : view.head) out += "<dt>" + Html(label) + "</dt><dd>" + Html(value) + "</dd>\n";
    out += "</dl>\n<h2>" + Html("検査") + "</h2>\n";
    const std::size_t failed = FailedChecks(view.findings);
    if (failed == 0)
        out += "<p class=\"ok\">" + Html("すべての検査に合格しました") + "</p>\n";
    else
        out += "<p class=\"ng\">" + Html(std::to_string(failed) + " 件の検査に不合格です") + "</p>\n";
    if (!view.findings.empty()) out += "<ul>\n";
    for (const StFINDING& f : view.findings) {
        out += std::string(f.warning ? "<li class=\"warning\">" : "<li class=\"failed\">") + Html(FindingText(f)) +
               "</li>\n";
    }
    if (!view.findings.empty()) out += "</ul>\n";
    for (const StTABLE& t : view.tables) Table(t, out);
    return out + "</body>\n</html>\n";
}
