#pragma once
// An output file in memory: records each write as it came, and can be told to
// refuse the creation or the n-th write.
#include <string>
#include <vector>

#include "platform/OutputFile.h"

class ClMemoryOutputFile final : public ClOutputFile {
public:
    bool refuseCreate = false;
    int failAtWrite = 0;  // 1-based; 0 never
    bool refuseCommit = false;

    std::vector<std::string> writes;
    bool open = false;
    bool committed = false;
    int closes = 0;

    bool Create(const char*) override {
        open = !refuseCreate;
        return open;
    }
    bool Write(const void* data, std::size_t size) override {
        if (!open) return false;
        if (failAtWrite && static_cast<int>(writes.size()) + 1 == failAtWrite) return false;
        writes.emplace_back(static_cast<const char*>(data), size);
        return true;
    }
    bool Commit() override {
        if (!open || refuseCommit) return false;
        committed = true;
        return true;
    }
    void Close() override {
        open = false;
        ++closes;
    }
    std::string Content() const {
        std::string all;
        for (const std::string& w : writes) all += w;
        return all;
    }
};
