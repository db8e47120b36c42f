#pragma once
// What the tests of every folder share: a file read whole, UTF-8 text from a
// u8 literal, engine data sets as JSON text, and a folder of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>
#ifdef _WIN32
#include <direct.h>
#include <io.h>
#endif

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

// The bytes of a file; empty when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// UTF-8 text from a u8 literal (narrow literals are Shift_JIS in this build).
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A data-set text given as its bytes ({"hex": ...}): taken as it stands.
inline std::string HexText(const std::string& bytes) {
    std::string hex = R"({"hex": ")";
    for (unsigned char c : bytes) hex += {"0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    return hex + "\"}";
}

// A data set (JSON, UTF-8) in which user "user01" selected data selNo2;
// companies and more top-level members (such as "faults") as JSON text.
inline std::string UserDataSet(int selNo2, const std::string& companies, const std::string& more = "") {
    return R"({"format": 1, "currentUser": "user01", "users": [{"userId": "user01", "selNo1": 1, "selNo2": )" +
           std::to_string(selNo2) + "}], \"companies\": [" + companies + "]" + (more.empty() ? "" : ", " + more) + "}";
}

// A data set of one company, data 5 ("D5" unless the members give a
// dataId), which user01 selected; its members and more top-level members as JSON text.
inline std::string OneCompany(const std::string& members, const std::string& more = "") {
    const bool ownId = members.find("\"dataId\"") != std::string::npos;
    return UserDataSet(5,
                       std::string(R"({"dataNo": 5)") + (ownId ? "" : R"(, "dataId": "D5")") +
                           (members.empty() ? "" : ", " + members) + "}",
                       more);
}

// A statement row of a data set; name as JSON (a string or hex bytes).
inline std::string SumRow(int rowCode, int itemKey, long long amount = 0, const std::string& name = "\"\"") {
    return R"({"rowCode": )" + std::to_string(rowCode) + R"(, "itemKey": )" + std::to_string(itemKey) +
           R"(, "kamokuName": )" + name + R"(, "kisyuAmount": 10000, "amount": )" + std::to_string(amount) + "}";
}

// An environment variable set (or, with null, cleared) for one scope.
class ClScopedEnv {
public:
    ClScopedEnv(const char* variable, const char* value) : name_(variable) {
        if (const char* was = std::getenv(name_)) old_ = was;
        Set(value);
    }
    ~ClScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
    ClScopedEnv(const ClScopedEnv&) = delete;
    ClScopedEnv& operator=(const ClScopedEnv&) = delete;

private:
    void Set(const char* value) {
#ifdef _WIN32
        _putenv_s(name_, value ? value : "");
#else
        value ? ::setenv(name_, value, 1) : ::unsetenv(name_);
#endif
    }
    const char* name_;
    std::optional<std::string> old_;
};

// The running test's own folder below base (made when missing), so that tests
// running side by side never share a file: base/SUITE.TEST, without a final "/".
inline std::string TestFolderIn(const std::string& base) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder = base + "/" + test->test_suite_name() + "." + test->name();
    std::filesystem::create_directories(folder);
    return folder;
}

// A fresh folder below /tmp (through Wine's drive Z: on Windows), removed
// with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/orbek-test-XXXXXX";
#ifdef _WIN32
        const bool made = _mktemp_s(name, sizeof name) == 0 && _mkdir(name) == 0;
#else
        const bool made = mkdtemp(name) != nullptr;
#endif
        path = made ? name : "/nonexistent";
        EXPECT_TRUE(made) << "no temporary folder";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path;  // ASCII, without a trailing "/"
};
