#pragma once
// The stand-in engine over an inline data set, bound while it lives, with the
// program's calls kept in order.
#include <memory>
#include <string>
#include <vector>

#include "engine/VkEngine.h"
#include "standin/StandinEngine.h"

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

class ClTestStandin {
public:
    // connect: open the connection as the program does before anything else.
    explicit ClTestStandin(const std::string& json, bool connect = true) : engine(json, "test data set") {
        engine.RecordCalls(&calls);
        VkBindEngine(&engine);
        if (connect && engine.AccConnect()->Initiate() == VK_OK) calls.clear();
    }
    ~ClTestStandin() { VkBindEngine(nullptr); }
    ClTestStandin(const ClTestStandin&) = delete;
    ClTestStandin& operator=(const ClTestStandin&) = delete;

    ClStandinEngine engine;
    std::vector<std::string> calls;
};
