#pragma once
// The product name and version from the support-information file
// "SUPPORT.INF": a Shift_JIS form in which each item follows a marker
// "[=" name "=]" and runs to the end of its line.
#include <cstddef>
#include <memory>

class ClSupportInfo {
public:
    static constexpr std::size_t kBufferSize = 30000;
    static constexpr std::size_t kValueCapacity = 256;  // with the terminator

    ClSupportInfo() = default;
    ClSupportInfo(const ClSupportInfo&) = delete;
    ClSupportInfo& operator=(const ClSupportInfo&) = delete;
    virtual ~ClSupportInfo();

    // 1: content available (also when loaded before); 0: no memory or no file.
    // The file is read at most once: after a failed open nothing is retried.
    int Load();
    // The value after the marker, or an empty text; valid while the object lives.
    const char* GetProductName();
    const char* GetProductVersion();

private:
    const char* Lookup(const char* marker, char (&value)[kValueCapacity]);

    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t length_ = 0;  // bytes read from the file
    char productName_[kValueCapacity] = {};
    char productVersion_[kValueCapacity] = {};
};
