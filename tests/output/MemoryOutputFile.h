#pragma once
// An output file in memory: records each write as it came, and can be told to
// refuse the creation, the n-th write or the commit.
#include <numeric>
#include <string>
#include <vector>

#include "services/OutputFile.h"

class ClMemoryOutputFile final : public ClOutputFile {
public:
    bool refuseCreate = false, refuseCommit = false;
    int failAtWrite = 0;  // 1-based; 0 never

    std::vector<std::string> writes;
    bool open = false, committed = false;
    int closes = 0;

    bool Create(const char*) override { return open = !refuseCreate; }
    bool Write(const void* data, std::size_t size) override {
        if (!open || static_cast<int>(writes.size()) + 1 == failAtWrite) return false;
        writes.emplace_back(static_cast<const char*>(data), size);
        return true;
    }
    bool Commit() override { return committed = open && !refuseCommit; }
    void Close() override {
        open = false;
        ++closes;
    }
    std::string Content() const { return std::accumulate(writes.begin(), writes.end(), std::string()); }
};
