// The remembered-path file: one record per user and company data,
// "userId/selNo1/selNo2:extra1/extra2/incomeKind/outputPath" and a LF.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include "dialog/ConditionDlg.h"
#include "dialog/PathHelpers.h"
#include "engine/AppFolder.h"

namespace {

// Far above what the file ever holds; a larger file is not ours to read.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
// Beside the file; held by the run that rewrites it.
constexpr char kLockSuffix[] = ".lock";

// Start of the first record whose line begins with key; npos when none.
// A key met inside another record's text is no match.
std::size_t FindRecord(std::string_view content, std::string_view key) {
    for (std::size_t line = 0; line < content.size();) {
        if (content.substr(line, key.size()) == key) return line;
        std::size_t lf = content.find('\n', line);
        if (lf == std::string_view::npos) break;
        line = lf + 1;
    }
    return std::string_view::npos;
}

// The content without the records of key, every line kept ended by a LF.
// One pass: the file may hold many stale records of the same key.
std::string WithoutRecords(std::string_view content, std::string_view key) {
    std::string kept;
    kept.reserve(content.size() + 1);
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        const std::string_view line = content.substr(0, lf);
        if (line.substr(0, key.size()) != key) {
            kept += line;
            kept += '\n';
        }
        content.remove_prefix(lf == std::string_view::npos ? content.size() : lf + 1);
    }
    return kept;
}

// A signed decimal field that fits 16 bits.
std::optional<std::int16_t> ShortField(std::string_view text) {
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 5) return std::nullopt;
    std::int32_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (text[0] == '-') value = -value;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

struct StREMEMBERED {
    std::int16_t kind;
    std::string path;
};

// The value "extra1/extra2/incomeKind/outputPath" (without its LF). The path
// is everything after the third "/": POSIX paths hold "/" themselves.
std::optional<StREMEMBERED> ParseValue(std::string_view value) {
    std::optional<std::int16_t> fields[3];
    for (auto& field : fields) {
        std::size_t slash = value.find('/');
        if (slash == std::string_view::npos) return std::nullopt;
        field = ShortField(value.substr(0, slash));
        if (!field) return std::nullopt;
        value.remove_prefix(slash + 1);
    }
    // A NUL would cut the path for every system call.
    if (value.size() >= kPathCapacity || value.find('\0') != std::string_view::npos) return std::nullopt;
    return StREMEMBERED{*fields[2], std::string(value)};
}

}  // namespace

std::string ClConditionDlg::RecordKey() const {
    return std::string(userId, strnlen(userId, sizeof userId)) + "/" + std::to_string(selNo1) + "/" +
           std::to_string(selNo2) + ":";
}

std::string ClConditionDlg::RememberedFilePath(std::string& folder) {
    folder = EngineAppFolder(1);
    return folder + envFileName_;
}

int ClConditionDlg::ReadRememberedPath(std::int16_t& kind, std::string& path) {
    try {
        return ReadRecord(kind, path);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int ClConditionDlg::WriteRememberedPath(std::int16_t extra1, std::int16_t extra2, std::int16_t kind, const char* path) {
    try {
        return WriteRecord(extra1, extra2, kind, path);
    } catch (const std::bad_alloc&) {
        return 0;  // the file stays as it was
    }
}

int ClConditionDlg::ReadRecord(std::int16_t& kind, std::string& path) {
    std::string folder;
    const std::string file = RememberedFilePath(folder);
    std::string content;
    if (fs_.ReadFile(file, content, kMaxFileBytes) != EnReadResult::Read) return 0;
    const std::string key = RecordKey();
    const std::size_t start = FindRecord(content, key);
    if (start == std::string::npos) return 0;
    // The last record may lack its LF: the value then runs to the end.
    const std::size_t valueStart = start + key.size();
    const std::size_t end = std::min(content.find('\n', start), content.size());
    auto record = ParseValue(std::string_view(content).substr(valueStart, end - valueStart));
    if (!record) return 0;
    kind = record->kind;
    path = record->path;
    return 1;
}

int ClConditionDlg::WriteRecord(std::int16_t extra1, std::int16_t extra2, std::int16_t kind, const char* path) {
    const std::string value = path ? std::string(path) : rememberedPath;
    // A line break in the path would split the record in two.
    if (value.find_first_of("\r\n") != std::string::npos) return 0;
    std::string folder;
    const std::string named = RememberedFilePath(folder);
    if (folder.empty()) return 0;
    if (!IsExistingFolder(fs_, folder) && !CreateFolderChain(fs_, folder)) return 0;

    // Runs at the same time must not lose each other's records: the read,
    // the rewrite and the replacement happen under one lock, beside the file
    // that is replaced (users' files may be links to one shared file).
    const std::string file = fs_.FinalPath(named);
    if (file.empty()) return 0;
    const std::unique_ptr<ClFileLock> lock = fs_.LockFile(file + kLockSuffix);
    if (!lock) return 0;
    // Only a file that is surely not there may be replaced by this record
    // alone; one that could not be read keeps the other users' records.
    std::string content;
    switch (fs_.ReadFile(file, content, kMaxFileBytes)) {
        case EnReadResult::Read:
            break;
        case EnReadResult::NoFile:
            content.clear();
            break;
        case EnReadResult::Failed:
            return 0;
    }
    const std::string key = RecordKey();
    content = WithoutRecords(content, key);
    content +=
        key + std::to_string(extra1) + "/" + std::to_string(extra2) + "/" + std::to_string(kind) + "/" + value + "\n";
    return fs_.ReplaceFile(file, content) ? 1 : 0;
}
