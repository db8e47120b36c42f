// The support-information file "SUPPORT.INF": any content gives a product
// name and version that are terminated, fit their buffers and come from
// the file's own bytes after their marker.
#include <unistd.h>

#include <cstring>

#include "FuzzCheck.h"
#include "output/SupportInfo.h"

namespace {

// A value is terminated within its buffer and, unless empty, stands right after its marker.
void CheckValue(std::string_view content, const char* value, const std::string& marker) {
    const std::size_t length = strnlen(value, ClSupportInfo::kValueCapacity);
    fuzz::Check(length < ClSupportInfo::kValueCapacity, "a value fits its buffer");
    fuzz::Check(length == 0 || content.find(marker + std::string(value, length)) != std::string_view::npos,
                "a value is the text after its marker");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::Bytes(data, size);
    // The file is read from the current folder, as the program's own folder.
    fuzz::Check(::chdir(fuzz::PutFile("SUPPORT.INF", content).c_str()) == 0, "the input folder can be entered");
    ClSupportInfo info;
    const std::string_view read = content.substr(0, ClSupportInfo::kBufferSize);
    CheckValue(read, info.GetProductName(), "[=製品名=]");
    CheckValue(read, info.GetProductVersion(), "[=製品ﾊﾞｰｼﾞｮﾝ=]");
    return 0;
}
