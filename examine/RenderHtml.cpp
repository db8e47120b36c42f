// One page with everything inline, laid out like printed statements: no
// scripts, no fonts or images from elsewhere, A4 when printed.
#include "examine/Render.h"
#include "services/CodePage.h"

namespace {

// Source literals are code page 932; the page is UTF-8.
std::string Html(const std::string& sjis) {
    std::string out;
    for (char c : SjisToUtf8Lossy(sjis)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

constexpr const char* kStyle = R"(
@page { size: A4; margin: 15mm 12mm; }
body { font-family: "Noto Sans CJK JP", "IPAPGothic", "IPAGothic", "Meiryo", sans-serif; font-size: 10.5pt; color: #111; margin: 1.5em auto; max-width: 190mm; }
h1 { font-size: 15pt; border-bottom: 2px solid #333; padding-bottom: .2em; }
h2 { font-size: 11.5pt; margin: 1.2em 0 .3em; border-left: 5px solid #355; padding-left: .4em; }
table { border-collapse: collapse; margin-bottom: .6em; page-break-inside: auto; }
tr { page-break-inside: avoid; }
th, td { border: 1px solid #999; padding: .15em .5em; }
th { background: #eef2f2; font-weight: normal; }
td.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
dl.head { display: grid; grid-template-columns: max-content auto; gap: .2em 1.2em; }
dl.head dt { color: #444; } dl.head dd { margin: 0; font-weight: bold; }
tr.failed td, li.failed { background: #ffd9d9; }
p.ok { color: #075; font-weight: bold; } p.ng { color: #b00; font-weight: bold; }
p.more { color: #555; font-size: 9pt; }
@media print { body { margin: 0; max-width: none; } h2 { page-break-after: avoid; } }
)";

void Table(const StTABLE& t, std::string& out) {
    out += "<h2>" + Html(t.title) + "</h2>\n<table>\n<tr>";
    for (const std::string& h : t.header) out += "<th>" + Html(h) + "</th>";
    out += "</tr>\n";
    for (const StROW& row : t.rows) {
        out += row.failed ? "<tr class=\"failed\">" : "<tr>";
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            out += (c < t.numeric.size() && t.numeric[c] ? "<td class=\"n\">" : "<td>") + Html(row.cells[c]) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>\n";
    if (t.omitted > 0) out += "<p class=\"more\">" + Html("… ほか " + std::to_string(t.omitted) + " 行（--all ですべて表示）") + "</p>\n";
}

}  // namespace

std::string RenderHtml(const StVIEW& view) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      Html(view.head.empty() ? "" : view.head.front().second) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n<h1>" + Html("所得税情報ファイルの内容") + "</h1>\n<dl class=\"head\">\n";
    for (const auto& [label, value] : view.head) out += "<dt>" + Html(label) + "</dt><dd>" + Html(value) + "</dd>\n";
    out += "</dl>\n<h2>" + Html("検査") + "</h2>\n";
    const std::size_t failed = FailedChecks(view.findings);
    if (failed == 0) out += "<p class=\"ok\">" + Html("すべての検査に合格しました") + "</p>\n";
    else out += "<p class=\"ng\">" + Html(std::to_string(failed) + " 件の検査に不合格です") + "</p>\n";
    if (!view.findings.empty()) out += "<ul>\n";
    for (const StFINDING& f : view.findings) {
        out += std::string(f.warning ? "<li class=\"warning\">" : "<li class=\"failed\">") + Html(FindingText(f)) + "</li>\n";
    }
    if (!view.findings.empty()) out += "</ul>\n";
    for (const StTABLE& t : view.tables) Table(t, out);
    return out + "</body>\n</html>\n";
}
