#include "examine/Examine.h"

#include <filesystem>
#include <fstream>

#include "examine/Checks.h"
#include "examine/Diff.h"
#include "examine/Render.h"
#include "examine/View.h"
#include "services/CodePage.h"

namespace {

constexpr const char* kUsage =
    "使い方: orbek-inspect [--all] [--html OUT.html] FILE.xml\n"
    "        orbek-inspect --diff OLD.xml NEW.xml\n"
    "所得税情報ファイル（Shift_JIS の XML）を読み、内容を表示して検査します。\n"
    "  --all        長い一覧もすべての行を表示する\n"
    "  --html OUT   同じ内容を1枚の HTML ページ（UTF-8、A4 印刷可）に書く\n"
    "  --diff A B   同じ会社の2つのファイルで違う金額と一覧の行を示す\n"
    "終了状態: 0 すべての検査に合格 / 1 不合格の検査あり（--diff: 違いあり） / 2 ファイルとして読めない\n";

// Paths stay as the system gave them (UTF-8 on Linux); messages show them in Shift_JIS.
std::string Shown(const std::string& path) { return Utf8ToSjis(path).value_or(path); }

// One buffer of the file's size: the file is held once while it is inspected.
bool ReadAll(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) return false;
    bytes.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(in.read(bytes.data(), static_cast<std::streamsize>(size)));
}

// The file read, or status 2 with the reason in run.err.
bool Load(const std::string& path, std::string& bytes, StEXPORT& file, StRUN& run) {
    if (!ReadAll(path, bytes)) {
        run = {2, "", Shown(path) + ": ファイルを読めません\n"};
        return false;
    }
    file = ReadExport(bytes);
    if (!file.isExport) {
        run = {2, "", Shown(path) + ": 所得税情報ファイル（ルート要素 REPORT の XML）ではありません\n"};
        return false;
    }
    return true;
}

StRUN Diff(const std::string& oldPath, const std::string& newPath) {
    StRUN run;
    std::string oldBytes, newBytes;
    StEXPORT before, after;
    if (!Load(oldPath, oldBytes, before, run) || !Load(newPath, newBytes, after, run)) return run;
    if (before.TextOf("KOMONSAKINAME") != after.TextOf("KOMONSAKINAME")) {
        return {2, "", "別の会社のファイルです: " + before.TextOf("KOMONSAKINAME") + " / " + after.TextOf("KOMONSAKINAME") + "\n"};
    }
    const std::vector<StCHANGE> changes = DiffExports(before, after);
    return {changes.empty() ? 0 : 1, RenderChanges(changes), ""};
}

StRUN Inspect(const std::string& path, const std::string& htmlPath, bool allRows) {
    StRUN run;
    std::string bytes;
    StEXPORT file;
    if (!Load(path, bytes, file, run)) return run;
    const std::vector<StFINDING> findings = CheckExport(bytes, file);
    const StVIEW view = BuildView(file, findings, allRows);
    run.out = RenderText(view);
    run.status = FailedChecks(findings) == 0 ? 0 : 1;
    if (!htmlPath.empty()) {
        std::ofstream html(htmlPath, std::ios::binary | std::ios::trunc);
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
        if (a == "--version") return {0, "orbek-inspect 17.00.00\n", ""};
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
