#include "examine/Examine.h"

#include <filesystem>
#include <fstream>

#include "examine/Checks.h"
#include "examine/Diff.h"
#include "examine/Render.h"
#include "examine/View.h"
#include "services/CodePage.h"
#include "OrbekVersion.h"

namespace {

constexpr const char* kUsage =
    "使い方: orbek-inspect [--all] [--html OUT.html] FILE.xml\n"
    "        orbek-inspect --diff OLD.xml NEW.xml\n"
    "所得税情報ファイル（Shift_JIS の XML）を読み、内容を表示して検査します。\n"
    "  --all        長い一覧もすべての行を表示する\n"
    "  --html OUT   同じ内容を1枚の HTML ページ（UTF-8、A4 印刷可）に書く\n"
    "  --diff A B   同じ会社の2つのファイルで違う金額と一覧の行を示す\n"
    "終了状態: 0 すべての検査に合格 / 1 不合格の検査あり（--diff: 違いあり） / 2 ファイルとして読めない\n";

// Paths come in UTF-8 (on Windows from the wide command line); messages show them in Shift_JIS.
std::string Shown(const std::string& path) { return Utf8ToSjis(path).value_or(path); }

std::filesystem::path FilePath(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }

// One buffer of the file's size: the file is held once while it is inspected.
bool ReadAll(const std::string& utf8Path, std::string& bytes) {
    const std::filesystem::path path = FilePath(utf8Path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) return false;
    bytes.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(in.read(bytes.data(), static_cast<std::streamsize>(size)));
}

// An export read: its bytes checked and repaired before the parser reads them.
struct StLOADED {
    StEXPORT file;
    std::vector<StFINDING> byteFindings;
};

// The file read, or status 2 with the reason in run.err. The bytes are let go
// once parsed: only the elements are held while the file is inspected.
bool Load(const std::string& path, StLOADED& loaded, StRUN& run) {
    std::string bytes;
    if (!ReadAll(path, bytes)) {
        run = {2, "", Shown(path) + ": ファイルを読めません\n"};
        return false;
    }
    StBYTECHECK scan = CheckBytes(bytes);
    if (!scan.repaired.empty()) bytes.swap(scan.repaired);
    scan.repaired = std::string();
    loaded.file = ReadExport(bytes, scan.startTags);
    loaded.byteFindings = std::move(scan.findings);
    if (!loaded.file.isExport) {
        run = {2, "", Shown(path) + ": 所得税情報ファイル（ルート要素 REPORT の XML）ではありません\n"};
        return false;
    }
    return true;
}

// A file the differences cannot be trusted for: it does not read to its end
// as XML, or its elements are not those the exporter writes.
bool Comparable(const std::string& path, const StEXPORT& file, StRUN& run) {
    std::vector<StFINDING> blocking = file.findings;
    const std::vector<StFINDING> structure = CheckStructure(file);
    blocking.insert(blocking.end(), structure.begin(), structure.end());
    if (blocking.empty()) return true;
    run.status = 2;
    run.err += Shown(path) + ": 構造の検査に不合格のため比べられません\n";
    for (const StFINDING& f : blocking) run.err += "  " + FindingText(f) + "\n";
    return false;
}

StRUN Diff(const std::string& oldPath, const std::string& newPath) {
    StRUN run;
    StLOADED before, after;
    if (!Load(oldPath, before, run) || !Load(newPath, after, run)) return run;
    const bool comparable = Comparable(oldPath, before.file, run);
    if (!Comparable(newPath, after.file, run) || !comparable) return run;
    std::string reason;
    if (!SameKindOfExport(before.file, after.file, reason)) return {2, "", "比べられません: " + reason + "\n"};
    const std::vector<StCHANGE> changes = DiffExports(before.file, after.file);
    return {changes.empty() ? 0 : 1, RenderChanges(changes), ""};
}

StRUN Inspect(const std::string& path, const std::string& htmlPath, bool allRows) {
    StRUN run;
    StLOADED loaded;
    if (!Load(path, loaded, run)) return run;
    const std::vector<StFINDING> findings = CheckExport(loaded.byteFindings, loaded.file);
    const StVIEW view = BuildView(loaded.file, findings, allRows);
    run.out = RenderText(view);
    run.status = FailedChecks(findings) == 0 ? 0 : 1;
    if (!htmlPath.empty()) {
        std::ofstream html(FilePath(htmlPath), std::ios::binary | std::ios::trunc);
        html << RenderHtml(view);
        if (!html.flush()) return {2, run.out, Shown(htmlPath) + ": HTML ファイルを書けません\n"};
    }
    return run;
}

}  // namespace

StRUN RunInspect(const std::vector<std::string>& args) {
    std::string file, html;
    bool all = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") return {0, kUsage, ""};
        if (a == "--version") return {0, "orbek-inspect " ORBEK_VERSION_TEXT "\n", ""};
        if (a == "--diff") {
            if (i != 0 || args.size() != 3) return {2, "", kUsage};
            return Diff(args[i + 1], args[i + 2]);
        }
        if (a == "--all") {
            all = true;
        } else if (a == "--html" && i + 1 < args.size()) {
            html = args[++i];
        } else if (a.starts_with("-") || !file.empty()) {
            return {2, "", "使えない引数です: " + Shown(a) + "\n" + kUsage};
        } else {
            file = a;
        }
    }
    if (file.empty()) return {2, "", kUsage};
    return Inspect(file, html, all);
}
