#pragma once
// An in-memory file system with either path style, with failures on demand.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dialog/PathHelpers.h"
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
    bool ReadFile(const std::string& path, std::string& content, std::size_t maxSize) override {
        auto it = files.find(Key(path));
        events.push_back("read " + path);
        if (it == files.end() || unreadable.count(it->first) || it->second.size() > maxSize) return false;
        content = it->second;
        return true;
    }
    bool ReplaceFile(const std::string& path, std::string_view content) override {
        ++replaceCalls;
        events.push_back("replace " + path);
        if (failReplace || !IsFolder(FolderText(style_, path))) return false;
        files[Key(path)] = std::string(content);
        return true;
    }

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
        const char sep = Separator(style_);
        for (std::size_t i = key.find(sep, 1); i != std::string::npos; i = key.find(sep, i + 1)) {
            folders.insert(Key(key.substr(0, i + 1)));
        }
        folders.insert(key);
    }
    void AddFile(const std::string& path, const std::string& content) {
        AddFolder(FolderText(style_, path));
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

    // Folders are kept without their trailing separator, roots with it.
    std::string Key(std::string path) const {
        auto root = [&path] { return path == "/" || (path.size() == 3 && path[1] == ':'); };
        while (path.size() > 1 && path.back() == Separator(style_) && !EndsWithDbcs(path) && !root()) {
            path.pop_back();
        }
        return path;
    }

    EnPathStyle style_;
};
