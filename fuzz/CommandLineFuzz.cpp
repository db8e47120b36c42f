// The command line the accounting application passes: any text is taken
// apart without fault; it is complete exactly when it holds three commas, and
// then the output path is everything after the third.
#include <algorithm>

#include "FuzzCheck.h"
#include "app/AppFixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::string text(bytes.substr(0, bytes.find('\0')));
    const StCOMMANDLINE line = ClExportApp::ParseCommandLine(text.c_str());
    const bool threeCommas = std::count(text.begin(), text.end(), ',') >= 3;
    fuzz::Check(line.complete == threeCommas, "complete exactly with three commas");
    if (!line.complete) {
        fuzz::Check(line.presetPath.empty(), "an incomplete line fixes no path");
        return 0;
    }
    std::size_t third = 0;
    for (int i = 0; i < 3; ++i) third = text.find(',', i == 0 ? 0 : third + 1);
    fuzz::Check(line.presetPath == text.substr(third + 1), "the path is all after the third comma");
    return 0;
}
