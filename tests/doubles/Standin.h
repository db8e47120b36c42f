#pragma once
// The stand-in engine over an inline data set, bound while it lives, with the
// program's calls kept in order.
#include <string>
#include <vector>

#include "engine/VkEngine.h"
#include "standin/StandinEngine.h"

#include "support/TestSupport.h"

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
