#pragma once
// An in-memory file system with either path style, with failures on demand.
// It splits paths itself, so that a fault in the path helpers it serves to
// test cannot bend it too.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "services/FileSystem.h"

class ClFakeFileSystem final : public ClFileSystem {
public:
    explicit ClFakeFileSystem(EnPathStyle style = EnPathStyle::Posix) : style_(style) {
        folders.insert(style == EnPathStyle::Posix ? "/" : "C:\\");
    }

    EnPathStyle Style() const override { return style_; }
    std::string GetProgramPath() override { return programPath; }
    std::string GetCurrentFolder() override { return currentFolder; }
    bool SetCurrentFolder(const std::string& path) override {
        if (!IsFolder(path)) return false;
        currentFolder = path;
        return true;
    }
    std::string GetTempFolder() override { return tempFolder; }
    int GetDriveType(const std::string& root) override {
        return driveTypes.count(root) ? driveTypes.at(root) : drive::kFixed;
    }
    bool IsReadOnlyVolume(const std::string& path) override {
        return std::any_of(readOnlyVolumes.begin(), readOnlyVolumes.end(),
                           [&path](const std::string& volume) { return path.rfind(volume, 0) == 0; });
    }
    bool Access(const std::string& path, int mode) override {
        const std::string key = Key(path);
        const bool exists = folders.count(key) || files.count(key);
        return exists && (mode == accessmode::kExists || !notWritable.count(key));
    }
    bool TakesNewFiles(const std::string& folder) override {
        return IsFolder(folder) && !notWritable.count(Key(folder));
    }
    bool IsFolder(const std::string& path) override { return folders.count(Key(path)) > 0; }
    bool IsFile(const std::string& path) override { return files.count(Key(path)) > 0; }
    bool CreateFolder(const std::string& path) override {
        const std::string key = Key(path);
        if (failCreate.count(key) || folders.count(key) || files.count(key)) return false;
        folders.insert(key);
        created.push_back(key);
        return true;
    }
    bool RemoveFolder(const std::string& path) override {
        const std::string key = Key(path);
        if (failRemove.count(key) || !folders.erase(key)) return false;
        removed.push_back(key);
        return true;
    }
    // unreadable: the file cannot be read, or an I/O error makes it look absent.
    EnReadResult ReadFile(const std::string& path, std::string& content, std::size_t maxSize) override {
        auto it = files.find(Key(path));
        events.push_back("read " + path);
        if (unreadable.count(Key(path))) return EnReadResult::Failed;
        if (it == files.end()) return EnReadResult::NoFile;
        if (it->second.size() > maxSize) return EnReadResult::Failed;
        content = it->second;
        return EnReadResult::Read;
    }
    bool ReplaceFile(const std::string& path, std::string_view content) override {
        ++replaceCalls;
        events.push_back("replace " + path);
        if (failReplace || !IsFolder(FolderOf(path))) return false;
        files[Key(path)] = std::string(content);
        return true;
    }

    std::string FinalPath(const std::string& path) override { return path; }

    // Busy while another holder has it, or while lockBusy is set.
    std::unique_ptr<ClFileLock> LockFile(const std::string& path) override {
        if (lockBusy || locked.count(path)) return nullptr;
        locked.insert(path);
        events.push_back("lock " + path);
        return std::make_unique<ClFakeLock>(*this, path);
    }

    // Adds a folder and every folder above it.
    void AddFolder(const std::string& path) {
        const std::string key = Key(path);
        for (std::size_t at : Separators(key)) {
            if (at > 0) folders.insert(Key(key.substr(0, at + 1)));
        }
        folders.insert(key);
    }
    void AddFile(const std::string& path, const std::string& content) {
        AddFolder(FolderOf(path));
        files[Key(path)] = content;
    }

    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    std::set<std::string> failCreate, failRemove, notWritable, unreadable, readOnlyVolumes;
    std::map<std::string, int> driveTypes;
    std::vector<std::string> created, removed;
    std::set<std::string> locked;
    std::vector<std::string> events;  // "lock", "read", "replace", "unlock", each with its path
    bool failReplace = false, lockBusy = false;
    int replaceCalls = 0;
    std::string programPath, currentFolder, tempFolder;

private:
    class ClFakeLock final : public ClFileLock {
    public:
        ClFakeLock(ClFakeFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
        ~ClFakeLock() override {
            fs_.locked.erase(path_);
            fs_.events.push_back("unlock " + path_);
        }

    private:
        ClFakeFileSystem& fs_;
        std::string path_;
    };

    // Where the separators stand: never in a character's second byte (表 is 0x95 0x5C).
    std::vector<std::size_t> Separators(const std::string& path) const {
        const char separator = style_ == EnPathStyle::Posix ? '/' : '\\';
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < path.size(); i += sjis::CharLengthAt(path, i)) {
            if (path[i] == separator) at.push_back(i);
        }
        return at;
    }
    // The folder part with its separator; empty without one.
    std::string FolderOf(const std::string& path) const {
        const auto at = Separators(path);
        return at.empty() ? std::string() : path.substr(0, at.back() + 1);
    }
    // Folders are kept without their trailing separator, roots with it.
    std::string Key(std::string path) const {
        auto root = [&path] { return path == "/" || (path.size() == 3 && path[1] == ':'); };
        auto endsInSeparator = [this, &path] {
            const auto at = Separators(path);
            return !at.empty() && at.back() == path.size() - 1;
        };
        while (path.size() > 1 && !root() && endsInSeparator()) path.pop_back();
        return path;
    }

    EnPathStyle style_;
};
